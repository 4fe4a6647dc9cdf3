#include "ScannerInvariants.h"

#include <set>

#include "KeywordKinds.h"
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
  return {};
}
