// Regional settings from the host's POSIX locale.
//
// The locale is loaded with newlocale and read with nl_langinfo_l, so the
// process's C library stays in the "C" locale. Each group of fields keeps
// the US English values when its category is "C"/"POSIX" (or the locale
// cannot be loaded):
//   LC_NUMERIC  DecimalSeparator = RADIXCHAR, ThousandSeparator = THOUSEP
//               (a narrow or thin no-break space becomes the no-break space
//               A0), ListSeparator = ";" when the decimal separator is a
//               comma, else "," (POSIX has no list separator).
//   LC_MONETARY CurrencyString = CURRENCY_SYMBOL, CurrencyDecimals =
//               FRAC_DIGITS, CurrencyFormat from P_CS_PRECEDES and
//               P_SEP_BY_SPACE, NegCurrFormat (Windows codes 0..15) from
//               N_CS_PRECEDES, N_SEP_BY_SPACE and N_SIGN_POSN.
//   LC_TIME     ShortDateFormat = D_FMT, LongTimeFormat = T_FMT (T_FMT_AMPM
//               when T_FMT is empty), ShortTimeFormat = LongTimeFormat
//               without its seconds, LongDateFormat = the date part of
//               D_T_FMT with day and month names spelt out; all converted to
//               FormatDateTime codes (minutes as "nn"). DateSeparator and
//               TimeSeparator are the first separators of ShortDateFormat and
//               LongTimeFormat. TimeAMString/TimePMString = AM_STR/PM_STR;
//               month and day names = ABMON_n, MON_n, ABDAY_n, DAY_n.
// Texts are converted from the locale's code set (UTF-8, or Latin-1 taken
// as it is) to Windows-1252. Eras are not read: EraNames stay empty and
// EraYearOffsets 0. TwoDigitYearCenturyWindow is the run-time library's 50.
// SysLocale maps the LC_TIME locale's language and territory to a Windows
// locale identifier (HostLocale.cpp).
#include "FormatSettings.h"

#include <langinfo.h>
#include <locale.h>

#include <cctype>
#include <climits>
#include <cstring>

#include "Codepage.h"
#include "HostLocale.h"

namespace {

class PosixLocale {
 public:
  explicit PosixLocale(const char* name) : locale_(newlocale(LC_ALL_MASK, name, static_cast<locale_t>(nullptr))) {}
  ~PosixLocale() {
    if (locale_) freelocale(locale_);
  }
  PosixLocale(const PosixLocale&) = delete;
  PosixLocale& operator=(const PosixLocale&) = delete;

  bool Loaded() const { return locale_ != static_cast<locale_t>(nullptr); }
  const char* Raw(nl_item item) const { return nl_langinfo_l(item, locale_); }

  std::string CategoryName(int category) const { return Raw(_NL_LOCALE_NAME(category)); }

  bool IsPlainC(int category) const {
    const std::string name = CategoryName(category);
    return name.empty() || name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0;
  }

  // A text item in Windows-1252.
  std::string Text(nl_item item) const { return Ansi(Raw(item)); }
  std::string Ansi(const std::string& raw) const { return utf8_ ? Utf8ToAnsi(raw) : raw; }

  // A one-byte numeric item; -1 when the locale leaves it unspecified.
  int Flag(nl_item item) const {
    const char* v = Raw(item);
    const int value = v ? static_cast<signed char>(v[0]) : -1;
    return value == CHAR_MAX ? -1 : value;
  }

  void SetUtf8ForCategory(int category) {
    std::string name = CategoryName(category);
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    utf8_ = name.find("utf-8") != std::string::npos || name.find("utf8") != std::string::npos ||
            std::strcmp(Raw(CODESET), "UTF-8") == 0;
  }

 private:
  locale_t locale_;
  bool utf8_ = true;
};

// A separator as one Windows-1252 byte.
char SeparatorChar(const PosixLocale& loc, nl_item item, char fallback) {
  const std::string raw = loc.Raw(item);
  // U+202F narrow and U+2009 thin no-break spaces have no Windows-1252 byte.
  if (raw.rfind("\xE2\x80\xAF", 0) == 0 || raw.rfind("\xE2\x80\x89", 0) == 0) return '\xA0';
  const std::string text = loc.Text(item);
  return text.empty() ? fallback : text[0];
}

int CurrencyLayout(bool precedes, bool space) {
  if (precedes) return space ? 2 : 0;
  return space ? 3 : 1;
}

int NegativeCurrencyLayout(bool precedes, bool space, int signPosition) {
  if (signPosition == 0) return precedes ? (space ? 14 : 0) : (space ? 15 : 4);
  // Sign before everything (1), after everything (2), right before the
  // symbol (3), right after it (4).
  static constexpr int kPrecedes[2][5] = {{0, 1, 3, 1, 2}, {0, 9, 11, 9, 12}};
  static constexpr int kFollows[2][5] = {{0, 5, 7, 6, 7}, {0, 8, 10, 13, 10}};
  const int posn = signPosition < 1 || signPosition > 4 ? 1 : signPosition;
  return precedes ? kPrecedes[space][posn] : kFollows[space][posn];
}

bool IsSeparator(char c) { return std::ispunct(static_cast<unsigned char>(c)) && c != '"' && c != '\''; }

// The first separator between the codes of a format, outside quotes.
char FirstSeparator(const std::string& format, char fallback) {
  char quote = 0;
  for (char c : format) {
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (IsSeparator(c)) {
      return c;
    }
  }
  return fallback;
}

// A time format without its seconds and the separator before them.
std::string WithoutSeconds(const std::string& format) {
  char quote = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == 's' || c == 'S') {
      std::size_t end = i;
      while (end < format.size() && (format[end] == 's' || format[end] == 'S')) ++end;
      std::size_t start = i;
      while (start > 0 && IsSeparator(format[start - 1])) --start;
      return format.substr(0, start) + format.substr(end);
    }
  }
  return format;
}

}  // namespace

TFormatSettings FormatSettings = HostFormatSettings();
TSysLocale SysLocale = HostSysLocale();

TFormatSettings UsEnglishFormatSettings() {
  TFormatSettings fs;
  fs.CurrencyString = "$";
  fs.CurrencyFormat = 0;
  fs.NegCurrFormat = 0;
  fs.ThousandSeparator = ',';
  fs.DecimalSeparator = '.';
  fs.CurrencyDecimals = 2;
  fs.DateSeparator = '/';
  fs.ShortDateFormat = "M/d/yyyy";
  fs.LongDateFormat = "dddd, MMMM dd, yyyy";
  fs.TimeSeparator = ':';
  fs.TimeAMString = "AM";
  fs.TimePMString = "PM";
  fs.ShortTimeFormat = "h:mm AMPM";
  fs.LongTimeFormat = "h:mm:ss AMPM";
  fs.ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  fs.LongMonthNames = {"January", "February", "March", "April", "May", "June",
                       "July", "August", "September", "October", "November", "December"};
  fs.ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  fs.LongDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  fs.EraNames = {};
  fs.EraYearOffsets = {};
  fs.TwoDigitYearCenturyWindow = 50;
  fs.ListSeparator = ',';
  return fs;
}

TFormatSettings FormatSettingsForLocale(const char* localeName) {
  TFormatSettings fs = UsEnglishFormatSettings();
  PosixLocale loc(localeName);
  if (!loc.Loaded()) return fs;

  if (!loc.IsPlainC(LC_NUMERIC)) {
    loc.SetUtf8ForCategory(LC_NUMERIC);
    fs.DecimalSeparator = SeparatorChar(loc, RADIXCHAR, '.');
    fs.ThousandSeparator = SeparatorChar(loc, THOUSEP, fs.DecimalSeparator == ',' ? '.' : ',');
    fs.ListSeparator = fs.DecimalSeparator == ',' ? ';' : ',';
  }

  if (!loc.IsPlainC(LC_MONETARY)) {
    loc.SetUtf8ForCategory(LC_MONETARY);
    fs.CurrencyString = loc.Text(CURRENCY_SYMBOL);
    const int decimals = loc.Flag(FRAC_DIGITS);
    if (decimals >= 0 && decimals <= 9) fs.CurrencyDecimals = decimals;
    const int pPrecedes = loc.Flag(P_CS_PRECEDES);
    const int pSpace = loc.Flag(P_SEP_BY_SPACE);
    const bool precedes = pPrecedes != 0;
    const bool space = pSpace == 1;
    fs.CurrencyFormat = CurrencyLayout(precedes, space);
    const int nPrecedes = loc.Flag(N_CS_PRECEDES);
    const int nSpace = loc.Flag(N_SEP_BY_SPACE);
    fs.NegCurrFormat = NegativeCurrencyLayout(nPrecedes < 0 ? precedes : nPrecedes != 0,
                                              nSpace < 0 ? space : nSpace == 1, loc.Flag(N_SIGN_POSN));
  }

  if (!loc.IsPlainC(LC_TIME)) {
    loc.SetUtf8ForCategory(LC_TIME);
    StrftimeExpansions expansions;
    expansions.r = loc.Raw(T_FMT_AMPM);
    expansions.x = loc.Raw(D_FMT);
    expansions.X = loc.Raw(T_FMT);
    if (expansions.X.empty()) expansions.X = expansions.r;
    if (expansions.r.empty()) expansions.r = expansions.X;
    const auto delphi = [&](const std::string& posix) { return loc.Ansi(StrftimeToDelphiFormat(posix, expansions)); };
    fs.ShortDateFormat = delphi(expansions.x);
    fs.LongTimeFormat = delphi(expansions.X);
    fs.ShortTimeFormat = WithoutSeconds(fs.LongTimeFormat);
    const std::string longDate = StrftimeDatePart(loc.Raw(D_T_FMT));
    fs.LongDateFormat = longDate.empty() ? fs.ShortDateFormat : delphi(longDate);
    fs.DateSeparator = FirstSeparator(fs.ShortDateFormat, '/');
    fs.TimeSeparator = FirstSeparator(fs.LongTimeFormat, ':');
    fs.TimeAMString = loc.Text(AM_STR);
    fs.TimePMString = loc.Text(PM_STR);
    for (int i = 0; i < 12; ++i) {
      fs.ShortMonthNames[static_cast<std::size_t>(i)] = loc.Text(static_cast<nl_item>(ABMON_1 + i));
      fs.LongMonthNames[static_cast<std::size_t>(i)] = loc.Text(static_cast<nl_item>(MON_1 + i));
    }
    for (int i = 0; i < 7; ++i) {
      fs.ShortDayNames[static_cast<std::size_t>(i)] = loc.Text(static_cast<nl_item>(ABDAY_1 + i));
      fs.LongDayNames[static_cast<std::size_t>(i)] = loc.Text(static_cast<nl_item>(DAY_1 + i));
    }
  }
  return fs;
}

TFormatSettings HostFormatSettings() { return FormatSettingsForLocale(""); }

TSysLocale HostSysLocale() {
  PosixLocale loc("");
  return SysLocaleForName(loc.Loaded() ? loc.CategoryName(LC_TIME) : std::string("C"));
}
