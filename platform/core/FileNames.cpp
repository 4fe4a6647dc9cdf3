#include "FileNames.h"

#include "Codepage.h"

std::string FsName(std::string_view name) { return AnsiToUtf8(name); }

std::optional<std::string> TryProgramName(std::string_view fsName) { return Utf8ToAnsiExact(fsName); }

std::string ProgramName(std::string_view fsName, std::source_location where) {
  if (std::optional<std::string> name = TryProgramName(fsName)) return std::move(*name);
  throw EUnusableFileName("Cannot use the file name \"" + Utf8ToAnsi(fsName) +
                              "\": it holds characters outside Windows-1252",
                          std::string(fsName), RaiseAddress::At(where));
}

bool IsUnusableFsName(std::string_view text) { return IsUtf8(text) && !TryProgramName(text); }
