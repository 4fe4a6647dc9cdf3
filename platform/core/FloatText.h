// Decimal digits of floating-point values and the run-time library's float
// formats, shared by FloatToStr, Format and FormatFloat.
#pragma once

#include <string>

// A value as 0.d1d2d3... x 10^exponent. Rounding is decimal and half away
// from zero on up to 18 significant digits, as the run-time library rounds;
// whole numbers beyond 10^17 keep all their digits, so byte counts up to
// 2^64 print exactly.
struct DecimalDigits {
  enum class Kind { Finite, NaN, Inf };
  Kind kind = Kind::Finite;
  bool negative = false;
  std::string digits;  // no leading or trailing zeros; empty for zero
  int exponent = 0;
  bool IsZero() const { return kind == Kind::Finite && digits.empty(); }
};

// Rounded to `decimals` digits after the point.
DecimalDigits FixedDigits(double value, int decimals);
// Rounded to `precision` significant digits.
DecimalDigits SignificantDigits(double value, int precision);

enum class FloatFormat { General, Exponent, Fixed, Number, Currency };

// FloatToStrF: General takes precision significant digits and at least
// `digits` exponent digits; Exponent likewise with a signed exponent; Fixed,
// Number and Currency take `digits` decimals. Separators and the currency
// layout come from FormatSettings.
std::string FloatToStrF(double value, FloatFormat format, int precision, int digits);

// Digits of the whole part (at least "0"), grouped with `separator` when it
// is not NUL.
std::string WholeDigits(const DecimalDigits& d, char separator);
