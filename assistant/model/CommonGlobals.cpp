#include "CommonGlobals.h"

#include "Files.h"
#include "Lumbrick.h"

std::string ExeDir;
// Days from 1899-12-30 to 2000-01-01, plus one second, until InitCommonGlobals.
TDateTime NullDate = 36526.0 + 1.0 / 86400.0;
bool DebugMode = false;

void InitCommonGlobals() try {
  NullDate = EncodeDate(2000, 1, 1) + EncodeTime(0, 0, 1, 0);
  DebugMode = false;
} catch (...) {
  VIX->Push("Procedure InitCommonGlobals");
  throw;
}

std::string ExeDirOf(const std::string& ExeName) try {
  return ExtractFilePath(ExeName);
} catch (...) {
  VIX->Push("Function ExeDirOf");
  throw;
}
