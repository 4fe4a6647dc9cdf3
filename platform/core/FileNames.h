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

// A name the system gave that Windows-1252 cannot hold. The message shows it
// with "?" for such characters; FsName() is the name as the file system
// spells it (UTF-8), to show it whole.
class EUnusableFileName : public EConvertError {
 public:
  EUnusableFileName(std::string message, std::string fsName, RaiseAddress address)
      : EConvertError(std::move(message), address), fs_name_(std::move(fsName)) {}
  const char* ClassName() const noexcept override { return "EUnusableFileName"; }
  const std::string& FsName() const noexcept { return fs_name_; }

 private:
  std::string fs_name_;
};

// Always possible: every Windows-1252 byte has a UTF-8 form.
std::string FsName(std::string_view name);
// A name the system gave, or nullopt when it holds a character that
// Windows-1252 cannot hold (or is no UTF-8): the programs could not name
// that file, and a substitute would name another one.
std::optional<std::string> TryProgramName(std::string_view fsName);
// As TryProgramName; such a name raises EUnusableFileName
// "Cannot use the file name "<name>": it holds characters outside Windows-1252".
std::string ProgramName(std::string_view fsName, HOST_RAISE_SITE);
// Whether a name the programs read from a text (a file name in a source
// saved as UTF-8) is, taken as the file system's spelling, a name that
// Windows-1252 cannot hold: such a file can be shown, never used.
bool IsUnusableFsName(std::string_view text);
