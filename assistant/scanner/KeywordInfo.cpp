#include "KeywordInfo.h"

#include "Lumbrick.h"

TKeywordInfo::TKeywordInfo(int APosition, int AKeyword) try : Position(APosition), Keyword(AKeyword) {
} catch (...) {
  VIX->Push("Constructor TKeywordInfo.Create");
  throw;
}

std::string TKeywordInfo::GetKeyword() const try {
  if (Keyword < 0 || Keyword >= static_cast<int>(KeywordTable.size())) return {};
  return std::string(KeywordTable[Keyword]);
} catch (...) {
  VIX->Push("Function TKeywordInfo.GetKeyword");
  throw;
}

std::string TKeywordInfo::Indent() const try {
  std::string s;
  for (int i = 1; i < Level; ++i) s += "    ";
  return s;
} catch (...) {
  VIX->Push("Function TKeywordInfo.Indent");
  throw;
}

std::string TKeywordInfo::GetText() const try {
  return Indent() + GetKeyword() + "  (" + std::to_string(Position) + ", " + std::to_string(Keyword) + ")";
} catch (...) {
  VIX->Push("Function TKeywordInfo.GetText");
  throw;
}
