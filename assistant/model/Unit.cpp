#include "Unit.h"

#include <cmath>
#include <vector>

#include "CommonGlobals.h"
#include "Files.h"
#include "LineBreaks.h"
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

// A line of counts: its heading, then each name with its count.
template <std::size_t N>
std::string CountsLine(const char* Heading, const std::array<const char*, N>& Names,
                       const std::array<int, N>& Counts) try {
  std::string line = Trt(Heading);
  for (std::size_t i = 0; i < N; ++i) line += "\t" + Trt(Names[i]) + " : " + IntToStr(Counts[i]);
  return line;
} catch (...) {
  VIX->Push("Function CountsLine");
  throw;
}

std::string CodeStatusLine(const char* Heading, const std::array<int, 4>& Counts) try {
  // Entries are counted by code state: 1 Missing, 2 Correct, 3 Incorrect, 4 Ignored.
  return CountsLine(Heading, SummaryCodeStates, {Counts[1], Counts[2], Counts[0], Counts[3]});
} catch (...) {
  VIX->Push("Function CodeStatusLine");
  throw;
}

// The size of the text as its file holds it: a file that breaks its lines
// with LF alone is held with CR LF, one CR more for each of its LFs.
long long FileLength(const TSourceScanner& S, const TLineFeeds& Feeds) try {
  const auto size = static_cast<long long>(S.Text.size());
  return S.LFLineBreaks ? size - Feeds.Paired : size;
} catch (...) {
  VIX->Push("Function FileLength");
  throw;
}

// The lines of the text as its file holds them: as the scanner numbers them,
// one more than its CR LF pairs. A unit that mixes line breaks is left
// unedited and its lines are not numbered by the scanner, which knows CR LF
// alone: there every break counts, whatever its kind.
int LineCount(const TSourceScanner& S, const TLineFeeds& Feeds) try {
  if (LineBreakStyleOf(Feeds) == TLineBreakStyle::Mixed) return 1 + CountLineBreaks(S.Text);
  return 1 + Feeds.Paired;
} catch (...) {
  VIX->Push("Function LineCount");
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

bool IsUnitListLine(const std::string& Line) try {
  std::vector<std::string> pieces;
  SplitDelimitedTextIntoStrings(Line, ";", pieces);
  return pieces.size() == 4 && IsDate(pieces[2]);
} catch (...) {
  VIX->Push("Function IsUnitListLine");
  throw;
}

void TUnit::IniStringToProperties(const std::string& Line) try {
  Status = "Error";
  if (!IsUnitListLine(Line)) throw Exception(Line + "\r\n" + Trt("Invalid File Definition in INI File."));
  std::vector<std::string> pieces;
  SplitDelimitedTextIntoStrings(Line, ";", pieces);
  FileName = pieces[0];
  Included = StringToBool(pieces[1]);
  LastUpdate = StrToDateTime(pieces[2]);
  Status = pieces[3];
  FileDate = FileDateOf(FileName);
} catch (...) {
  VIX->Push("Procedure TUnit.IniStringToProperties");
  throw;
}

void TUnit::ReadFileDate() try {
  FileDate = FileDateOf(FileName);
} catch (...) {
  VIX->Push("Procedure TUnit.ReadFileDate");
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
  r += "\r\n" + DateTimeToStr(FileDateOf(FileName));
  // One pass over a text that may hold millions of lines.
  const TLineFeeds feeds = CountLineFeeds(s.Text);
  r += "\r\n\r\n" + FormatInt(FileLength(s, feeds)) + Trt(" Bytes") + ", " + FormatInt(LineCount(s, feeds)) +
       Trt(" Lines");
  if (s.ErrorCode != 0) return r;
  r += "\r\n" + FormatInt(static_cast<long long>(s.Routines.size())) + Trt(" Routines");
  r += "\r\n\r\n" + CodeStatusLine(SummaryHeadings[0], s.InitialCodeStatus);
  r += "\r\n" + CodeStatusLine(SummaryHeadings[1], s.ActualCodeStatus);
  r += "\r\n\r\n" + CountsLine(SummaryHeadings[2], SummaryModifications,
                              {s.Modifications[0], s.Modifications[1], s.Modifications[2]});
  return r;
} catch (...) {
  VIX->Push("Function TUnit.StatusMessage");
  throw;
}
