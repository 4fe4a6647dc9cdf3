// Windows-1252 <-> UTF-8, for the boundaries where text leaves the program's
// bytes (the GUI toolkit, the host's locale). Unmappable characters become '?'.
#pragma once

#include <string>
#include <string_view>

std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);
