// The assistant's message boxes. Callers pass texts already translated. An
// error box followed by the silent abort is how an action is refused.
#pragma once

#include <string>

#include "Exceptions.h"

// Plain box: no icon, OK.
void ShowDebug(const std::string& Msg);
void ShowInfo(const std::string& Msg);
void ShowError(const std::string& Msg);
// The error box, then the silent abort (EAbort), raised at the caller's site.
[[noreturn]] void ShowErrorAndAbort(const std::string& Msg, HOST_RAISE_SITE);
// Refuses a file whose name Windows-1252 cannot hold (FsName: the name as
// the file system spells it, shown so): the error box, then the silent abort.
[[noreturn]] void RefuseUnusableFileName(const std::string& FsName, HOST_RAISE_SITE);
// Confirmation with Yes and No; True exactly when Yes was chosen.
bool YesNo(const std::string& Msg);
