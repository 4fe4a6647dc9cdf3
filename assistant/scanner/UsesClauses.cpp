// Uses clauses: finding them, listing their units, and adding the library's
// unit to the implementation clause.
#include <algorithm>

#include "Files.h"
#include "Lumbrick.h"
#include "RoutineEdit.h"
#include "SourceScanner.h"
#include "StringHelpers.h"
#include "SysUtils.h"
#include "Translator.h"
#include "UsesConditions.h"

namespace {

constexpr std::string_view LibraryUnit = "lumbrick";
constexpr std::string_view Implementation = "implementation";

}  // namespace

void TSourceScanner::GetUsesClause(int Which, int& UsesPos, int& EndPos) try {
  if (Which >= 2) {
    UsesPos = FindToken(Implementation, LeftDelimiters, 0, RightDelimiters);
    if (UsesPos != -1) UsesPos = FindToken("uses", LeftDelimiters, UsesPos, RightDelimiters);
  } else {
    UsesPos = FindToken("uses", LeftDelimiters, 0, RightDelimiters);
  }
  if (UsesPos == -1) return;
  EndPos = FindCharInCodeAfter(';', UsesPos);
  if (EndPos == -1) SetErrorMessage(3, Trt("Error in Unit Structure."), Trt("Invalid Uses Clause."));
} catch (...) {
  VIX->Push("Procedure TSourceScanner.GetUsesClause");
  throw;
}

std::vector<std::string> TSourceScanner::GetUsesClauseSources(int Which) try {
  std::vector<std::string> list;
  ErrorCode = 0;
  int usesPos = -1;
  int endPos = -1;
  GetUsesClause(Which, usesPos, endPos);
  if (usesPos == -1 || ErrorCode != 0) return list;
  ListClauseEntries(usesPos, endPos, list);
  return list;
} catch (...) {
  VIX->Push("Function TSourceScanner.GetUsesClauseSources");
  throw;
}

std::vector<std::string> TSourceScanner::GetEveryUsesClauseSources(int Which, std::vector<std::string>* Names) try {
  std::vector<std::string> list;
  ErrorCode = 0;
  // "uses" is a reserved word: wherever it stands in code, a clause begins,
  // whichever branch of the conditional directives holds it.
  const int implementation = FindToken(Implementation, LeftDelimiters, 0, RightDelimiters);
  if (Which >= 2 && implementation == -1) return list;
  const int from = Which >= 2 ? implementation : 0;
  const int limit = Which >= 2 || implementation == -1 ? Length() + 1 : implementation;
  for (int usesPos = FindTokenBefore("uses", LeftDelimiters, from, RightDelimiters, limit);
       usesPos != -1 && ErrorCode == 0;
       usesPos = FindTokenBefore("uses", LeftDelimiters, usesPos, RightDelimiters, limit)) {
    const int endPos = FindCharInCodeAfter(';', usesPos);
    if (endPos == -1) {
      SetErrorMessage(3, Trt("Error in Unit Structure."), Trt("Invalid Uses Clause."));
      break;
    }
    ListClauseEntries(usesPos, endPos, list, Names);
  }
  return list;
} catch (...) {
  VIX->Push("Function TSourceScanner.GetEveryUsesClauseSources");
  throw;
}

void TSourceScanner::ListClauseEntries(int UsesPos, int EndPos, std::vector<std::string>& List,
                                       std::vector<std::string>* Names) try {
  // The code from From to To as one name: comments out, blanks squeezed.
  const auto plain = [this](int From, int To) {
    try {
      std::string text = Trim(NoCommentCopy(From, To - From + 1));
      CleanCode(text);
      RemoveChars(text, ",;");
      return Trim(text);
    } catch (...) {
      VIX->Push("Function Plain");
      throw;
    }
  };
  int b = UsesPos + 4;  // right after "uses"
  do {
    // The entry runs to the next comma of the clause, or to its ";". Both
    // searches stop at the clause's end, so a long unit is not read to its
    // end once per entry.
    int c = FindCharInCodeAfter(',', b);
    if (c == -1 || c >= EndPos) c = EndPos;
    const int in = FindTokenBefore("in", LeftDelimiters, b, RightDelimiters, c);
    bool good = true;
    std::string entry;
    if (in != -1) {
      // Unit in 'path': the path as written.
      const int q1 = FindCharInCodeAfter('\'', in);
      const int q2 = q1 == -1 ? -1 : FindCharInCodeAfter('\'', q1);
      if (q1 != -1 && q2 != -1 && q2 < c)
        entry = NoCommentCopy(q1 + 1, q2 - q1 - 1);
      else
        good = false;
    } else {
      entry = plain(b, c);
    }
    if (good) {
      List.push_back(entry);
      if (Names) Names->push_back(in != -1 ? plain(b, in - 1) : entry);
    } else
      SetErrorMessage(3, Trt("Error in Unit Structure."), Trt("Invalid Uses Clause."));
    b = c;
  } while (b < EndPos && ErrorCode != 3);
} catch (...) {
  VIX->Push("Procedure TSourceScanner.ListClauseEntries");
  throw;
}

bool TSourceScanner::IsLibraryOwnUnit() const try {
  std::string unit = LowerCase(GetUnitName());
  const std::size_t dot = unit.find('.');
  if (dot != std::string::npos) unit.erase(dot);
  return unit == LibraryUnit;
} catch (...) {
  VIX->Push("Function TSourceScanner.IsLibraryOwnUnit");
  throw;
}

bool TSourceScanner::IsQuellumUnitInUse() try {
  // The library's own unit never refers to itself.
  if (IsLibraryOwnUnit()) return true;

  // A comma counts as a left delimiter here: a name written right after one
  // ("SysUtils,Lumbrick") is in use, and adding it again would not compile.
  const std::string left = std::string(LeftDelimiters) + ",";
  const std::string right = std::string(RightDelimiters) + ",";
  for (int which = 1; which <= 2; ++which) {
    int usesPos = -1;
    int endPos = -1;
    GetUsesClause(which, usesPos, endPos);
    if (usesPos == -1 || endPos <= usesPos) continue;
    const int p = FindTokenBefore(LibraryUnit, left, usesPos, right, endPos);
    if (p > usesPos && p < endPos) return true;
  }
  return false;
} catch (...) {
  VIX->Push("Function TSourceScanner.IsQuellumUnitInUse");
  throw;
}

void TSourceScanner::AddQuellumUnitInUse() try {
  const TLibraryUnitPlan plan = PlanLibraryUnit();
  if (plan.InUse || plan.Refusal != nullptr) return;
  if (plan.Conditional)
    InsertLibraryUnit(plan, Length() + 1);
  else
    AddPlainLibraryUnit();
} catch (...) {
  VIX->Push("Procedure TSourceScanner.AddQuellumUnitInUse");
  throw;
}

void TSourceScanner::AddPlainLibraryUnit() try {
  if (IsQuellumUnitInUse()) return;
  int usesPos = -1;
  int endPos = -1;
  GetUsesClause(2, usesPos, endPos);
  std::string added;
  int at = -1;
  if (usesPos != -1 && endPos != -1) {
    added = ", Lumbrick";  // right before the clause's ";"
    at = endPos;
  } else {
    // A new clause on its own line after the implementation keyword's line,
    // with an empty line before it: at the first line start where code is
    // read, past a comment that runs on from the keyword's line. Where code
    // comes before such a line, right after the keyword, since the clause
    // must open the section.
    const int implementation = FindToken(Implementation, LeftDelimiters, 1, RightDelimiters);
    if (implementation == -1) return;  // no implementation section to hold it
    const int keywordEnd = implementation + static_cast<int>(Implementation.size());
    const int line = FirstLineWhereCodeIsRead(*this, implementation, GetEndOfLine(implementation) + 1);
    const int code = FindFirstSignificantChar(keywordEnd);
    added = "\r\nUses Lumbrick;\r\n";
    at = line != -1 && (code == -1 || code >= line) ? line : keywordEnd;
  }
  InsertHeadText(at, added);
  FileState = 1;
} catch (...) {
  VIX->Push("Procedure TSourceScanner.AddPlainLibraryUnit");
  throw;
}

void TSourceScanner::InsertHeadText(int At, const std::string& Added) try {
  ReplaceText(At, 0, Added, ConvertIntoTextStatus(Added));
  // Only the keywords from the insertion point on move.
  const auto first = std::find_if(Keywords.begin(), Keywords.end(),
                                  [At](const std::unique_ptr<TKeywordInfo>& k) { return k->Position >= At; });
  AdaptNextRoutinesPos(static_cast<int>(first - Keywords.begin()), static_cast<int>(Added.size()));
} catch (...) {
  VIX->Push("Procedure TSourceScanner.InsertHeadText");
  throw;
}

int TSourceScanner::InsertLibraryUnit(const TLibraryUnitPlan& Plan, int Limit) try {
  int growth = 0;
  // From the last insertion back, so that the positions of the others hold.
  for (auto it = Plan.Insertions.rbegin(); it != Plan.Insertions.rend(); ++it) {
    const auto& [at, added] = *it;
    InsertHeadText(at, added);
    if (at <= Limit) growth += static_cast<int>(added.size());
  }
  if (!Plan.Insertions.empty()) FileState = 1;
  return growth;
} catch (...) {
  VIX->Push("Function TSourceScanner.InsertLibraryUnit");
  throw;
}

const char* TSourceScanner::LibraryUnitRefusal() try {
  if (!LibraryUnitPlanned) {
    const TLibraryUnitPlan plan = PlanLibraryUnit();
    FLibraryUnitRefusal = plan.Refusal;
    FConditionalUses = plan.Conditional;
    LibraryUnitPlanned = true;
  }
  return FLibraryUnitRefusal;
} catch (...) {
  VIX->Push("Function TSourceScanner.LibraryUnitRefusal");
  throw;
}
