// The keyword groups of KeywordTable.h by kind, for the passes over the
// keyword list (the text classifiers there take table texts).
#pragma once

#include "KeywordTable.h"

constexpr bool IsRoutineKind(int Kind) noexcept {  // procedure, function, constructor, destructor
  return Kind >= kwProcedure && Kind <= kwDestructor;
}
constexpr bool IsOpeningKind(int Kind) noexcept {  // begin, case, try, asm
  return Kind >= kwBegin && Kind <= kwAsm;
}
constexpr bool IsClauseKind(int Kind) noexcept {  // except, finally
  return Kind == kwExcept || Kind == kwFinally;
}
