#include "ScannerFixture.h"

#include <algorithm>

#include "Translator.h"

ScannerTest::ScannerTest() : savedOptions(CodeOptions), savedLanguage(Language) {
  VIX = new TLumbrick(&app);  // owned by app
  CodeOptions = TCodeOptions();
  Language = 1;
}

ScannerTest::~ScannerTest() {
  VIX = nullptr;
  CodeOptions = savedOptions;
  Language = savedLanguage;
}

TSourceScanner& ScannerTest::Load(const std::string& Text, const std::string& Name) {
  scanner = std::make_unique<TSourceScanner>(dir.Write(Name, Text));
  EXPECT_TRUE(scanner->LoadSourceFile());
  return *scanner;
}

TRoutineInfo& ScannerTest::AddRoutine(TSourceScanner& S, int Procedure, int Begin, int End) {
  auto routine = std::make_unique<TRoutineInfo>(Procedure, kwProcedure);
  auto begin = std::make_unique<TKeywordInfo>(Begin, kwBegin);
  auto end = std::make_unique<TKeywordInfo>(End, kwEnd);
  routine->kiBegin = begin.get();
  routine->kiEnd = end.get();
  TRoutineInfo& r = *routine;
  S.Routines.push_back(routine.get());
  S.Keywords.push_back(std::move(routine));
  S.Keywords.push_back(std::move(begin));
  S.Keywords.push_back(std::move(end));
  std::stable_sort(S.Keywords.begin(), S.Keywords.end(),
                   [](const auto& a, const auto& b) { return SortKeywordsByPosition(*a, *b) < 0; });
  std::stable_sort(S.Routines.begin(), S.Routines.end(),
                   [](const auto* a, const auto* b) { return SortKeywordsByPosition(*a, *b) < 0; });
  return r;
}

int ScannerTest::Pos(const TSourceScanner& S, const std::string& Sub, int Occurrence) {
  std::size_t p = std::string::npos;
  for (int i = 0; i < Occurrence; ++i) {
    p = S.Text.find(Sub, p == std::string::npos ? 0 : p + 1);
    if (p == std::string::npos) return -1;
  }
  return static_cast<int>(p) + 1;
}
