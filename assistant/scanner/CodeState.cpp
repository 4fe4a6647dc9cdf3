// The code state of a routine: whether its body holds the protective block
// with the routine text the code options give now, another one, none, or the
// ignore marker.
#include "KeywordKinds.h"
#include "Lumbrick.h"
#include "SourceScanner.h"
#include "SysUtils.h"

void TSourceScanner::CheckRoutineCodeState(int KeywordIndex) try {
  if (KeywordIndex >= 0 && KeywordIndex < static_cast<int>(Keywords.size()) &&
      IsRoutineKind(Keywords[KeywordIndex]->Keyword)) {
    auto& routine = static_cast<TRoutineInfo&>(*Keywords[KeywordIndex]);
    // Left set when the rating fails, so that the bug report names the place.
    VIX->DebugMsg = routine.kiEnd ? Format("RI.kiEnd.Position=%d", {routine.kiEnd->Position}) : "RI.kiEnd = Nil";
    routine.CodeState = 1;
    if (GetRoutineIgnoreCodePos(&routine) != -1) {
      routine.CodeState = 4;  // the marker wins over any block
      routine.State = 4;
    } else {
      const int clause = GetRoutineClauseIdx(IndexOfRoutine(&routine));
      if (clause != -1) routine.CodeState = static_cast<const TExceptClauseInfo&>(*Keywords[clause]).CodeState;
    }
  }
  VIX->DebugMsg.clear();
} catch (...) {
  VIX->Push("Procedure TSourceScanner.CheckRoutineCodeState");
  throw;
}

// Only the clauses of the routine's own body are walked: those of nested
// routines lie before its begin.
int TSourceScanner::GetRoutineClauseIdx(int RoutineIndex) try {
  if (RoutineIndex < 0 || RoutineIndex >= static_cast<int>(Routines.size())) return -1;
  const TRoutineInfo& routine = *Routines[RoutineIndex];
  if (routine.kiBegin == nullptr || routine.kiEnd == nullptr) return -1;
  const std::string expected = routine.BuildExceptBloc(GetUnitName(), "");
  int result = -1;
  for (int i = FirstKeywordAfter(routine.kiBegin->Position);
       i != -1 && i < static_cast<int>(Keywords.size()) && Keywords[i]->Position < routine.kiEnd->Position; ++i) {
    if (!IsClauseKind(Keywords[i]->Keyword)) continue;
    auto& clause = static_cast<TExceptClauseInfo&>(*Keywords[i]);
    clause.SetCodeState(Text, expected, clause.kiEnd ? clause.kiEnd->Position : clause.Position);
    if (clause.CodeState == 3) result = i;  // a later one may still be correct
    if (clause.CodeState == 2) return i;
  }
  return result;
} catch (...) {
  VIX->Push("Function TSourceScanner.GetRoutineClauseIdx");
  throw;
}
