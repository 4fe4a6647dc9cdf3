#include "Translator.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "Exceptions.h"
#include "Files.h"
#include "Lumbrick.h"
#include "StringList.h"
#include "SysUtils.h"

int Language = 1;
TTextTranslator* TextTranslator = nullptr;

namespace {

// The locale's case-insensitive order of Windows-1252 texts: bytes compared
// after folding every letter (accented ones too) to lower case.
int CompareAnsiText(const std::string& A, const std::string& B) try {
  static const std::array<unsigned char, 256> fold = [] {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c)
      t[c] = static_cast<unsigned char>(AnsiLowerCase(std::string(1, static_cast<char>(c)))[0]);
    return t;
  }();
  const std::size_t n = std::min(A.size(), B.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char a = fold[static_cast<unsigned char>(A[i])];
    const unsigned char b = fold[static_cast<unsigned char>(B[i])];
    if (a != b) return a < b ? -1 : 1;
  }
  return A.size() == B.size() ? 0 : (A.size() < B.size() ? -1 : 1);
} catch (...) {
  VIX->Push("Function CompareAnsiText");
  throw;
}

// English: the text up to a " //" comment, blanks kept.
std::string EnglishText(const std::string& S) try {
  const std::size_t p = S.find(" //");
  return p == std::string::npos ? S : S.substr(0, p);
} catch (...) {
  VIX->Push("Function EnglishText");
  throw;
}

[[noreturn]] void IndexError(int Index, HOST_RAISE_SITE) try {
  throw EStringListError("List index out of bounds (" + std::to_string(Index) + ")", RaiseAddress::At(where));
} catch (...) {
  VIX->Push("Procedure IndexError");
  throw;
}

}  // namespace

TDialogsItem::TDialogsItem(int ANum, std::string AText) try : Num(ANum), Traduction(std::move(AText)) {
} catch (...) {
  VIX->Push("Constructor TDialogsItem.Create");
  throw;
}

int TDialogs::AddSource(int Num, const std::string& Text) try {
  const auto it = std::lower_bound(FEntries.begin(), FEntries.end(), Text,
                                   [](const TEntry& e, const std::string& t) { return CompareAnsiText(e.Text, t) < 0; });
  if (it != FEntries.end() && CompareAnsiText(it->Text, Text) == 0) {
    it->Item = TDialogsItem(Num, Text);  // the spelling of the first line stays
    return static_cast<int>(it - FEntries.begin());
  }
  const auto added = FEntries.insert(it, TEntry{Text, TDialogsItem(Num, Text)});
  return static_cast<int>(added - FEntries.begin());
} catch (...) {
  VIX->Push("Function TDialogs.AddSource");
  throw;
}

void TDialogs::AddSources(const std::vector<std::pair<int, std::string>>& Records) try {
  std::vector<TEntry> all = std::move(FEntries);
  all.reserve(all.size() + Records.size());
  for (const auto& [num, text] : Records) all.push_back(TEntry{text, TDialogsItem(num, text)});
  // Equal texts keep their order: the first gives the spelling, the last the
  // item, as one AddSource after the other leaves them.
  std::stable_sort(all.begin(), all.end(),
                   [](const TEntry& a, const TEntry& b) { return CompareAnsiText(a.Text, b.Text) < 0; });
  FEntries.clear();
  for (TEntry& e : all) {
    if (!FEntries.empty() && CompareAnsiText(FEntries.back().Text, e.Text) == 0)
      FEntries.back().Item = std::move(e.Item);
    else
      FEntries.push_back(std::move(e));
  }
} catch (...) {
  VIX->Push("Procedure TDialogs.AddSources");
  throw;
}

int TDialogs::FindItemIndex(const std::string& Text) const try {
  const auto it = std::lower_bound(FEntries.begin(), FEntries.end(), Text,
                                   [](const TEntry& e, const std::string& t) { return CompareAnsiText(e.Text, t) < 0; });
  if (it == FEntries.end() || CompareAnsiText(it->Text, Text) != 0) return -1;
  return static_cast<int>(it - FEntries.begin());
} catch (...) {
  VIX->Push("Function TDialogs.FindItemIndex");
  throw;
}

void TDialogs::CheckIndex(int Index) const try {
  if (Index < 0 || Index >= Count()) IndexError(Index);
} catch (...) {
  VIX->Push("Procedure TDialogs.CheckIndex");
  throw;
}

std::string TDialogs::GetTraduction(int Index) const try {
  CheckIndex(Index);
  return FEntries[Index].Item.Traduction;
} catch (...) {
  VIX->Push("Function TDialogs.GetTraduction");
  throw;
}

void TDialogs::SetTraduction(int Index, const std::string& Text) try {
  CheckIndex(Index);
  FEntries[Index].Item.Traduction = Text;
} catch (...) {
  VIX->Push("Procedure TDialogs.SetTraduction");
  throw;
}

int TDialogs::GetNumDialog(int Index) const try {
  CheckIndex(Index);
  return FEntries[Index].Item.Num;
} catch (...) {
  VIX->Push("Function TDialogs.GetNumDialog");
  throw;
}

std::string TDialogs::GetTexte(int Index) const try {
  CheckIndex(Index);
  return FEntries[Index].Text;
} catch (...) {
  VIX->Push("Function TDialogs.GetTexte");
  throw;
}

TTextTranslator::TTextTranslator(const std::string& ADir) try {
  Dir = IncludeTrailingPathDelimiter(ADir);
  DialogsFile = Dir + "Dialogs.ini";
  DialogsFrFile = Dir + "DialogsFr.ini";
  IniDialogs = std::make_unique<TIniFile>(DialogsFrFile);
  LoadDialogs();
} catch (...) {
  VIX->Push("Constructor TTextTranslator.Create");
  throw;
}

TTextTranslator::~TTextTranslator() try {
  IniDialogs.reset();
} catch (...) {
  VIX->Push("Destructor TTextTranslator.Destroy");
  // A destructor's handler rethrows on its own.
}

void TTextTranslator::LoadIniDialogs(const std::string& AFileName, TStringList& Lines) try {
  TStringList file;
  file.LoadFromFile(AFileName);
  Lines.Clear();
  bool inText = false;
  for (int i = 0; i < file.Count(); ++i) {
    if (inText)
      Lines.Add(file.Strings(i));
    else
      inText = file.Strings(i) == "[Text]";
  }
  if (!inText) throw EReadError("No [Text] line in \"" + AFileName + "\"");
} catch (...) {
  VIX->Push("Procedure TTextTranslator.LoadIniDialogs");
  throw;
}

void TTextTranslator::LoadDialogs() try {
  TStringList Lines;
  TStringList Log;
  const std::string logFile = Dir + "Translator.log";
  try {
    LoadIniDialogs(DialogsFile, Lines);
    std::vector<std::pair<int, std::string>> records;
    for (int i = 0; i < Lines.Count(); ++i) {
      const std::string& L = Lines.Strings(i);
      if (L.empty()) continue;
      const std::size_t p = L.find('=');
      if (p == std::string::npos) {
        Log.Add(L + " : no = sign");
        continue;
      }
      int n = 0;
      if (!TryStrToInt(std::string_view(L).substr(0, p), n)) {
        Log.Add(L + " : incoherent number");
        continue;
      }
      records.emplace_back(n, L.substr(p + 1));
    }
    Dialogs.AddSources(records);
    // The French texts, read in one go: a read per entry would read the
    // whole file again each time. Keys compare as the settings file's do.
    std::unordered_map<std::string, std::string> french;
    for (auto& [key, value] : IniDialogs->ReadSectionValues("Text")) french.emplace(LowerCase(key), std::move(value));
    for (int i = 0; i < Dialogs.Count(); ++i) {
      const std::string key = Int4(Dialogs.GetNumDialog(i));
      const auto it = french.find(LowerCase(key));
      if (it != french.end() && !it->second.empty())
        Dialogs.SetTraduction(i, it->second);
      else
        Log.Add(key + "=" + Dialogs.GetTexte(i) + " : pas de traduction");
    }
  } catch (...) {
    // The log of what was collected; the load's own failure is what goes on.
    ReplaceFileBytes(logFile, Log.Text());
    throw;
  }
  // A log that cannot be written (a read-only folder, a folder of that name)
  // is no reason not to start: the missing texts are then not logged.
  ReplaceFileBytes(logFile, Log.Text());
} catch (...) {
  VIX->Push("Procedure TTextTranslator.LoadDialogs");
  throw;
}

std::string TTextTranslator::GetHelpDir() const try {
  // The help folders "Help\" and "Help\Fr\" with the host's separator.
  return Language == 1 ? Dir + "Help/" : Dir + "Help/Fr/";
} catch (...) {
  VIX->Push("Function TTextTranslator.GetHelpDir");
  throw;
}

std::string TTextTranslator::Tr(const std::string& S) const try {
  return Tr(S, Language);
} catch (...) {
  VIX->Push("Function TTextTranslator.Tr");
  throw;
}

std::string TTextTranslator::Tr(const std::string& S, int ALanguage) const try {
  if (ALanguage == 1) return EnglishText(S);
  if (S.empty()) return {};
  std::string result = Trim(S);
  const int i = Dialogs.FindItemIndex(result);
  if (i != -1)
    result = Dialogs.GetTraduction(i);
  else if (!result.empty())  // blanks alone are no text
    FUnlisted.insert(result);
  // The outer blanks of S, one for one; a text of blanks only counts them once.
  const std::size_t leading = std::min(S.find_first_not_of(' '), S.size());
  const std::size_t last = S.find_last_not_of(' ');
  const std::size_t trailing = last == std::string::npos ? 0 : S.size() - 1 - last;
  return std::string(leading, ' ') + result + std::string(trailing, ' ');
} catch (...) {
  VIX->Push("Function TTextTranslator.Tr");
  throw;
}

std::string Trt(const std::string& S) try {
  if (Language == 1 || TextTranslator == nullptr) return EnglishText(S);
  return TextTranslator->Tr(S);
} catch (...) {
  VIX->Push("Function Trt");
  throw;
}

std::string TrtIn(int ALanguage, const std::string& S) try {
  if (ALanguage == 1 || TextTranslator == nullptr) return EnglishText(S);
  return TextTranslator->Tr(S, ALanguage);
} catch (...) {
  VIX->Push("Function TrtIn");
  throw;
}

std::string Int4(int N) try {
  std::string s = IntToStr(N);
  while (s.size() <= 3) s.insert(0, 1, '0');
  return s;
} catch (...) {
  VIX->Push("Function Int4");
  throw;
}
