// Windows-1252 <-> UTF-8, for the boundaries where text leaves the program's
// bytes (the GUI toolkit, the host's locale). Unmappable characters become '?'.
#pragma once

#include <optional>
#include <string>
#include <string_view>

std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);
// Without substitutes: nullopt when the text is not UTF-8 or holds a
// character Windows-1252 has no byte for.
std::optional<std::string> Utf8ToAnsiExact(std::string_view utf8);
// Whether the bytes are well-formed UTF-8 (pure ASCII is).
bool IsUtf8(std::string_view text);
