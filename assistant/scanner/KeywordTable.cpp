#include "KeywordTable.h"

#include "KeywordInfo.h"
#include "Lumbrick.h"
#include "SysUtils.h"

namespace {

bool IsOneOf(std::string_view Text, std::initializer_list<TKeywordKind> Kinds) {
  for (TKeywordKind k : Kinds)
    if (SameText(Text, KeywordTable[k])) return true;
  return false;
}

}  // namespace

bool TokenIsBegin(std::string_view Text) try {
  return IsOneOf(Text, {kwBegin, kwCase, kwTry, kwAsm});
} catch (...) {
  VIX->Push("Function TokenIsBegin");
  throw;
}

bool TokenIsExceptClause(std::string_view Text) try {
  return IsOneOf(Text, {kwFinally, kwExcept});
} catch (...) {
  VIX->Push("Function TokenIsExceptClause");
  throw;
}

bool TokenIsRoutine(std::string_view Text) try {
  return IsOneOf(Text, {kwProcedure, kwFunction, kwConstructor, kwDestructor});
} catch (...) {
  VIX->Push("Function TokenIsRoutine");
  throw;
}

int SortKeywordsByPosition(const TKeywordInfo& A, const TKeywordInfo& B) try {
  if (A.Position < B.Position) return -1;
  return A.Position > B.Position ? 1 : 0;
} catch (...) {
  VIX->Push("Function SortKeywordsByPosition");
  throw;
}
