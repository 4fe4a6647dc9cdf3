#include "FloatMath.h"

#include <cmath>

namespace {
[[noreturn]] void InvalidOp(const std::source_location& where) {
  throw EInvalidOp("Invalid floating point operation", RaiseAddress::At(where));
}
}  // namespace

double Sqrt(double x, std::source_location where) {
  if (std::isnan(x) || x < 0) InvalidOp(where);
  return std::sqrt(x);
}

double Cos(double x, std::source_location where) {
  if (!std::isfinite(x)) InvalidOp(where);
  return std::cos(x);
}
