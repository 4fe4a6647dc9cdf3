// Format, as the run-time library's: %[index:][-][width][.prec]type.
#include <cstdint>
#include <limits>

#include "FloatText.h"
#include "FormatSettings.h"
#include "SysUtils.h"

namespace {

class Formatter {
 public:
  Formatter(std::string_view fmt, std::initializer_list<FormatArg> args, const std::source_location& where)
      : fmt_(fmt), args_(args), where_(where) {}

  std::string Run() {
    while (pos_ < fmt_.size()) {
      const char c = fmt_[pos_++];
      if (c != '%') {
        out_ += c;
        continue;
      }
      if (pos_ >= fmt_.size()) Fail();
      if (fmt_[pos_] == '%') {
        out_ += '%';
        ++pos_;
        continue;
      }
      Specifier();
    }
    return std::move(out_);
  }

 private:
  [[noreturn]] void Fail() const {
    throw EConvertError("Format '" + std::string(fmt_) + "' invalid or incompatible with argument", RaiseAddress::At(where_));
  }

  const FormatArg& NextArg() {
    if (next_ >= args_.size()) Fail();
    return args_.begin()[next_++];
  }

  static bool IsInteger(const FormatArg& a) { return a.kind() == FormatArg::Kind::Int || a.kind() == FormatArg::Kind::UInt; }

  // Digits, or "*" for a number taken from the arguments. False when neither.
  bool Number(int& value) {
    if (pos_ < fmt_.size() && fmt_[pos_] == '*') {
      ++pos_;
      const FormatArg& a = NextArg();
      if (!IsInteger(a)) Fail();
      value = static_cast<int>(a.AsInt());
      return true;
    }
    if (pos_ >= fmt_.size() || fmt_[pos_] < '0' || fmt_[pos_] > '9') return false;
    long long v = 0;
    while (pos_ < fmt_.size() && fmt_[pos_] >= '0' && fmt_[pos_] <= '9') {
      if (v < std::numeric_limits<int>::max() / 10) v = v * 10 + (fmt_[pos_] - '0');
      ++pos_;
    }
    value = static_cast<int>(v);
    return true;
  }

  bool Peek(char c) const { return pos_ < fmt_.size() && fmt_[pos_] == c; }

  void Specifier() {
    int width = -1;
    int precision = -1;
    bool left = false;
    int n = 0;
    bool haveWidth = false;
    if (Number(n)) {
      if (Peek(':')) {
        ++pos_;
        if (n < 0) Fail();
        next_ = static_cast<std::size_t>(n);
      } else {
        width = n;
        haveWidth = true;
      }
    }
    if (!haveWidth) {
      if (Peek('-')) {
        left = true;
        ++pos_;
      }
      Number(width);
    }
    if (Peek('.')) {
      ++pos_;
      if (!Number(precision)) precision = 0;
    }
    if (pos_ >= fmt_.size()) Fail();
    char type = fmt_[pos_++];
    if (type >= 'a' && type <= 'z') type = static_cast<char>(type - 0x20);
    std::string text = Convert(type, NextArg(), precision);
    if (width > 0 && static_cast<int>(text.size()) < width) {
      const std::string pad(static_cast<std::size_t>(width) - text.size(), ' ');
      text = left ? text + pad : pad + text;
    }
    out_ += text;
  }

  static std::string ZeroPadded(std::string digits, int precision, bool negative) {
    if (precision > 0 && static_cast<int>(digits.size()) < precision)
      digits.insert(0, static_cast<std::size_t>(precision) - digits.size(), '0');
    return negative ? "-" + digits : digits;
  }

  // A negative integer shows its bit pattern: 32 bits when it fits an
  // Integer, as the run-time library's Integer arguments do, else 64.
  static std::uint64_t Pattern(const FormatArg& a) {
    if (a.kind() == FormatArg::Kind::UInt) return a.AsUInt();
    const std::int64_t v = a.AsInt();
    if (v < 0 && v >= std::numeric_limits<std::int32_t>::min()) return static_cast<std::uint32_t>(static_cast<std::int32_t>(v));
    return static_cast<std::uint64_t>(v);
  }

  std::string Convert(char type, const FormatArg& a, int precision) {
    switch (type) {
      case 'D':
        if (!IsInteger(a)) Fail();
        if (a.kind() == FormatArg::Kind::UInt) return ZeroPadded(std::to_string(a.AsUInt()), precision, false);
        {
          const std::int64_t v = a.AsInt();
          const std::uint64_t magnitude = v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
          return ZeroPadded(std::to_string(magnitude), precision, v < 0);
        }
      case 'U':
        if (!IsInteger(a)) Fail();
        return ZeroPadded(std::to_string(Pattern(a)), precision, false);
      case 'X':
        if (!IsInteger(a)) Fail();
        return IntToHex(Pattern(a), precision);
      case 'P':
        if (!IsInteger(a)) Fail();
        return IntToHex(a.AsUInt(), static_cast<int>(2 * sizeof(void*)));
      case 'S':
        if (a.kind() != FormatArg::Kind::Text) Fail();
        if (precision >= 0 && static_cast<std::size_t>(precision) < a.AsText().size())
          return std::string(a.AsText().substr(0, static_cast<std::size_t>(precision)));
        return std::string(a.AsText());
      case 'E':
      case 'F':
      case 'G':
      case 'N':
      case 'M':
        if (a.kind() != FormatArg::Kind::Float) Fail();
        return FloatText(type, a.AsFloat(), precision);
      default:
        Fail();
    }
  }

  static std::string FloatText(char type, double v, int precision) {
    switch (type) {
      case 'E': return FloatToStrF(v, FloatFormat::Exponent, precision < 0 ? 15 : precision, 3);
      case 'F': return FloatToStrF(v, FloatFormat::Fixed, 18, precision < 0 ? 2 : precision);
      case 'G': return FloatToStrF(v, FloatFormat::General, precision < 0 ? 15 : precision, 0);
      case 'N': return FloatToStrF(v, FloatFormat::Number, 18, precision < 0 ? 2 : precision);
      default:
        return FloatToStrF(v, FloatFormat::Currency, 18, precision < 0 ? FormatSettings.CurrencyDecimals : precision);
    }
  }

  std::string_view fmt_;
  std::initializer_list<FormatArg> args_;
  const std::source_location& where_;
  std::size_t pos_ = 0;
  std::size_t next_ = 0;
  std::string out_;
};

}  // namespace

std::string Format(std::string_view fmt, std::initializer_list<FormatArg> args, std::source_location where) {
  return Formatter(fmt, args, where).Run();
}
