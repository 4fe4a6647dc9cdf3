#include "ScannerInvariants.h"

#include <set>

#include "KeywordKinds.h"
#include "RefusalReasons.h"
#include "SourceScanner.h"
#include "SysUtils.h"

std::string BrokenInvariant(const TSourceScanner& S) {
  if (S.TextStatus.size() != S.Text.size()) return "Length(TextStatus) <> Length(Text)";
  std::set<const TKeywordInfo*> keywords;
  int previous = 0;
  for (const auto& k : S.Keywords) {
    keywords.insert(k.get());
    if (k->Position <= previous) return "keywords out of order at " + std::to_string(k->Position);
    previous = k->Position;
    const std::string text = k->GetKeyword();
    if (text.empty() || k->Position < 1 || k->Position + text.size() - 1 > S.Text.size() ||
        !SameText(S.Text.substr(k->Position - 1, text.size()), text))
      return "keyword " + text + " not at its position " + std::to_string(k->Position);
    if (!S.CharIsCode(k->Position)) return "keyword " + text + " not in code at " + std::to_string(k->Position);
  }
  for (const TRoutineInfo* r : S.Routines)
    if (keywords.count(r) == 0) return "a routine is not among the keywords";
  for (const auto& k : S.Keywords) {
    if (IsRoutineKind(k->Keyword)) {
      const auto& r = static_cast<const TRoutineInfo&>(*k);
      if ((r.kiBegin && keywords.count(r.kiBegin) == 0) || (r.kiEnd && keywords.count(r.kiEnd) == 0))
        return "a routine links outside the list";
    }
    if (IsClauseKind(k->Keyword)) {
      const auto& c = static_cast<const TExceptClauseInfo&>(*k);
      if (c.kiEnd && keywords.count(c.kiEnd) == 0) return "a clause links outside the list";
    }
  }
  // Refusals name routines in order, with one of the fixed reasons.
  const std::set<std::string> reasons(AllRefusalReasons.begin(), AllRefusalReasons.end());
  if (!S.LastRefusal.empty() && reasons.count(S.LastRefusal) == 0) return "an unknown refusal: " + S.LastRefusal;
  int last = -1;
  for (const TRefusedEdit& e : S.RefusedEdits) {
    if (e.RoutineIndex <= last || e.RoutineIndex >= static_cast<int>(S.Routines.size()))
      return "a refused routine out of order or range: " + std::to_string(e.RoutineIndex);
    if (reasons.count(e.Reason) == 0) return "an unknown refusal: " + e.Reason;
    last = e.RoutineIndex;
  }
  return {};
}
