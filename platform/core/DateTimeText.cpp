// Date-times as text: FormatDateTime and its default forms, and the parser
// of the default form, both following the regional settings.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "DateTime.h"
#include "FormatSettings.h"

namespace {

bool StartsWithNoCase(std::string_view s, std::size_t pos, std::string_view word) {
  if (pos + word.size() > s.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    char a = s[pos + i], b = word[i];
    if (a >= 'a' && a <= 'z') a = static_cast<char>(a - 0x20);
    if (b >= 'a' && b <= 'z') b = static_cast<char>(b - 0x20);
    if (a != b) return false;
  }
  return true;
}

class DateTimeFormatter {
 public:
  explicit DateTimeFormatter(TDateTime dt) : dt_(dt) {
    DecodeDate(dt, year_, month_, day_);
    DecodeTime(dt, hour_, min_, sec_, msec_);
  }

  // Nested formats (ddddd, dddddd, c, t, tt) expand one level deep only, so
  // a format that names itself cannot recurse.
  void Append(std::string_view fmt) {
    if (level_ >= 2) return;
    ++level_;
    char lastToken = ' ';
    bool use12Hour = false;
    std::size_t i = 0;
    const auto count = [&](char starter) {
      int n = 1;
      while (i < fmt.size() && fmt[i] == starter) ++i, ++n;
      return n;
    };
    while (i < fmt.size()) {
      const char starter = fmt[i++];
      char token = (starter >= 'a' && starter <= 'z') ? static_cast<char>(starter - 0x20) : starter;
      if (token >= 'A' && token <= 'Z') {
        // "m" right after an hour is the minute.
        if (token == 'M' && lastToken == 'H') token = 'N';
        lastToken = token;
      }
      switch (token) {
        case 'Y':
          if (count(starter) <= 2)
            Number(year_ % 100, 2);
          else
            Number(year_, 4);
          break;
        case 'M': {
          const int n = count(starter);
          if (n <= 2)
            Number(month_, n);
          else if (month_ >= 1)
            out_ += n == 3 ? FormatSettings.ShortMonthNames[static_cast<std::size_t>(month_ - 1)]
                           : FormatSettings.LongMonthNames[static_cast<std::size_t>(month_ - 1)];
          break;
        }
        case 'D': {
          const int n = count(starter);
          const auto dow = static_cast<std::size_t>(DayOfWeek(dt_) - 1);
          if (n <= 2)
            Number(day_, n);
          else if (n == 3)
            out_ += FormatSettings.ShortDayNames[dow];
          else if (n == 4)
            out_ += FormatSettings.LongDayNames[dow];
          else if (n == 5)
            Append(FormatSettings.ShortDateFormat);
          else
            Append(FormatSettings.LongDateFormat);
          break;
        }
        case 'H': {
          const int n = count(starter);
          use12Hour = use12Hour || AmPmFollows(fmt, i);
          int h = hour_;
          if (use12Hour) h = h == 0 ? 12 : (h > 12 ? h - 12 : h);
          Number(h, std::min(n, 2));
          break;
        }
        case 'N':
          Number(min_, std::min(count(starter), 2));
          break;
        case 'S':
          Number(sec_, std::min(count(starter), 2));
          break;
        case 'Z':
          Number(msec_, std::min(count(starter), 3));
          break;
        case 'T':
          Append(count(starter) == 1 ? FormatSettings.ShortTimeFormat : FormatSettings.LongTimeFormat);
          break;
        case 'C':
          count(starter);
          Append(FormatSettings.ShortDateFormat);
          if (hour_ != 0 || min_ != 0 || sec_ != 0) {
            out_ += ' ';
            Append(FormatSettings.LongTimeFormat);
          }
          break;
        case 'A': {
          const std::size_t at = i - 1;
          if (StartsWithNoCase(fmt, at, "AM/PM")) {
            out_ += fmt.substr(hour_ >= 12 ? at + 3 : at, 2);
            i = at + 5;
            use12Hour = true;
          } else if (StartsWithNoCase(fmt, at, "A/P")) {
            out_ += fmt.substr(hour_ >= 12 ? at + 2 : at, 1);
            i = at + 3;
            use12Hour = true;
          } else if (StartsWithNoCase(fmt, at, "AMPM")) {
            out_ += hour_ < 12 ? FormatSettings.TimeAMString : FormatSettings.TimePMString;
            i = at + 4;
            use12Hour = true;
          } else if (StartsWithNoCase(fmt, at, "AAAA")) {
            out_ += FormatSettings.LongDayNames[static_cast<std::size_t>(DayOfWeek(dt_) - 1)];
            i = at + 4;
          } else if (StartsWithNoCase(fmt, at, "AAA")) {
            out_ += FormatSettings.ShortDayNames[static_cast<std::size_t>(DayOfWeek(dt_) - 1)];
            i = at + 3;
          } else {
            out_ += starter;
          }
          break;
        }
        case '/':
          if (FormatSettings.DateSeparator != '\0') out_ += FormatSettings.DateSeparator;
          break;
        case ':':
          if (FormatSettings.TimeSeparator != '\0') out_ += FormatSettings.TimeSeparator;
          break;
        case '"':
        case '\'': {
          const std::size_t end = fmt.find(starter, i);
          out_ += fmt.substr(i, (end == std::string_view::npos ? fmt.size() : end) - i);
          i = end == std::string_view::npos ? fmt.size() : end + 1;
          break;
        }
        default:
          out_ += starter;
      }
    }
    --level_;
  }

  std::string Take() { return std::move(out_); }

 private:
  // Whether an am/pm marker comes before the next hour code: the hour is
  // then shown on the 12-hour clock.
  static bool AmPmFollows(std::string_view fmt, std::size_t from) {
    bool quoted = false;
    for (std::size_t p = from; p < fmt.size(); ++p) {
      const char c = fmt[p];
      if (c == '"' || c == '\'') {
        quoted = !quoted;
      } else if (!quoted && (c == 'a' || c == 'A')) {
        return StartsWithNoCase(fmt, p, "AM/PM") || StartsWithNoCase(fmt, p, "A/P") || StartsWithNoCase(fmt, p, "AMPM");
      } else if (!quoted && (c == 'h' || c == 'H')) {
        return false;
      }
    }
    return false;
  }

  void Number(int value, int digits) {
    std::string s = std::to_string(value);
    if (static_cast<int>(s.size()) < digits) s.insert(0, static_cast<std::size_t>(digits) - s.size(), '0');
    out_ += s;
  }

  TDateTime dt_;
  int year_ = 0, month_ = 0, day_ = 0;
  int hour_ = 0, min_ = 0, sec_ = 0, msec_ = 0;
  int level_ = 0;
  std::string out_;
};

// The parser of the default form: numbers may be preceded by blanks, the
// date's order comes from the short date format.
class DateTimeScanner {
 public:
  explicit DateTimeScanner(std::string_view s) : s_(s) {}

  bool DateTime(TDateTime& value) {
    TDateTime date = 0;
    TDateTime time = 0;
    if (Date(date) && (AtEnd() || Time(time)) && AtEnd()) {
      value = ComposeDateTime(date, time);
      return true;
    }
    pos_ = 0;
    if (Time(time) && AtEnd()) {
      value = time;
      return true;
    }
    return false;
  }

 private:
  enum class Order { MDY, DMY, YMD };

  static Order DateOrder(std::string_view fmt) {
    for (char c : fmt) {
      switch (c & 0xDF) {
        case 'E':
        case 'Y': return Order::YMD;
        case 'M': return Order::MDY;
        case 'D': return Order::DMY;
        default: break;
      }
    }
    return Order::MDY;
  }

  bool AtEnd() const { return pos_ >= s_.size(); }

  void Blanks() {
    while (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
  }

  bool Number(int& n, int& length) {
    Blanks();
    std::size_t i = pos_;
    int v = 0;
    while (i < s_.size() && s_[i] >= '0' && s_[i] <= '9' && v < 1000) v = v * 10 + (s_[i++] - '0');
    if (i == pos_) return false;
    length = static_cast<int>(i - pos_);
    pos_ = i;
    n = v;
    return true;
  }

  bool Char(char c) {
    Blanks();
    if (pos_ < s_.size() && s_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }

  bool Word(std::string_view word) {
    if (word.empty()) return false;
    Blanks();
    if (!StartsWithNoCase(s_, pos_, word)) return false;
    pos_ += word.size();
    return true;
  }

  bool Date(TDateTime& date) {
    const TFormatSettings& fs = FormatSettings;
    const Order order = DateOrder(fs.ShortDateFormat);
    int n1 = 0, n2 = 0, n3 = 0, l1 = 0, l2 = 0, l3 = 0;
    if (!(Number(n1, l1) && Char(fs.DateSeparator) && Number(n2, l2))) return false;
    int y = 0, m = 0, d = 0;
    int currentYear = 0, unused = 0;
    DecodeDate(::Now(), currentYear, unused, unused);
    if (Char(fs.DateSeparator)) {
      if (!Number(n3, l3)) return false;
      int yearLength = l3;
      switch (order) {
        case Order::MDY: y = n3, m = n1, d = n2; break;
        case Order::DMY: y = n3, m = n2, d = n1; break;
        case Order::YMD: y = n1, m = n2, d = n3, yearLength = l1; break;
      }
      if (yearLength <= 2) {
        // Two-digit years fall in the window that ends this many years
        // after the current one.
        const int centuryBase = currentYear - fs.TwoDigitYearCenturyWindow;
        y += centuryBase / 100 * 100;
        if (fs.TwoDigitYearCenturyWindow > 0 && y < centuryBase) y += 100;
      }
    } else {
      y = currentYear;
      if (order == Order::DMY)
        d = n1, m = n2;
      else
        m = n1, d = n2;
    }
    Char(fs.DateSeparator);
    Blanks();
    try {
      date = EncodeDate(y, m, d);
    } catch (const EConvertError&) {
      return false;
    }
    return true;
  }

  bool Time(TDateTime& time) {
    const TFormatSettings& fs = FormatSettings;
    int baseHour = -1;
    const auto marker = [&] {
      if (Word(fs.TimeAMString) || Word("AM"))
        baseHour = 0;
      else if (Word(fs.TimePMString) || Word("PM"))
        baseHour = 12;
    };
    marker();
    int hour = 0, min = 0, sec = 0, msec = 0, length = 0;
    if (!Number(hour, length)) return false;
    if (Char(fs.TimeSeparator) && !Number(min, length)) return false;
    if (Char(fs.TimeSeparator) && !Number(sec, length)) return false;
    if (Char(fs.DecimalSeparator) && !Number(msec, length)) return false;
    if (baseHour < 0) marker();
    if (baseHour >= 0) {
      if (hour == 0 || hour > 12) return false;
      hour = (hour == 12 ? 0 : hour) + baseHour;
    }
    Blanks();
    try {
      time = EncodeTime(hour, min, sec, msec);
    } catch (const EConvertError&) {
      return false;
    }
    return true;
  }

  std::string_view s_;
  std::size_t pos_ = 0;
};

}  // namespace

std::string FormatDateTime(std::string_view fmt, TDateTime dt) {
  DateTimeFormatter f(dt);
  f.Append(fmt.empty() ? std::string_view("c") : fmt);
  return f.Take();
}

// The run-time library's default form ("c"): at exact midnight the blank and
// the time are left out.
std::string DateTimeToStr(TDateTime dt) { return FormatDateTime("c", dt); }
std::string DateToStr(TDateTime dt) { return FormatDateTime("ddddd", dt); }
std::string TimeToStr(TDateTime dt) { return FormatDateTime("tt", dt); }

bool TryStrToDateTime(std::string_view s, TDateTime& value) { return DateTimeScanner(s).DateTime(value); }

TDateTime StrToDateTime(std::string_view s, std::source_location where) {
  TDateTime value = 0;
  if (!TryStrToDateTime(s, value))
    throw EConvertError("'" + std::string(s) + "' is not a valid date and time", RaiseAddress::At(where));
  return value;
}
