// One unit source file of an application.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "DateTime.h"
#include "SourceScanner.h"

// A unit-list line holds four fields separated by ";", one line a unit: a
// path holding ";" or a line break could never be read back.
bool IsStorableUnitPath(const std::string& FileName);
// Why such a unit is not listed (translated when shown).
inline constexpr const char* UnstorablePathText = "Cannot be Listed : its Path Holds \";\" or a Line Break";

// The summary's lines of counts (texts before translation): a heading, then
// TAB-separated "name : count" pairs; the initial and the actual code status
// name the code states, the modifications the changes.
inline constexpr std::array<const char*, 3> SummaryHeadings{"Initial Code Status", "Actual Code Status",
                                                            "Code Modifications"};
inline constexpr std::array<const char*, 4> SummaryCodeStates{"Correct", "Incorrect", "Missing", "Ignored"};
inline constexpr std::array<const char*, 3> SummaryModifications{"Added", "Updated", "Removed"};
// A line that a unit can be made from: four fields, the third a date-time.
bool IsUnitListLine(const std::string& Line);

class TUnit {
 public:
  // A unit found now: Status "New", included, not ticked, never saved.
  explicit TUnit(const std::string& AFileName);
  // A unit from its unit-list line; a malformed line raises a failure whose
  // message is the line, CR LF and "Invalid File Definition in INI File.".
  static std::unique_ptr<TUnit> CreateFromIniString(const std::string& Line);

  void IniStringToProperties(const std::string& Line);
  // FileName;Included;LastUpdate;Status ("True"/"False", host date-time).
  std::string GetIniString() const;
  // Included;FileName;LastUpdate;FileDate;Status: a row of the source-file list.
  std::string GetCheckListString() const;
  bool GetIncluded() const { return Included; }
  // FileDate := the file's date now, after the assistant wrote the file.
  void ReadFileDate();
  // Path, file date, size and lines, routines, code-state counts and
  // modifications, as the scanner window shows them. The size is the file's,
  // in its own line breaks. A unit whose scan stopped at an error shows no
  // routine and no count: none of its routines was rated.
  std::string StatusMessage() const;

  std::string FileName;
  std::string Status;     // "New", "Ok", "Unused" or "Error"
  TDateTime LastUpdate;   // last save by the assistant; NullDate when never
  TDateTime FileDate;     // the file's date when the unit was made; NullDate when missing
  bool Included = true;   // False when the user ignores the unit
  bool Selected = false;  // ticked in the source-file list; never while not Included
  bool Scanned = false;   // scanned since the scanner window opened
  std::unique_ptr<TSourceScanner> Scanner;  // not loaded until needed

 private:
  TUnit();
};
