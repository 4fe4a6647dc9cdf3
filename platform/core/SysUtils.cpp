#include "SysUtils.h"

#include <cerrno>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <cstdlib>
#include <limits>

#include "FloatText.h"
#include "FormatSettings.h"

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The run-time library's Val for integers: leading blanks, a sign, then
// decimal digits, or hexadecimal ones after "$", "x" or "0x". Nothing may
// follow. Decimal values must fit the signed range; hexadecimal ones may use
// every bit (as two's complement) of the `bits`-bit result (32 or 64).
bool ParseInteger(std::string_view s, int bits, std::int64_t& result) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  bool hex = false;
  if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= s.size()) return false;
  const std::uint64_t bitsMax = bits == 64 ? std::numeric_limits<std::uint64_t>::max() : (std::uint64_t{1} << bits) - 1;
  std::uint64_t value = 0;
  if (hex) {
    for (; i < s.size(); ++i) {
      const int h = HexValue(s[i]);
      if (h < 0 || value > (bitsMax >> 4)) return false;
      value = (value << 4) | static_cast<unsigned>(h);
    }
    // The bit pattern, negated when a sign asks for it, read as a signed
    // number of the result's width.
    const std::uint64_t pattern = negative ? 0 - value : value;
    result = bits == 64 ? static_cast<std::int64_t>(pattern)
                        : static_cast<std::int32_t>(static_cast<std::uint32_t>(pattern));
    return true;
  }
  const std::uint64_t limit = (std::uint64_t{1} << (bits - 1)) - (negative ? 0 : 1);
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    const unsigned digit = static_cast<unsigned>(s[i] - '0');
    if (value > (limit - digit) / 10) return false;
    value = value * 10 + digit;
  }
  result = negative ? static_cast<std::int64_t>(0 - value) : static_cast<std::int64_t>(value);
  return true;
}

[[noreturn]] void InvalidInteger(std::string_view s, const std::source_location& where) {
  throw EConvertError("'" + std::string(s) + "' is not a valid integer value", RaiseAddress::At(where));
}

bool ParseFloat(std::string_view s, double& value) {
  const char point = FormatSettings.DecimalSeparator;
  std::size_t i = 0;
  const auto blanks = [&] {
    while (i < s.size() && s[i] == ' ') ++i;
  };
  const auto digitsRun = [&] {
    const std::size_t start = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
    return i - start;
  };
  blanks();
  std::string text;  // the number rewritten with a '.' point
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) text += s[i++];
  std::size_t start = i;
  std::size_t count = digitsRun();
  text.append(s.substr(start, i - start));
  if (i < s.size() && s[i] == point) {
    ++i;
    text += '.';
    start = i;
    const std::size_t fraction = digitsRun();
    text.append(s.substr(start, i - start));
    count += fraction;
  }
  if (count == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    text += s[i++];
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) text += s[i++];
    start = i;
    if (digitsRun() == 0) return false;
    text.append(s.substr(start, i - start));
  }
  blanks();
  if (i != s.size()) return false;
  // The C library stays in the "C" locale, so strtod reads '.' as the point.
  errno = 0;
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (errno == ERANGE && std::isinf(v)) return false;
  value = v;
  return true;
}

char UpperAnsi(char c) {
  const auto b = static_cast<unsigned char>(c);
  if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) return static_cast<char>(b - 0x20);
  switch (b) {
    case 0x9A: return static_cast<char>(0x8A);  // š
    case 0x9C: return static_cast<char>(0x8C);  // œ
    case 0x9E: return static_cast<char>(0x8E);  // ž
    case 0xFF: return static_cast<char>(0x9F);  // ÿ
    default: return c;
  }
}

char LowerAnsi(char c) {
  const auto b = static_cast<unsigned char>(c);
  if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) return static_cast<char>(b + 0x20);
  switch (b) {
    case 0x8A: return static_cast<char>(0x9A);
    case 0x8C: return static_cast<char>(0x9C);
    case 0x8E: return static_cast<char>(0x9E);
    case 0x9F: return static_cast<char>(0xFF);
    default: return c;
  }
}

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 0x20) : c; }
char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 0x20) : c; }

template <typename F>
std::string Mapped(std::string_view s, F f) {
  std::string out(s);
  for (char& c : out) c = f(c);
  return out;
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

std::string IntToHex(std::uint64_t value, int digits) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  do {
    out.insert(out.begin(), kHex[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  if (static_cast<int>(out.size()) < digits) out.insert(0, static_cast<std::size_t>(digits) - out.size(), '0');
  return out;
}

int StrToInt(std::string_view s, std::source_location where) {
  std::int64_t v = 0;
  if (!ParseInteger(s, 32, v)) InvalidInteger(s, where);
  return static_cast<int>(v);
}

std::int64_t StrToInt64(std::string_view s, std::source_location where) {
  std::int64_t v = 0;
  if (!ParseInteger(s, 64, v)) InvalidInteger(s, where);
  return v;
}

int StrToIntDef(std::string_view s, int defaultValue) {
  int v = 0;
  return TryStrToInt(s, v) ? v : defaultValue;
}

bool TryStrToInt(std::string_view s, int& value) {
  std::int64_t v = 0;
  if (!ParseInteger(s, 32, v)) return false;
  value = static_cast<int>(v);
  return true;
}

double StrToFloat(std::string_view s, std::source_location where) {
  double v = 0;
  if (!ParseFloat(s, v))
    throw EConvertError("'" + std::string(s) + "' is not a valid floating point value", RaiseAddress::At(where));
  return v;
}

bool TryStrToFloat(std::string_view s, double& value) { return ParseFloat(s, value); }

std::string FloatToStr(double value) { return FloatToStrF(value, FloatFormat::General, 15, 0); }

std::string Trim(std::string_view s) { return TrimRight(TrimLeft(s)); }

std::string TrimLeft(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  return std::string(s.substr(i));
}

std::string TrimRight(std::string_view s) {
  std::size_t n = s.size();
  while (n > 0 && IsBlank(s[n - 1])) --n;
  return std::string(s.substr(0, n));
}

std::string UpperCase(std::string_view s) { return Mapped(s, UpperAscii); }
std::string LowerCase(std::string_view s) { return Mapped(s, LowerAscii); }
std::string AnsiUpperCase(std::string_view s) { return Mapped(s, UpperAnsi); }
std::string AnsiLowerCase(std::string_view s) { return Mapped(s, LowerAnsi); }

bool SameText(std::string_view a, std::string_view b) { return CompareText(a, b) == 0; }

int CompareText(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int ca = static_cast<unsigned char>(UpperAscii(a[i]));
    const int cb = static_cast<unsigned char>(UpperAscii(b[i]));
    if (ca != cb) return ca - cb;
  }
  return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

std::string StringOfChar(char c, int count) { return count > 0 ? std::string(static_cast<std::size_t>(count), c) : std::string(); }

bool IsValidIdent(std::string_view s) {
  const auto alpha = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  if (s.empty() || !alpha(s.front())) return false;
  for (char c : s.substr(1))
    if (!alpha(c) && !(c >= '0' && c <= '9')) return false;
  return true;
}

std::string SysErrorMessage(int code) {
  // The locale-independent text: the programs speak English or French, never
  // the host's language.
  if (const char* text = ::strerrordesc_np(code)) return text;
  return "Unknown error " + IntToStr(code);
}
