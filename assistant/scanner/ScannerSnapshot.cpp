#include "ScannerSnapshot.h"

#include "Exceptions.h"
#include "KeywordKinds.h"
#include "Lumbrick.h"
#include "SourceScanner.h"

TScannerSnapshot::TScannerSnapshot(const TSourceScanner& S) try
    : Text(S.Text), TextStatus(S.TextStatus), FileState(S.FileState) {
  Keywords.reserve(S.Keywords.size());
  for (const auto& k : S.Keywords) {
    TKeptKeyword kept{k.get(), k->Position, k->Level, -1, -1};
    if (IsRoutineKind(k->Keyword)) {
      const auto& routine = static_cast<const TRoutineInfo&>(*k);
      kept.State = routine.State;
      kept.CodeState = routine.CodeState;
    } else if (IsClauseKind(k->Keyword)) {
      kept.CodeState = static_cast<const TExceptClauseInfo&>(*k).CodeState;
    }
    Keywords.push_back(kept);
  }
} catch (...) {
  VIX->Push("Constructor TScannerSnapshot.Create");
  throw;
}

void TScannerSnapshot::Restore(TSourceScanner& S) const try {
  bool same = S.Keywords.size() == Keywords.size();
  for (std::size_t i = 0; same && i < Keywords.size(); ++i) same = S.Keywords[i].get() == Keywords[i].Keyword;
  if (!same) throw Exception("The keyword list no longer holds the keywords it held");
  S.Text = Text;
  S.TextStatus = TextStatus;
  S.FileState = FileState;
  for (const TKeptKeyword& kept : Keywords) {
    TKeywordInfo& k = *kept.Keyword;
    k.Position = kept.Position;
    k.Level = kept.Level;
    if (IsRoutineKind(k.Keyword)) {
      auto& routine = static_cast<TRoutineInfo&>(k);
      routine.State = kept.State;
      routine.CodeState = kept.CodeState;
    } else if (IsClauseKind(k.Keyword)) {
      static_cast<TExceptClauseInfo&>(k).CodeState = kept.CodeState;
    }
  }
} catch (...) {
  VIX->Push("Procedure TScannerSnapshot.Restore");
  throw;
}
