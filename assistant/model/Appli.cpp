#include "Appli.h"

#include <set>

#include "CommonGlobals.h"
#include "FileContents.h"
#include "Files.h"
#include "IniValues.h"
#include "Lumbrick.h"
#include "MessageBoxes.h"
#include "Settings.h"
#include "SysUtils.h"
#include "Translator.h"

namespace {

// The lines of a text as the platform's string lists read them: CR, LF and
// CR LF each end a line, a final line end adds no empty line, NUL ends the text.
std::vector<std::string> TextLines(std::string_view Text) try {
  std::vector<std::string> lines;
  Text = Text.substr(0, Text.find('\0'));
  std::size_t p = 0;
  while (p < Text.size()) {
    const std::size_t end = std::min(Text.find_first_of("\r\n", p), Text.size());
    lines.emplace_back(Text.substr(p, end - p));
    p = end;
    if (p < Text.size() && Text[p] == '\r') ++p;
    if (p < Text.size() && Text[p] == '\n') ++p;
  }
  return lines;
} catch (...) {
  VIX->Push("Function TextLines");
  throw;
}

// Whether an application's section other than Own names the unit-list file Name.
bool NamedByAnotherAppli(const std::string& Name, const std::string& Own) try {
  for (const std::string& section : IniFile->ReadSections())
    if (!ExtractFilePath(section).empty() && !SameText(section, Own) &&
        IniFile->ReadString(section, "DataFileName", "") == Name)
      return true;
  return false;
} catch (...) {
  VIX->Push("Function NamedByAnotherAppli");
  throw;
}

// The damaged unit-list file once a run, however often it is read.
void ReportDamagedUnitList(const std::string& File, int Line, const std::string& Text, int Count) try {
  static std::set<std::string> reported;
  if (!reported.insert(File + '\n' + Text).second) return;
  std::string message = Trt("Damaged Unit List File") + " : " + File + "\r\n" + Trt("Line") + " " + IntToStr(Line) +
                        " : " + Text;
  if (Count > 1) message += "\r\n" + IntToStr(Count) + Trt(" Damaged Lines");
  ShowError(message + "\r\n\r\n" +
            Trt("The Application Opens with the Units that Could be Read. The File is Kept as it is until the "
                "Application Changes."));
} catch (...) {
  VIX->Push("Procedure ReportDamagedUnitList");
  throw;
}

}  // namespace

TAppli::TAppli(const std::string& AFileName) try
    : FileName(AFileName), Creation(NullDate), LastUpdate(NullDate) {
} catch (...) {
  VIX->Push("Constructor TAppli.Create");
  throw;
}

std::unique_ptr<TAppli> TAppli::CreateNew(const std::string& ProjectFile) try {
  std::unique_ptr<TAppli> a(new TAppli(ProjectFile));
  a->Creation = Now();
  a->LastUpdate = NullDate;
  a->DataFileName = a->GetDataFileName();
  a->FindSearchPath();
  a->FindUnitsFromSources();
  a->WriteToFile();
  a->WriteUnitsToFile();
  return a;
} catch (...) {
  VIX->Push("Constructor TAppli.CreateNew");
  throw;
}

std::unique_ptr<TAppli> TAppli::CreateFromFile(const std::string& ProjectFile) try {
  std::unique_ptr<TAppli> a(new TAppli(ProjectFile));
  a->ReadFromFile();
  a->ReadUnitsFromFile();
  return a;
} catch (...) {
  VIX->Push("Constructor TAppli.CreateFromFile");
  throw;
}

void TAppli::ReadFromFile() try {
  // One reading of the section: every application is opened at start-up.
  const std::vector<std::pair<std::string, std::string>> values = IniFile->ReadSectionValues(FileName);
  const auto value = [&values](const char* Key) {
    for (const auto& [key, text] : values)
      if (SameText(key, Key)) return text;
    return std::string();
  };
  // Only the name counts: the unit lists are in the program folder, and a
  // value naming a folder must reach no file elsewhere.
  DataFileName = ExeDir + ExtractFileName(ToHostPath(value("DataFileName")));
  SearchPath = value("SearchPath");
  Creation = DateOrDefault(value("Creation"), NullDate);
  LastUpdate = DateOrDefault(value("LastUpdate"), NullDate);
} catch (...) {
  VIX->Push("Procedure TAppli.ReadFromFile");
  throw;
}

void TAppli::WriteToFile() const try {
  IniFile->WriteString(FileName, "DataFileName", ExtractFileName(DataFileName));
  IniFile->WriteString(FileName, "SearchPath", SearchPath);
  WriteDate(*IniFile, FileName, "Creation", Creation);
  WriteDate(*IniFile, FileName, "LastUpdate", LastUpdate);
} catch (...) {
  VIX->Push("Procedure TAppli.WriteToFile");
  throw;
}

std::string TAppli::GetName() const try {
  return ChangeFileExt(ExtractFileName(FileName), "");
} catch (...) {
  VIX->Push("Function TAppli.GetName");
  throw;
}

std::string TAppli::GetDataFileName() const try {
  const std::string name = GetName();
  std::string candidate = name + ".bul";
  for (int n = 2; FileExists(ExeDir + candidate) || NamedByAnotherAppli(candidate, FileName); ++n)
    candidate = name + "_" + IntToStr(n) + ".bul";
  return ExeDir + candidate;
} catch (...) {
  VIX->Push("Function TAppli.GetDataFileName");
  throw;
}

void TAppli::WriteUnitsToFile() const try {
  std::string text;
  for (const auto& unit : Units) text += unit->GetIniString() + "\r\n";
  SaveFileContents(DataFileName, text);
  UnitListDamaged = false;
} catch (...) {
  VIX->Push("Procedure TAppli.WriteUnitsToFile");
  throw;
}

void TAppli::ReadUnitsFromFile() try {
  Units.ClearUnits();
  if (!FileExists(DataFileName)) return;
  const std::optional<std::string> text = ReadFileBytes(DataFileName);
  if (!text) throw EFOpenError("Cannot open file \"" + DataFileName + "\"");
  // A damaged line is left out and reported, once a run: the application
  // opens with the units that could be read, the file stays as it is.
  int firstBad = 0, bad = 0;
  std::string badLine;
  int number = 0;
  for (const std::string& line : TextLines(*text)) {
    ++number;
    if (IsUnitListLine(line)) {
      Units.Add(TUnit::CreateFromIniString(line));
    } else if (bad++ == 0) {
      firstBad = number;
      badLine = line;
    }
  }
  UnitListDamaged = bad > 0;
  if (UnitListDamaged) ReportDamagedUnitList(DataFileName, firstBad, badLine, bad);
  for (const auto& unit : Units)
    if (!FileExists(unit->FileName)) unit->Status = "Error";
  for (const auto& unit : Units)
    if (unit->Status == "New") unit->Status = "Ok";
} catch (...) {
  VIX->Push("Procedure TAppli.ReadUnitsFromFile");
  throw;
}
