#include "TextChecks.h"

#include "DateTime.h"
#include "Lumbrick.h"
#include "SysUtils.h"

bool IsDate(const std::string& S) try {
  TDateTime value;
  return TryStrToDateTime(S, value);
} catch (...) {
  VIX->Push("Function IsDate");
  throw;
}

bool IsInt(const std::string& S) try {
  int value;
  return TryStrToInt(S, value);
} catch (...) {
  VIX->Push("Function IsInt");
  throw;
}
