#include "Unit.h"

#include <cmath>
#include <vector>

#include "CommonGlobals.h"
#include "Files.h"
#include "Lumbrick.h"
#include "StringHelpers.h"
#include "SysUtils.h"
#include "TextChecks.h"
#include "Translator.h"

namespace {

// The file's last modification, to the whole second, or NullDate.
TDateTime FileDateOf(const std::string& FileName) try {
  const std::optional<FileDetails> details = FindFileDetails(FileName);
  if (!details) return NullDate;
  int h, m, s, ms;
  DecodeTime(details->date, h, m, s, ms);
  return std::floor(details->date) + EncodeTime(h, m, s, 0);
} catch (...) {
  VIX->Push("Function FileDateOf");
  throw;
}

std::string CodeStatusCounts(const std::array<int, 4>& Counts) try {
  // Entries are counted by code state: 1 Missing, 2 Correct, 3 Incorrect, 4 Ignored.
  return "\t" + Trt("Correct") + " : " + IntToStr(Counts[1]) + "\t" + Trt("Incorrect") + " : " +
         IntToStr(Counts[2]) + "\t" + Trt("Missing") + " : " + IntToStr(Counts[0]) + "\t" +
         Trt("Ignored") + " : " + IntToStr(Counts[3]);
} catch (...) {
  VIX->Push("Function CodeStatusCounts");
  throw;
}

}  // namespace

bool IsStorableUnitPath(const std::string& FileName) try {
  return FileName.find_first_of(";\r\n") == std::string::npos;
} catch (...) {
  VIX->Push("Function IsStorableUnitPath");
  throw;
}

TUnit::TUnit() try : LastUpdate(NullDate), FileDate(NullDate) {
} catch (...) {
  VIX->Push("Constructor TUnit.Create");
  throw;
}

TUnit::TUnit(const std::string& AFileName) try
    : FileName(AFileName),
      Status("New"),
      LastUpdate(NullDate),
      FileDate(FileDateOf(AFileName)),
      Scanner(std::make_unique<TSourceScanner>(AFileName)) {
} catch (...) {
  VIX->Push("Constructor TUnit.Create");
  throw;
}

std::unique_ptr<TUnit> TUnit::CreateFromIniString(const std::string& Line) try {
  std::unique_ptr<TUnit> unit(new TUnit());
  unit->IniStringToProperties(Line);
  unit->Scanner = std::make_unique<TSourceScanner>(unit->FileName);
  return unit;
} catch (...) {
  VIX->Push("Constructor TUnit.CreateFromIniString");
  throw;
}

void TUnit::IniStringToProperties(const std::string& Line) try {
  Status = "Error";
  std::vector<std::string> pieces;
  SplitDelimitedTextIntoStrings(Line, ";", pieces);
  if (pieces.size() != 4 || !IsDate(pieces[2]))
    throw Exception(Line + "\r\n" + Trt("Invalid File Definition in INI File."));
  FileName = pieces[0];
  Included = StringToBool(pieces[1]);
  LastUpdate = StrToDateTime(pieces[2]);
  Status = pieces[3];
  FileDate = FileDateOf(FileName);
} catch (...) {
  VIX->Push("Procedure TUnit.IniStringToProperties");
  throw;
}

std::string TUnit::GetIniString() const try {
  return FileName + ";" + BoolToString(Included) + ";" + DateTimeToStr(LastUpdate) + ";" + Status;
} catch (...) {
  VIX->Push("Function TUnit.GetIniString");
  throw;
}

std::string TUnit::GetCheckListString() const try {
  return BoolToString(Included) + ";" + FileName + ";" + DateTimeToStr(LastUpdate) + ";" +
         DateTimeToStr(FileDate) + ";" + Status;
} catch (...) {
  VIX->Push("Function TUnit.GetCheckListString");
  throw;
}

std::string TUnit::StatusMessage() const try {
  std::string r = FileName;
  if (!FileExists(FileName)) return r;
  const TSourceScanner& s = *Scanner;
  const int length = static_cast<int>(s.Text.size());
  r += "\r\n" + DateTimeToStr(FileDateOf(FileName));
  r += "\r\n\r\n" + FormatInt(length) + Trt(" Bytes") + ", " + FormatInt(s.GetLineNum(length)) + Trt(" Lines");
  r += "\r\n" + FormatInt(static_cast<long long>(s.Routines.size())) + Trt(" Routines");
  r += "\r\n\r\n" + Trt("Initial Code Status") + CodeStatusCounts(s.InitialCodeStatus);
  r += "\r\n" + Trt("Actual Code Status") + CodeStatusCounts(s.ActualCodeStatus);
  r += "\r\n\r\n" + Trt("Code Modifications") + "\t" + Trt("Added") + " : " + IntToStr(s.Modifications[0]) +
       "\t" + Trt("Updated") + " : " + IntToStr(s.Modifications[1]) + "\t" + Trt("Removed") + " : " +
       IntToStr(s.Modifications[2]);
  return r;
} catch (...) {
  VIX->Push("Function TUnit.StatusMessage");
  throw;
}
