#include "KeywordInfo.h"
#include "Lumbrick.h"
#include "StringHelpers.h"
#include "SysUtils.h"

TExceptClauseInfo::TExceptClauseInfo(int APosition, int AKeyword) try : TKeywordInfo(APosition, AKeyword) {
} catch (...) {
  VIX->Push("Constructor TExceptClauseInfo.Create");
  throw;
}

// The clause must read, whatever its layout and letter case: "except", the
// call of Push on the code options' variable with the routine text in quotes,
// "raise;" and nothing else before its end.
void TExceptClauseInfo::SetCodeState(const std::string& AText, const std::string& Expected, int EndPosition) try {
  const int from = Position < 1 ? 1 : Position;
  const int count = EndPosition - from;
  const std::string clause =
      count > 0 && from <= static_cast<int>(AText.size()) ? AText.substr(from - 1, count) : std::string();

  std::string A = LowerCase(clause);
  CleanCode(A);
  std::string B = clause;
  CleanCode(B);
  std::string C = LowerCase(Expected);
  CleanCode(C);
  if (C.size() >= 5) C.erase(C.size() - 5, 4);  // "...');raise;end;" ends in "');raise;"

  // Up to the opening quote: "except <variable>.push('".
  std::size_t p = A.find('\'');
  std::size_t q = C.find('\'');
  if (p == std::string::npos || p != q || A.compare(0, p + 1, C, 0, p + 1) != 0) {
    CodeState = 0;
    return;
  }
  A.erase(0, p + 1);
  B.erase(0, p + 1);
  C.erase(0, q + 1);

  // The routine text, then exactly "');raise;".
  p = A.find('\'');
  q = C.find('\'');
  if (p == std::string::npos || q == std::string::npos) {
    CodeState = 0;
    return;
  }
  std::string D = C.substr(0, q);
  A.erase(0, p + 1);
  C.erase(0, q + 1);
  if (A != ");raise;" || A != C) {
    CodeState = 0;
    return;
  }

  const std::size_t r = LowerCase(B).find("');raise;");
  if (r != std::string::npos) B.erase(r, 9);
  CleanCode(B);
  CleanCode(D);
  CodeState = SameText(B, D) ? 2 : 3;
} catch (...) {
  VIX->Push("Procedure TExceptClauseInfo.SetCodeState");
  throw;
}

std::string TExceptClauseInfo::GetText() const try {
  std::string s = Indent() + GetKeyword() + " (" + std::to_string(Position) + ") {CodeState=" + std::to_string(CodeState);
  return s + (kiEnd ? " End=" + std::to_string(kiEnd->Position) + "}" : std::string(" kiEnd=Nil}"));
} catch (...) {
  VIX->Push("Function TExceptClauseInfo.GetText");
  throw;
}
