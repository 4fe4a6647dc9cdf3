// Unit Common: string, path, process, browser and status-bar helpers.
#pragma once

#include "Browser.h"
#include "FileSearch.h"
#include "MessageBoxes.h"
#include "StatusText.h"
#include "StringHelpers.h"
#include "TextChecks.h"
