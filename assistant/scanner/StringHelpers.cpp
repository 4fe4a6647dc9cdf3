#include "StringHelpers.h"

#include <algorithm>

#include "Lumbrick.h"
#include "SysUtils.h"

namespace {

char LowerAscii(char c) noexcept { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

// Removes the blanks that touch C; with C a blank, shrinks runs of blanks to
// one. One pass, so a long text costs no more than its length.
void Clean(std::string& S, char C) try {
  std::string out;
  out.reserve(S.size());
  for (std::size_t i = 0; i < S.size(); ++i) {
    const char ch = S[i];
    if (C == ' ') {
      if (ch == ' ' && !out.empty() && out.back() == ' ') continue;
      out += ch;
    } else if (ch == C) {
      while (!out.empty() && out.back() == ' ') out.pop_back();
      out += ch;
      while (i + 1 < S.size() && S[i + 1] == ' ') ++i;
    } else {
      out += ch;
    }
  }
  S = std::move(out);
} catch (...) {
  VIX->Push("Procedure Clean");
  throw;
}

}  // namespace

std::string UpperInitial(std::string_view S) try {
  std::string r(S);
  if (!r.empty() && r[0] >= 'a' && r[0] <= 'z') r[0] = static_cast<char>(r[0] - ('a' - 'A'));
  return r;
} catch (...) {
  VIX->Push("Function UpperInitial");
  throw;
}

std::string RightString(std::string_view S, int Start) try {
  if (Start < 1) Start = 1;
  if (static_cast<std::size_t>(Start) > S.size()) return {};
  return std::string(S.substr(Start - 1));
} catch (...) {
  VIX->Push("Function RightString");
  throw;
}

std::string IIf(bool Condition, const std::string& IfTrue, const std::string& IfFalse) try {
  return Condition ? IfTrue : IfFalse;
} catch (...) {
  VIX->Push("Function IIf");
  throw;
}

std::string QuoteFramed(std::string_view S) try {
  std::string r;
  r.reserve(S.size() + 2);
  r += '\'';
  r += S;
  r += '\'';
  return r;
} catch (...) {
  VIX->Push("Function QuoteFramed");
  throw;
}

void RemoveChars(std::string& S, std::string_view Chars) try {
  for (char c : Chars) S.erase(std::remove(S.begin(), S.end(), c), S.end());
} catch (...) {
  VIX->Push("Procedure RemoveChars");
  throw;
}

// Compares in place instead of lower-casing a copy of the rest of the text:
// the scanner calls this hit after hit over a whole unit.
int PosAfter(std::string_view Sought, std::string_view S, int Start) try {
  if (Sought.empty()) return -1;
  const std::size_t from = Start < 0 ? 0 : static_cast<std::size_t>(Start);
  if (from >= S.size()) return -1;
  const auto it = std::search(S.begin() + from, S.end(), Sought.begin(), Sought.end(),
                              [](char a, char b) { return LowerAscii(a) == b; });
  if (it == S.end()) return -1;
  return static_cast<int>(it - S.begin()) + 1;
} catch (...) {
  VIX->Push("Function PosAfter");
  throw;
}

int PosBetween(std::string_view Sought, std::string_view S, int Start, int End) try {
  const int p = PosAfter(Sought, S, Start);
  return p < End ? p : -1;
} catch (...) {
  VIX->Push("Function PosBetween");
  throw;
}

void CleanCode(std::string& S) try {
  for (char& c : S)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  Clean(S, ' ');
  for (char c : {'.', ')', '(', ';'}) Clean(S, c);
  S = Trim(S);
} catch (...) {
  VIX->Push("Procedure CleanCode");
  throw;
}

std::string BoolToString(bool B) try {
  return B ? "True" : "False";
} catch (...) {
  VIX->Push("Function BoolToString");
  throw;
}

bool StringToBool(std::string_view S) try {
  return LowerCase(Trim(S)) == "true";
} catch (...) {
  VIX->Push("Function StringToBool");
  throw;
}

std::string FormatInt(long long N) try {
  std::string digits = IntToStr(N < 0 ? -N : N);
  if (digits.size() > 3) digits.insert(digits.size() - 3, 1, ' ');
  return N < 0 ? "-" + digits : digits;
} catch (...) {
  VIX->Push("Function FormatInt");
  throw;
}

void SplitDelimitedTextIntoStrings(std::string_view Text, std::string_view Delimiter,
                                   std::vector<std::string>& List) try {
  List.clear();
  while (!Text.empty()) {
    const std::size_t p = Delimiter.empty() ? std::string_view::npos : Text.find(Delimiter);
    if (p == std::string_view::npos) {
      List.emplace_back(Text);
      Text = {};
    } else {
      List.emplace_back(Text.substr(0, p));
      Text.remove_prefix(p + Delimiter.size());
    }
  }
} catch (...) {
  VIX->Push("Procedure SplitDelimitedTextIntoStrings");
  throw;
}
