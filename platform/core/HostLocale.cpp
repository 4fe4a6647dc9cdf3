#include "HostLocale.h"

#include <vector>

namespace {

// One piece of a strftime format: a conversion ("%d", with any flags) or a
// run of literal bytes.
struct Piece {
  bool conversion = false;
  char letter = 0;  // the conversion letter
  std::string text;
};

std::vector<Piece> Pieces(std::string_view f) {
  std::vector<Piece> pieces;
  for (std::size_t i = 0; i < f.size(); ++i) {
    if (f[i] == '%' && i + 1 < f.size()) {
      std::size_t j = i + 1;
      while (j < f.size() && std::string_view("-_0^#").find(f[j]) != std::string_view::npos) ++j;
      while (j < f.size() && f[j] >= '0' && f[j] <= '9') ++j;
      if (j < f.size() && (f[j] == 'E' || f[j] == 'O')) ++j;
      if (j >= f.size()) break;
      pieces.push_back({true, f[j], std::string(f.substr(i, j + 1 - i))});
      i = j;
    } else {
      if (pieces.empty() || pieces.back().conversion) pieces.push_back({});
      pieces.back().text += f[i];
    }
  }
  return pieces;
}

bool IsTimeConversion(char c) { return std::string_view("HIklMSpPrRTXZzs").find(c) != std::string_view::npos; }
bool IsDateConversion(char c) { return std::string_view("aAbBhdemyYCGgDFxjuwUVW").find(c) != std::string_view::npos; }

// Literal text: quoted when it holds letters or quotes, which FormatDateTime
// would otherwise read as codes.
void AppendLiteral(std::string& out, const std::string& text) {
  bool needsQuotes = false;
  for (char c : text) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '"' || c == '\'') needsQuotes = true;
  }
  if (!needsQuotes) {
    out += text;
    return;
  }
  // Each quote character goes inside quotes of the other kind.
  char open = 0;
  for (char c : text) {
    const char want = c == '"' ? '\'' : '"';
    if (open != want) {
      if (open) out += open;
      out += want;
      open = want;
    }
    out += c;
  }
  out += open;
}

std::string Convert(std::string_view posix, const StrftimeExpansions& e, int depth) {
  std::string out;
  std::string literal;
  const auto code = [&](std::string_view c) {
    AppendLiteral(out, literal);
    literal.clear();
    out += c;
  };
  const auto expand = [&](std::string_view inner) {
    AppendLiteral(out, literal);
    literal.clear();
    if (depth < 2) out += Convert(inner, e, depth + 1);
  };
  for (const Piece& p : Pieces(posix)) {
    if (!p.conversion) {
      literal += p.text;
      continue;
    }
    // "%-d" asks for no padding.
    const bool unpadded = p.text.size() > 2 && p.text[1] == '-';
    switch (p.letter) {
      case 'a': code("ddd"); break;
      case 'A': code("dddd"); break;
      case 'b':
      case 'h': code("MMM"); break;
      case 'B': code("MMMM"); break;
      case 'd': code(unpadded ? "d" : "dd"); break;
      case 'e': code("d"); break;
      case 'm': code(unpadded ? "M" : "MM"); break;
      case 'y':
      case 'g': code("yy"); break;
      case 'Y':
      case 'G': code("yyyy"); break;
      case 'H':
      case 'I': code(unpadded ? "h" : "hh"); break;
      case 'k':
      case 'l': code("h"); break;
      case 'M': code(unpadded ? "n" : "nn"); break;
      case 'S': code(unpadded ? "s" : "ss"); break;
      case 'p':
      case 'P': code("AMPM"); break;
      case 'D': expand("%m/%d/%y"); break;
      case 'F': expand("%Y-%m-%d"); break;
      case 'R': expand("%H:%M"); break;
      case 'T': expand("%H:%M:%S"); break;
      case 'r': expand(e.r); break;
      case 'x': expand(e.x); break;
      case 'X': expand(e.X); break;
      case 'n':
      case 't': literal += ' '; break;
      case '%': literal += '%'; break;
      default: break;  // time zone, week and day numbers: no equivalent
    }
  }
  AppendLiteral(out, literal);
  return out;
}

struct LocaleId {
  const char* language;
  const char* territory;
  int lcid;
};

constexpr LocaleId kLocaleIds[] = {
    {"en", "US", 0x0409}, {"en", "GB", 0x0809}, {"en", "CA", 0x1009}, {"en", "AU", 0x0C09},
    {"fr", "FR", 0x040C}, {"fr", "CA", 0x0C0C}, {"fr", "BE", 0x080C}, {"fr", "CH", 0x100C},
    {"de", "DE", 0x0407}, {"de", "AT", 0x0C07}, {"de", "CH", 0x0807}, {"es", "ES", 0x0C0A},
    {"es", "MX", 0x080A}, {"it", "IT", 0x0410}, {"nl", "NL", 0x0413}, {"pt", "BR", 0x0416},
    {"pt", "PT", 0x0816}, {"ru", "RU", 0x0419}, {"pl", "PL", 0x0415}, {"ja", "JP", 0x0411},
    {"zh", "CN", 0x0804}, {"zh", "TW", 0x0404}, {"ko", "KR", 0x0412}, {"ar", "SA", 0x0401},
    {"he", "IL", 0x040D},
};

}  // namespace

std::string StrftimeToDelphiFormat(std::string_view posix, const StrftimeExpansions& expansions) {
  return Convert(posix, expansions, 0);
}

std::string StrftimeDatePart(std::string_view dateAndTime) {
  const std::vector<Piece> pieces = Pieces(dateAndTime);
  std::size_t first = pieces.size(), last = 0;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (pieces[i].conversion && IsDateConversion(pieces[i].letter)) {
      if (first == pieces.size()) first = i;
      last = i;
    }
  }
  if (first == pieces.size()) return {};
  std::string out;
  std::string gap;
  bool timeInGap = false;
  for (std::size_t i = first; i <= last; ++i) {
    const Piece& p = pieces[i];
    if (!p.conversion || !(IsDateConversion(p.letter) || IsTimeConversion(p.letter))) {
      gap += p.text;
    } else if (IsTimeConversion(p.letter)) {
      timeInGap = true;
    } else {
      out += timeInGap ? std::string(" ") : gap;
      gap.clear();
      timeInGap = false;
      // The long form spells day and month names out.
      if (p.letter == 'a')
        out += "%A";
      else if (p.letter == 'b' || p.letter == 'h')
        out += "%B";
      else
        out += p.text;
    }
  }
  return out;
}

TSysLocale SysLocaleForName(std::string_view name) {
  const std::size_t langEnd = name.find_first_of("_.@");
  const std::string_view language = name.substr(0, langEnd);
  std::string_view territory;
  if (langEnd != std::string_view::npos && name[langEnd] == '_') {
    const std::size_t start = langEnd + 1;
    territory = name.substr(start, name.find_first_of(".@", start) - start);
  }
  int lcid = 0;
  for (const LocaleId& id : kLocaleIds) {
    if (language == id.language && territory == id.territory) {
      lcid = id.lcid;
      break;
    }
  }
  if (lcid == 0) {
    // The language's first territory in the table, else US English.
    for (const LocaleId& id : kLocaleIds) {
      if (language == id.language) {
        lcid = id.lcid;
        break;
      }
    }
  }
  if (lcid == 0) lcid = 0x0409;
  TSysLocale locale;
  locale.DefaultLCID = lcid;
  locale.PriLangID = lcid & 0x3FF;
  locale.SubLangID = lcid >> 10;
  // Japanese, Chinese and Korean use double-byte code pages; Arabic and
  // Hebrew are written right to left.
  locale.FarEast = locale.PriLangID == 0x11 || locale.PriLangID == 0x04 || locale.PriLangID == 0x12;
  locale.MiddleEast = locale.PriLangID == 0x01 || locale.PriLangID == 0x0D;
  return locale;
}
