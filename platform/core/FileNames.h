// File names at the file-system boundary. The programs name files with
// Windows-1252 text like all their strings; this host's file system names
// them with UTF-8 bytes. Every call that hands a name to the system converts
// it with FsName, and every name the system gives back goes through
// ProgramName, so a name typed or picked with "é" is found again.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Exceptions.h"

// Always possible: every Windows-1252 byte has a UTF-8 form.
std::string FsName(std::string_view name);
// A name the system gave, or nullopt when it holds a character that
// Windows-1252 cannot hold (or is no UTF-8): the programs could not name
// that file, and a substitute would name another one.
std::optional<std::string> TryProgramName(std::string_view fsName);
// As TryProgramName; such a name raises EConvertError
// "Cannot use the file name "<name>": it holds characters outside Windows-1252".
std::string ProgramName(std::string_view fsName, HOST_RAISE_SITE);
