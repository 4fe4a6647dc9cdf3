// Unit CommonVIX: the shared globals, message boxes, file search, program
// selection, help pages, whole-file reading and writing, and the settings.
#pragma once

#include "CommonGlobals.h"
#include "ExeSelection.h"
#include "FileContents.h"
#include "FileSearch.h"
#include "HelpFiles.h"
#include "IniValues.h"
#include "MessageBoxes.h"
#include "Settings.h"
