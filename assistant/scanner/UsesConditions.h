// How the library unit reaches every configuration of a unit.
//
// A unit for several platforms often names its implementation units under
// conditional directives ({$IF DEFINED(X)} uses A; {$ELSEIF DEFINED(Y)} uses
// B; {$IFEND}, or {$IFDEF X} ... {$ELSE} ... {$ENDIF}). A secured unit must
// compile wherever the original did: the library unit goes into the clause of
// every branch, and the configurations that reach the section's code without
// a clause of their own get one that only they read:
//   {$IF NOT DECLARED(TLumbrick)}
//   Uses Lumbrick;
//   {$IFEND}
// where TLumbrick is declared exactly when a clause before it named the unit.
// Where the directives do not let that be done safely (a clause whose ";"
// stands under another condition than its "uses", the unit named under a
// condition, a branch of the section that reaches outside it), the unit is
// not given blocks, and says why.
#pragma once

#include <string>
#include <utility>
#include <vector>

struct TLibraryUnitPlan {
  // Why the unit cannot be given to every configuration (RefusalReasons.h);
  // nullptr when it can, or need not be.
  const char* Refusal = nullptr;
  // The unit is named for every configuration already (or is the library's
  // own unit): nothing to add.
  bool InUse = false;
  // The implementation section's uses clauses stand under conditional
  // directives: the insertions below give the unit to each configuration.
  // Otherwise the section's single clause receives it as it always did.
  bool Conditional = false;
  // Position (the text goes before the character there) and text, by
  // increasing position.
  std::vector<std::pair<int, std::string>> Insertions;
};
