#include "FreshScan.h"

#include <map>
#include <sstream>

#include "KeywordKinds.h"

std::unique_ptr<TSourceScanner> ScanText(const std::string& Text, const std::string& FileName) {
  auto s = std::make_unique<TSourceScanner>(FileName);
  s->Text = Text;
  s->TextStatus = s->ConvertIntoTextStatus(Text);
  s->SetTextAfterEndStatus();
  s->FillKeyWordsList();
  return s;
}

namespace {

std::map<const TKeywordInfo*, int> Indices(const TSourceScanner& S) {
  std::map<const TKeywordInfo*, int> m;
  for (std::size_t i = 0; i < S.Keywords.size(); ++i) m[S.Keywords[i].get()] = static_cast<int>(i);
  return m;
}

int IndexOf(const std::map<const TKeywordInfo*, int>& M, const TKeywordInfo* K) {
  if (K == nullptr) return -1;
  const auto it = M.find(K);
  return it == M.end() ? -2 : it->second;
}

}  // namespace

std::string CompareWithFreshScan(const TSourceScanner& Edited) {
  if (Edited.TextStatus.size() != Edited.Text.size()) return "status and text lengths differ";
  const auto fresh = ScanText(Edited.Text, Edited.FileName);
  if (fresh->ErrorCode != 0) return "the edited text no longer scans: " + fresh->GetErrorMessage();
  return CompareLists(Edited, *fresh, false);
}

std::string CompareLists(const TSourceScanner& Edited, const TSourceScanner& Other, bool WithStates) {
  std::ostringstream out;
  if (Other.Text != Edited.Text) return "texts differ";
  if (Other.TextStatus != Edited.TextStatus) {
    std::size_t i = 0;
    while (Other.TextStatus[i] == Edited.TextStatus[i]) ++i;
    out << "status differs at " << i + 1 << ": other '" << Other.TextStatus[i] << "', kept '" << Edited.TextStatus[i]
        << "'";
    return out.str();
  }
  const TSourceScanner* fresh = &Other;
  if (fresh->Keywords.size() != Edited.Keywords.size()) {
    out << "keyword count " << Edited.Keywords.size() << ", fresh " << fresh->Keywords.size();
    return out.str();
  }
  if (fresh->Routines.size() != Edited.Routines.size()) return "routine counts differ";
  const auto mine = Indices(Edited);
  const auto theirs = Indices(*fresh);
  for (std::size_t i = 0; i < Edited.Keywords.size(); ++i) {
    const TKeywordInfo& a = *Edited.Keywords[i];
    const TKeywordInfo& b = *fresh->Keywords[i];
    out << "keyword " << i << " (" << b.GetKeyword() << " at " << b.Position << "): ";
    if (a.Position != b.Position || a.Keyword != b.Keyword || a.Level != b.Level) {
      out << "kept " << a.GetKeyword() << " at " << a.Position << " level " << a.Level << ", fresh level " << b.Level;
      return out.str();
    }
    if (IsRoutineKind(a.Keyword)) {
      const auto& ra = static_cast<const TRoutineInfo&>(a);
      const auto& rb = static_cast<const TRoutineInfo&>(b);
      if (IndexOf(mine, ra.kiBegin) != IndexOf(theirs, rb.kiBegin) || IndexOf(mine, ra.kiEnd) != IndexOf(theirs, rb.kiEnd))
        return out.str() + "routine links differ";
      if (ra.CodeState != rb.CodeState) {
        out << "code state " << ra.CodeState << ", fresh " << rb.CodeState;
        return out.str();
      }
      if (ra.Header != rb.Header) return out.str() + "headers differ";
      if (WithStates && ra.State != rb.State) return out.str() + "modification states differ";
    }
    if (IsClauseKind(a.Keyword)) {
      const auto& ca = static_cast<const TExceptClauseInfo&>(a);
      const auto& cb = static_cast<const TExceptClauseInfo&>(b);
      if (IndexOf(mine, ca.kiEnd) != IndexOf(theirs, cb.kiEnd)) return out.str() + "clause links differ";
      // A rating is only comparable where both lists rated the clause.
      if ((WithStates || (ca.CodeState != -1 && cb.CodeState != -1)) && ca.CodeState != cb.CodeState) {
        out << "clause state " << ca.CodeState << ", fresh " << cb.CodeState;
        return out.str();
      }
    }
    out.str("");
  }
  for (std::size_t i = 0; i < Edited.Routines.size(); ++i)
    if (IndexOf(mine, Edited.Routines[i]) != IndexOf(theirs, fresh->Routines[i])) return "routine lists differ";
  return {};
}
