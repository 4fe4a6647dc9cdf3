// Lookups in the keyword list shared by the code changes and the scanner
// window. The list is sorted by position, so lookups by position are
// binary searches.
#include <algorithm>

#include "KeywordKinds.h"
#include "Lumbrick.h"
#include "SourceScanner.h"
#include "StringHelpers.h"

namespace {

constexpr std::string_view IgnoreMarkerSought = "{corvane.ignoreroutine}";

}  // namespace

int TSourceScanner::FirstKeywordAfter(int Position) const try {
  const auto it = std::upper_bound(Keywords.begin(), Keywords.end(), Position,
                                   [](int p, const std::unique_ptr<TKeywordInfo>& k) { return p < k->Position; });
  return it == Keywords.end() ? -1 : static_cast<int>(it - Keywords.begin());
} catch (...) {
  VIX->Push("Function TSourceScanner.FirstKeywordAfter");
  throw;
}

int TSourceScanner::IndexOfKeyword(const TKeywordInfo* K) const try {
  if (K == nullptr) return -1;
  auto it = std::lower_bound(Keywords.begin(), Keywords.end(), K->Position,
                             [](const std::unique_ptr<TKeywordInfo>& k, int p) { return k->Position < p; });
  for (; it != Keywords.end() && (*it)->Position == K->Position; ++it)
    if (it->get() == K) return static_cast<int>(it - Keywords.begin());
  // Not where its position says: the list is being repaired.
  for (std::size_t i = 0; i < Keywords.size(); ++i)
    if (Keywords[i].get() == K) return static_cast<int>(i);
  return -1;
} catch (...) {
  VIX->Push("Function TSourceScanner.IndexOfKeyword");
  throw;
}

int TSourceScanner::IndexOfRoutine(const TRoutineInfo* R) const try {
  if (R == nullptr) return -1;
  if (FWindow) return RoutineIndexInScan(R);
  auto it = std::lower_bound(Routines.begin(), Routines.end(), R->Position,
                             [](const TRoutineInfo* r, int p) { return r->Position < p; });
  for (; it != Routines.end() && (*it)->Position == R->Position; ++it)
    if (*it == R) return static_cast<int>(it - Routines.begin());
  const auto found = std::find(Routines.begin(), Routines.end(), R);
  return found == Routines.end() ? -1 : static_cast<int>(found - Routines.begin());
} catch (...) {
  VIX->Push("Function TSourceScanner.IndexOfRoutine");
  throw;
}

int TSourceScanner::GetTryClauseIdx(int ClauseIndex) const try {
  if (ClauseIndex < 0 || ClauseIndex >= static_cast<int>(Keywords.size()) ||
      !IsClauseKind(Keywords[ClauseIndex]->Keyword))
    return -1;
  const int level = Keywords[ClauseIndex]->Level;
  for (int i = ClauseIndex - 1; i >= 0; --i)
    if (Keywords[i]->Keyword == kwTry && Keywords[i]->Level == level) return i;
  return -1;
} catch (...) {
  VIX->Push("Function TSourceScanner.GetTryClauseIdx");
  throw;
}

int TSourceScanner::GetKeywordAfterEnd(const TRoutineInfo* Routine) const try {
  if (Routine == nullptr || Routine->kiEnd == nullptr) return -1;
  return FirstKeywordAfter(Routine->kiEnd->Position);
} catch (...) {
  VIX->Push("Function TSourceScanner.GetKeywordAfterEnd");
  throw;
}

void TSourceScanner::GetRoutineCode(const TRoutineInfo* Routine, std::string& Code) const try {
  Code.clear();
  if (Routine == nullptr || Routine->kiEnd == nullptr || Routine->Position < 1) return;
  const int semi = FindCharInCodeAfter(';', Routine->kiEnd->Position);
  if (semi == -1 || semi < Routine->Position) return;
  Code = Text.substr(Routine->Position - 1, semi - Routine->Position + 1);
} catch (...) {
  VIX->Push("Procedure TSourceScanner.GetRoutineCode");
  throw;
}

// The search stops at the routine's end instead of running on to the end of
// the text: the scan rates every routine.
int TSourceScanner::GetRoutineIgnoreCodePos(const TRoutineInfo* Routine) const try {
  if (Routine == nullptr || Routine->kiBegin == nullptr || Routine->kiEnd == nullptr) return -1;
  const int start = Routine->kiBegin->Position;
  const int end = Routine->kiEnd->Position;
  if (start < 0 || end <= start) return -1;
  // A marker must start before the end: the text is cut where such a one ends.
  const std::size_t cut = std::min(Text.size(), static_cast<std::size_t>(end) - 1 + IgnoreMarkerSought.size() - 1);
  return PosBetween(IgnoreMarkerSought, std::string_view(Text).substr(0, cut), start, end);
} catch (...) {
  VIX->Push("Function TSourceScanner.GetRoutineIgnoreCodePos");
  throw;
}
