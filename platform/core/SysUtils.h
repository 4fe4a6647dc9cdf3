// Conversions, Format and string helpers of the run-time library. Texts are
// Windows-1252 bytes; case mapping is ASCII unless a name says Ansi.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "Exceptions.h"

// One argument of Format: integers, floating point numbers and texts.
class FormatArg {
 public:
  enum class Kind { Int, UInt, Float, Text };
  FormatArg(int v) : kind_(Kind::Int), i_(v) {}
  FormatArg(long v) : kind_(Kind::Int), i_(v) {}
  FormatArg(long long v) : kind_(Kind::Int), i_(v) {}
  FormatArg(unsigned v) : kind_(Kind::UInt), u_(v) {}
  FormatArg(unsigned long v) : kind_(Kind::UInt), u_(v) {}
  FormatArg(unsigned long long v) : kind_(Kind::UInt), u_(v) {}
  FormatArg(double v) : kind_(Kind::Float), f_(v) {}
  FormatArg(const char* v) : kind_(Kind::Text), s_(v) {}
  FormatArg(const std::string& v) : kind_(Kind::Text), s_(v) {}
  FormatArg(std::string_view v) : kind_(Kind::Text), s_(v) {}
  Kind kind() const { return kind_; }
  std::int64_t AsInt() const { return kind_ == Kind::UInt ? static_cast<std::int64_t>(u_) : i_; }
  std::uint64_t AsUInt() const { return kind_ == Kind::Int ? static_cast<std::uint64_t>(i_) : u_; }
  double AsFloat() const { return f_; }
  std::string_view AsText() const { return s_; }

 private:
  Kind kind_;
  std::int64_t i_ = 0;
  std::uint64_t u_ = 0;
  double f_ = 0;
  std::string_view s_;
};

// Delphi-style Format: %[index:][-][width][.prec]type with types d u e f g n m
// p s x and %%. A mismatch raises EConvertError
// "Format '<fmt>' invalid or incompatible with argument".
std::string Format(std::string_view fmt, std::initializer_list<FormatArg> args, HOST_RAISE_SITE);

// FormatFloat patterns: 0 # . , E+ E- ; sections, quoted literals.
// FormatFloat("0,", 1234567) gives "1,234,567" with the host's separators.
// Rounding is half away from zero; whole numbers print every digit, so byte
// counts stay exact.
std::string FormatFloat(std::string_view fmt, double value);

std::string IntToStr(std::int64_t value);
std::string IntToHex(std::uint64_t value, int digits);
// Decimal, or hexadecimal after "$", "x" or "0x", with an optional sign;
// leading blanks are skipped and anything after the digits is refused, as
// the run-time library's Val does. Hexadecimal fills every bit ("$FFFFFFFF"
// is -1). EConvertError "'<s>' is not a valid integer value".
int StrToInt(std::string_view s, HOST_RAISE_SITE);
std::int64_t StrToInt64(std::string_view s, HOST_RAISE_SITE);
int StrToIntDef(std::string_view s, int defaultValue);
bool TryStrToInt(std::string_view s, int& value);
// With FormatSettings.DecimalSeparator, an optional exponent, blanks around
// allowed. EConvertError "'<s>' is not a valid floating point value".
double StrToFloat(std::string_view s, HOST_RAISE_SITE);
bool TryStrToFloat(std::string_view s, double& value);
// Up to 15 significant digits, general form, FormatSettings.DecimalSeparator.
std::string FloatToStr(double value);

std::string Trim(std::string_view s);  // strips bytes <= ' ' at both ends
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);
std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
std::string AnsiUpperCase(std::string_view s);  // Windows-1252 letters too
std::string AnsiLowerCase(std::string_view s);
bool SameText(std::string_view a, std::string_view b);  // ASCII, no case
int CompareText(std::string_view a, std::string_view b);
std::string StringOfChar(char c, int count);
// A Pascal identifier: an ASCII letter or "_" first, then letters, digits or
// "_"; the empty text is none.
bool IsValidIdent(std::string_view s);
// The system's English text for an error code (errno), as the run-time
// library's SysErrorMessage gives the platform's own.
std::string SysErrorMessage(int code);
