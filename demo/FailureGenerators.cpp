// The three failure generators of the demonstrations.
#include "DromletMain.h"
#include "Lumbrick.h"
#include "StringList.h"
#include "SysUtils.h"

TForm* fmNeverCreated = nullptr;

// A real read through the never-created form: the host turns the fault into
// EAccessViolation, raised inside ShowModal.
void CreateAccessViolation() try {
  fmNeverCreated->ShowModal();
} catch (...) {
  VIX->Push("procedure CreateAccessViolation");
  throw;
}

int CreateConvertError() try {
  return StrToInt("ZERO");
} catch (...) {
  VIX->Push("Function CreateConvertError");
  throw;
}

std::string CreateStringListError() try {
  const TStringList List;
  return List.Strings(2);
} catch (...) {
  VIX->Push("Function CreateStringListError");
  throw;
}
