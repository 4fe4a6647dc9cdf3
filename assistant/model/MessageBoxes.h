// The assistant's message boxes. Callers pass texts already translated. An
// error box followed by the silent abort is how an action is refused.
#pragma once

#include <string>

#include "Exceptions.h"
#include "FileDialogs.h"

// Plain box: no icon, OK.
void ShowDebug(const std::string& Msg);
void ShowInfo(const std::string& Msg);
void ShowError(const std::string& Msg);
// The error box, then the silent abort (EAbort), raised at the caller's site.
[[noreturn]] void ShowErrorAndAbort(const std::string& Msg, HOST_RAISE_SITE);
// Why a file whose name Windows-1252 cannot hold is refused, shown after the
// name as the file system spells it.
inline constexpr const char* UnusableFileNameText = "Cannot be Used : its Name Holds Characters Outside Windows-1252";
// Runs a file dialog. A picked file whose name Windows-1252 cannot hold is
// refused, not a failure: the error box shows the name as the file system
// spells it, then the silent abort.
bool ExecuteFileDialog(TOpenDialog& Dialog);
// The folder chooser (SelectDirectory), refusing such a folder alike.
bool ExecuteFolderDialog(std::string& Directory);
// Confirmation with Yes and No; True exactly when Yes was chosen.
bool YesNo(const std::string& Msg);
