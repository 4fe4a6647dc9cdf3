#include "FloatText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "FormatSettings.h"

namespace {

void StripTrailingZeros(DecimalDigits& d) {
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.exponent = 0;
}

// The digits of a finite, non-negative value: 18 significant digits (what
// an extended-precision conversion keeps), or every digit of a whole
// number too large to have a fraction.
DecimalDigits RawDigits(double value) {
  DecimalDigits d;
  d.negative = std::signbit(value);
  if (std::isnan(value)) {
    d.kind = DecimalDigits::Kind::NaN;
    return d;
  }
  if (std::isinf(value)) {
    d.kind = DecimalDigits::Kind::Inf;
    return d;
  }
  const double magnitude = std::fabs(value);
  if (magnitude == 0) {
    d.negative = false;
    return d;
  }
  char buf[400];
  if (magnitude >= 1e17) {
    // Above 2^53 every double is whole; glibc prints it exactly.
    const int n = std::snprintf(buf, sizeof buf, "%.0f", magnitude);
    d.digits.assign(buf, static_cast<std::size_t>(n));
    d.exponent = n;
  } else {
    std::snprintf(buf, sizeof buf, "%.17e", magnitude);
    // d.ddddddddddddddddde[+-]xx
    d.digits += buf[0];
    d.digits.append(buf + 2, 17);
    d.exponent = std::atoi(buf + 20) + 1;
  }
  StripTrailingZeros(d);
  return d;
}

// Keeps the first `keep` digits, rounding half away from zero.
void RoundKeep(DecimalDigits& d, int keep) {
  if (d.kind != DecimalDigits::Kind::Finite) return;
  if (keep >= static_cast<int>(d.digits.size())) return;
  if (keep < 0) {
    d.digits.clear();
  } else {
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
      while (!d.digits.empty() && d.digits.back() == '9') d.digits.pop_back();
      if (d.digits.empty()) {
        d.digits = "1";
        d.exponent += 1;
      } else {
        d.digits.back() += 1;
      }
    }
  }
  StripTrailingZeros(d);
  if (d.digits.empty()) d.negative = false;
}

std::string Fraction(const DecimalDigits& d, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) {
    const int index = d.exponent + i;
    out += (index >= 0 && index < static_cast<int>(d.digits.size())) ? d.digits[static_cast<std::size_t>(index)] : '0';
  }
  return out;
}

std::string ExponentText(int e, int minDigits, bool plus) {
  std::string digits = std::to_string(std::abs(e));
  if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
  return std::string("E") + (e < 0 ? "-" : (plus ? "+" : "")) + digits;
}

std::string Special(const DecimalDigits& d) {
  if (d.kind == DecimalDigits::Kind::NaN) return "NAN";
  return d.negative ? "-INF" : "INF";
}

// Windows' negative currency layouts 0..15; "1" stands for the number.
std::string NegativeCurrency(const std::string& number, const std::string& symbol, int code) {
  switch (code) {
    case 0: return "(" + symbol + number + ")";
    case 1: return "-" + symbol + number;
    case 2: return symbol + "-" + number;
    case 3: return symbol + number + "-";
    case 4: return "(" + number + symbol + ")";
    case 5: return "-" + number + symbol;
    case 6: return number + "-" + symbol;
    case 7: return number + symbol + "-";
    case 8: return "-" + number + " " + symbol;
    case 9: return "-" + symbol + " " + number;
    case 10: return number + " " + symbol + "-";
    case 11: return symbol + " " + number + "-";
    case 12: return symbol + " -" + number;
    case 13: return number + "- " + symbol;
    case 14: return "(" + symbol + " " + number + ")";
    case 15: return "(" + number + " " + symbol + ")";
    default: return "-" + symbol + number;
  }
}

std::string PositiveCurrency(const std::string& number, const std::string& symbol, int code) {
  switch (code) {
    case 1: return number + symbol;
    case 2: return symbol + " " + number;
    case 3: return number + " " + symbol;
    default: return symbol + number;
  }
}

}  // namespace

DecimalDigits FixedDigits(double value, int decimals) {
  DecimalDigits d = RawDigits(value);
  RoundKeep(d, d.exponent + decimals);
  return d;
}

DecimalDigits SignificantDigits(double value, int precision) {
  DecimalDigits d = RawDigits(value);
  RoundKeep(d, precision);
  return d;
}

std::string WholeDigits(const DecimalDigits& d, char separator) {
  if (d.exponent <= 0) return "0";
  std::string whole = d.digits.substr(0, static_cast<std::size_t>(d.exponent));
  whole.append(static_cast<std::size_t>(d.exponent) - whole.size(), '0');
  if (separator == '\0') return whole;
  std::string grouped;
  grouped.reserve(whole.size() + whole.size() / 3);
  for (std::size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) grouped += separator;
    grouped += whole[i];
  }
  return grouped;
}

std::string FloatToStrF(double value, FloatFormat format, int precision, int digits) {
  const char point = FormatSettings.DecimalSeparator;
  precision = std::clamp(precision, 1, 18);
  if (format == FloatFormat::General || format == FloatFormat::Exponent) {
    const DecimalDigits d = SignificantDigits(value, precision);
    if (d.kind != DecimalDigits::Kind::Finite) return Special(d);
    const std::string sign = d.negative ? "-" : "";
    digits = std::clamp(digits, 0, 4);
    if (format == FloatFormat::Exponent) {
      std::string mantissa = d.digits.empty() ? "0" : d.digits;
      mantissa.append(static_cast<std::size_t>(precision) - std::min<std::size_t>(mantissa.size(), precision), '0');
      std::string out = sign + mantissa.substr(0, 1);
      if (precision > 1) out += point + mantissa.substr(1);
      return out + ExponentText(d.IsZero() ? 0 : d.exponent - 1, digits, true);
    }
    if (d.IsZero()) return "0";
    if (d.exponent > precision || d.exponent < -3) {
      std::string out = sign + d.digits.substr(0, 1);
      if (d.digits.size() > 1) out += point + d.digits.substr(1);
      return out + ExponentText(d.exponent - 1, digits, false);
    }
    std::string out = sign + WholeDigits(d, '\0');
    const int fraction = static_cast<int>(d.digits.size()) - d.exponent;
    if (fraction > 0) out += point + Fraction(d, fraction);
    return out;
  }

  digits = std::clamp(digits, 0, 18);
  const DecimalDigits d = FixedDigits(value, digits);
  if (d.kind != DecimalDigits::Kind::Finite) return Special(d);
  const char separator = format == FloatFormat::Fixed ? '\0' : FormatSettings.ThousandSeparator;
  std::string number = WholeDigits(d, separator);
  if (digits > 0) number += point + Fraction(d, digits);
  if (format == FloatFormat::Currency) {
    const std::string& symbol = FormatSettings.CurrencyString;
    return d.negative ? NegativeCurrency(number, symbol, FormatSettings.NegCurrFormat)
                      : PositiveCurrency(number, symbol, FormatSettings.CurrencyFormat);
  }
  return (d.negative ? "-" : "") + number;
}
