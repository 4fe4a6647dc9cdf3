// The assistant's shared globals, set once at start-up by the main window
// before any other window exists.
#pragma once

#include <string>

#include "DateTime.h"

// The program folder with its trailing "/"; every data file of the assistant
// is named relative to it.
extern std::string ExeDir;
// 2000-01-01 00:00:01: "no date" in every date field of the model and its files.
extern TDateTime NullDate;
// Debug features on; set from [System] Debug of the settings file.
extern bool DebugMode;

// NullDate := 2000-01-01 00:00:01, DebugMode := False.
void InitCommonGlobals();

// ExeDir for an executable: its folder as the file system spells it. The
// folder's letter case is kept: re-casing it would name another folder, or
// none, on a case-sensitive file system.
std::string ExeDirOf(const std::string& ExeName);
