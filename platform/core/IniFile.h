// INI files of the private-profile kind: sections and keys compared without
// regard to ASCII letter case, every other line (comments included) kept as
// it is, every write carried to the file at once. A write replaces the file
// as ReplaceFileBytes does: whole or not at all, keeping its owner, mode and
// links. A missing file reads as empty; so does one that cannot be read, and
// writing that one raises, so it never loses what it held. Blanks around
// keys and values are ignored, values are read whole. A section name ends at
// the last "]" of its line.
//
// The file is read and parsed once and kept while it is unchanged on disk:
// each call looks at the file's identity, size and times, so a change made
// by another program is seen at the next call. One thread per object.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "DateTime.h"
#include "Exceptions.h"

HOST_EXCEPTION_CLASS(EIniFileException, Exception);

class TIniFile {
 public:
  explicit TIniFile(std::string fileName);
  ~TIniFile();
  TIniFile(const TIniFile&) = delete;
  TIniFile& operator=(const TIniFile&) = delete;
  const std::string& FileName() const { return file_name_; }

  std::string ReadString(const std::string& section, const std::string& ident, const std::string& def) const;
  int ReadInteger(const std::string& section, const std::string& ident, int def) const;
  bool ReadBool(const std::string& section, const std::string& ident, bool def) const;  // non-zero integer
  TDateTime ReadDateTime(const std::string& section, const std::string& ident, TDateTime def) const;
  // A failed write raises EIniFileException "Unable to write to <file>";
  // one refused because the file could not be read, "Unable to read <file>:
  // <the system's reason>". Then the object holds the file as it is, without
  // the change. (Unless KeepChangesInMemoryWhenWritesFail was called.)
  void WriteString(const std::string& section, const std::string& ident, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& ident, int value);
  void WriteBool(const std::string& section, const std::string& ident, bool value);  // "1" / "0"
  void WriteDateTime(const std::string& section, const std::string& ident, TDateTime value);

  std::vector<std::string> ReadSections() const;
  std::vector<std::string> ReadSection(const std::string& section) const;  // its keys
  // Its keys with their values as ReadString gives them, in file order, from
  // one reading of the file.
  std::vector<std::pair<std::string, std::string>> ReadSectionValues(const std::string& section) const;
  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& ident) const;
  void EraseSection(const std::string& section);
  void DeleteKey(const std::string& section, const std::string& ident);
  // Writes reach the file at once; kept for callers that flush explicitly.
  void UpdateFile() {}

  // Why the file could not be read: the system's reason; empty when it was
  // read or does not exist.
  std::string ReadFailure() const;
  // From now on changes stay in this object, which reads them back: the file
  // is neither read nor written again. For a program that goes on without a
  // settings file it could not read, which it leaves as it is.
  void KeepChangesInMemory();
  // For a program that goes on when its settings cannot be saved (a folder
  // or file it may not write, a full disk): from now on a write that fails,
  // or is refused because the file could not be read, raises nothing. The
  // object then holds the file as it is with that change, keeps every later
  // change in memory as KeepChangesInMemory does, and calls OnFailure once,
  // with the system's reason, for the program to tell the user.
  using TWriteFailureEvent = std::function<void(const std::string& Reason)>;
  void KeepChangesInMemoryWhenWritesFail(TWriteFailureEvent OnFailure);
  // True once changes stay in memory: the program chose so for a file it
  // could not read, or a write failed after the call above.
  bool ChangesInMemory() const { return in_memory_; }

 private:
  class Content;
  // The parsed file as it is now on disk (or in memory).
  Content& Current() const;
  // Applies an edit that tells whether it changed anything, then writes the
  // file; on failure the next call reads the file again, or the edit is
  // applied to the file as it is and kept in memory.
  template <class Edit>
  void Change(Edit&& edit);

  std::string file_name_;
  mutable std::unique_ptr<Content> content_;
  bool in_memory_ = false;
  TWriteFailureEvent on_write_failure_;
};
