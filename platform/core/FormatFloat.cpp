// FormatFloat: picture formats with 0 # . , E+ E- placeholders, up to three
// sections (positive; negative; zero) and quoted literals.
#include <cmath>
#include <vector>

#include "FloatText.h"
#include "FormatSettings.h"
#include "SysUtils.h"

namespace {

struct Token {
  enum class Kind { Literal, Digit, Point, Exponent };
  Kind kind;
  std::string text;     // Literal: the text; Exponent: the letter as written
  bool forced = false;  // Digit: '0' rather than '#'
  char sign = '+';      // Exponent: '+' always signed, '-' only when negative
  int minDigits = 0;    // Exponent
};

struct Section {
  std::vector<Token> tokens;
  bool thousands = false;
  bool scientific = false;
  int intPlaces = 0;    // placeholders before the point
  int fracPlaces = 0;   // after it
  int forcedInt = 0;    // places from the first '0' before the point to it
  int forcedFrac = 0;   // places after the point through the last '0'
};

std::vector<std::string_view> SplitSections(std::string_view fmt) {
  std::vector<std::string_view> sections;
  char quote = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < fmt.size(); ++i) {
    const char c = fmt[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == ';' && sections.size() < 2) {
      sections.push_back(fmt.substr(start, i - start));
      start = i + 1;
    }
  }
  sections.push_back(fmt.substr(start));
  return sections;
}

Section Parse(std::string_view s) {
  Section sec;
  bool afterPoint = false;
  int firstForcedInt = -1;  // index among integer places
  const auto literal = [&](std::string_view text) {
    if (!sec.tokens.empty() && sec.tokens.back().kind == Token::Kind::Literal)
      sec.tokens.back().text += text;
    else
      sec.tokens.push_back({Token::Kind::Literal, std::string(text)});
  };
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '"' || c == '\'') {
      const std::size_t end = s.find(c, i + 1);
      literal(s.substr(i + 1, (end == std::string_view::npos ? s.size() : end) - i - 1));
      i = end == std::string_view::npos ? s.size() : end;
    } else if ((c == '0' || c == '#') && !sec.scientific) {
      Token t{Token::Kind::Digit, {}};
      t.forced = c == '0';
      if (afterPoint) {
        ++sec.fracPlaces;
        if (t.forced) sec.forcedFrac = sec.fracPlaces;
      } else {
        if (t.forced && firstForcedInt < 0) firstForcedInt = sec.intPlaces;
        ++sec.intPlaces;
      }
      sec.tokens.push_back(t);
    } else if (c == '.' && !afterPoint && !sec.scientific) {
      afterPoint = true;
      sec.tokens.push_back({Token::Kind::Point, {}});
    } else if (c == ',' && !sec.scientific) {
      sec.thousands = true;
    } else if ((c == 'E' || c == 'e') && !sec.scientific && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-')) {
      Token t{Token::Kind::Exponent, std::string(1, c)};
      t.sign = s[++i];
      while (i + 1 < s.size() && s[i + 1] == '0') {
        ++t.minDigits;
        ++i;
      }
      sec.scientific = true;
      sec.tokens.push_back(t);
    } else if (c == '.' || c == ',') {
      // A second point, or a separator after the exponent, prints nothing.
    } else {
      literal(s.substr(i, 1));
    }
  }
  if (firstForcedInt >= 0) sec.forcedInt = sec.intPlaces - firstForcedInt;
  return sec;
}

// Lays the digits out over the section's placeholders.
std::string Render(const Section& sec, const DecimalDigits& d, int exponentValue) {
  const char separator = sec.thousands && !sec.scientific ? FormatSettings.ThousandSeparator : '\0';
  // Whole-part digits, without the "0" of a value below one.
  std::string whole = d.exponent > 0 ? WholeDigits(d, '\0') : std::string();
  if (static_cast<int>(whole.size()) < sec.forcedInt)
    whole.insert(0, static_cast<std::size_t>(sec.forcedInt) - whole.size(), '0');
  const int wholeLen = static_cast<int>(whole.size());
  const int significantFrac = std::max(0, static_cast<int>(d.digits.size()) - d.exponent);
  const int shownFrac = std::min(sec.fracPlaces, std::max(sec.forcedFrac, significantFrac));

  std::string out;
  // Emits the whole-part digit at `position` (1 = units), with a separator
  // after it where a group ends.
  const auto wholeDigit = [&](int position) {
    out += whole[static_cast<std::size_t>(wholeLen - position)];
    if (separator && position > 1 && (position - 1) % 3 == 0) out += separator;
  };
  bool extraDone = false;
  const auto emitExtra = [&] {
    if (extraDone) return;
    extraDone = true;
    for (int p = wholeLen; p > sec.intPlaces; --p) wholeDigit(p);
  };
  int intSeen = 0;
  int fracSeen = 0;
  bool afterPoint = false;
  for (const Token& t : sec.tokens) {
    switch (t.kind) {
      case Token::Kind::Literal:
        out += t.text;
        break;
      case Token::Kind::Digit:
        if (!afterPoint) {
          emitExtra();
          const int position = sec.intPlaces - intSeen++;
          if (position <= wholeLen) wholeDigit(position);
        } else {
          const int index = d.exponent + fracSeen++;
          if (fracSeen <= shownFrac)
            out += (index >= 0 && index < static_cast<int>(d.digits.size())) ? d.digits[static_cast<std::size_t>(index)] : '0';
        }
        break;
      case Token::Kind::Point:
        emitExtra();
        afterPoint = true;
        if (shownFrac > 0) out += FormatSettings.DecimalSeparator;
        break;
      case Token::Kind::Exponent: {
        emitExtra();
        out += t.text;
        if (exponentValue < 0)
          out += '-';
        else if (t.sign == '+')
          out += '+';
        std::string e = std::to_string(std::abs(exponentValue));
        if (static_cast<int>(e.size()) < t.minDigits) e.insert(0, static_cast<std::size_t>(t.minDigits) - e.size(), '0');
        out += e;
        break;
      }
    }
  }
  emitExtra();
  return out;
}

// The value's digits for a section; the exponent printed when scientific.
DecimalDigits Digits(const Section& sec, double magnitude, int& exponentValue) {
  exponentValue = 0;
  if (!sec.scientific) return FixedDigits(magnitude, sec.fracPlaces);
  DecimalDigits d = SignificantDigits(magnitude, std::max(1, sec.intPlaces + sec.fracPlaces));
  if (!d.IsZero()) {
    exponentValue = d.exponent - sec.intPlaces;
    d.exponent = sec.intPlaces;
  }
  return d;
}

}  // namespace

std::string FormatFloat(std::string_view fmt, double value) {
  if (fmt.empty() || std::isnan(value) || std::isinf(value)) return FloatToStr(value);
  const std::vector<std::string_view> sections = SplitSections(fmt);
  const bool negative = std::signbit(value) && value != 0;
  std::size_t chosen = 0;
  if (negative && sections.size() > 1 && !sections[1].empty()) chosen = 1;
  Section sec = Parse(sections[chosen]);
  int exponentValue = 0;
  DecimalDigits d = Digits(sec, std::fabs(value), exponentValue);
  if (d.IsZero() && sections.size() > 2 && !sections[2].empty()) {
    sec = Parse(sections[2]);
    d = Digits(sec, 0.0, exponentValue);
    return Render(sec, d, exponentValue);
  }
  std::string out = Render(sec, d, exponentValue);
  // The first section serves negative values with a minus sign in front.
  if (negative && chosen == 0 && !d.IsZero()) out.insert(0, 1, '-');
  return out;
}
