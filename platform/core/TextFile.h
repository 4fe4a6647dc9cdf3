// Reading a text file to its end, line by line, as Reset and Readln do.
#pragma once

#include <string>
#include <vector>

#include "Exceptions.h"

// The lines of the file: CR LF, LF or a lone CR ends a line, and a final
// line break adds no empty line. A file that cannot be opened or read raises
// EInOutError "I/O error <code>" with the operating system's error code.
std::vector<std::string> ReadTextFileLines(const std::string& path, HOST_RAISE_SITE);
