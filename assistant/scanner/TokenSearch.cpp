// Searches of the text. Each is one left-to-right pass that consults the
// status string per character, so a sweep over a unit stays linear.
#include <algorithm>
#include <climits>
#include <cstring>

#include "Lumbrick.h"
#include "SourceScanner.h"
#include "StringHelpers.h"

namespace {

char LowerAscii(char c) noexcept { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

bool IsBlank(char c) noexcept { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

int TSourceScanner::PosAfterInCode(std::string_view Sub, int From) const try {
  if (Sub.empty() || Text.empty()) return -1;
  int p = From;
  while ((p = PosAfter(Sub, Text, p)) != -1)
    if (CharIsCode(p)) return p;
  return -1;
} catch (...) {
  VIX->Push("Function TSourceScanner.PosAfterInCode");
  throw;
}

int TSourceScanner::FindCharInCodeAfter(char C, int From) const try {
  for (int p = std::max(From + 1, 1); p <= Length(); ++p)
    if (Text[p - 1] == C && CharIsCode(p)) return p;
  return -1;
} catch (...) {
  VIX->Push("Function TSourceScanner.FindCharInCodeAfter");
  throw;
}

int TSourceScanner::FindToken(std::string_view Token, std::string_view Left, int From, std::string_view Right) const try {
  return FindTokenBefore(Token, Left, From, Right, INT_MAX);
} catch (...) {
  VIX->Push("Function TSourceScanner.FindToken");
  throw;
}

int TSourceScanner::FindTokenBefore(std::string_view Token, std::string_view Left, int From, std::string_view Right,
                                    int Limit) const try {
  if (Token.empty() || Text.empty()) return -1;
  const int len = static_cast<int>(Token.size());
  const char first = LowerAscii(Token[0]);
  const char firstUpper = first >= 'a' && first <= 'z' ? static_cast<char>(first - ('a' - 'A')) : first;
  // Where the first character comes next in either case, searched with
  // memchr: with nothing matched, every other character is passed over. Each
  // is searched again only once the pass has gone beyond it, and only a
  // stretch ahead, so that a rare letter does not send each search of a
  // near token through the rest of the unit.
  const std::size_t unknown = std::string::npos;
  constexpr std::size_t stretch = 512;
  std::size_t nextLower = unknown;
  std::size_t nextUpper = unknown;
  const auto nextOf = [this](char c, std::size_t from) {
    const std::size_t horizon = std::min(Text.size(), from + stretch);
    const void* q = std::memchr(Text.data() + from, c, horizon - from);
    return q == nullptr ? horizon : static_cast<std::size_t>(static_cast<const char*>(q) - Text.data());
  };
  std::size_t k = 0;  // token characters matched so far
  for (int p = std::max(From + 1, 1); p <= Length(); ++p) {
    if (k == 0) {
      const std::size_t i = p - 1;
      if (nextLower == unknown || nextLower < i) nextLower = nextOf(first, i);
      if (nextUpper == unknown || nextUpper < i) nextUpper = firstUpper == first ? nextLower : nextOf(firstUpper, i);
      const std::size_t next = std::min(nextLower, nextUpper);
      if (next >= Text.size()) return -1;
      p = static_cast<int>(next) + 1;
    }
    const char c = LowerAscii(Text[p - 1]);
    if (c == LowerAscii(Token[k]))
      ++k;
    else
      k = c == first ? 1 : 0;
    if (k == Token.size()) {
      const int candidate = p - len + 1;
      if (candidate >= Limit) return -1;
      if (CharIsCode(p) && CheckTokenDelimitors(Token, Left, candidate, Right)) return candidate;
      k = 0;
    }
  }
  return -1;
} catch (...) {
  VIX->Push("Function TSourceScanner.FindTokenBefore");
  throw;
}

bool TSourceScanner::CheckTokenDelimitors(std::string_view Token, std::string_view Left, int P,
                                          std::string_view Right) const try {
  if (P < 1) return false;
  const int after = P + static_cast<int>(Token.size());
  if (after > Length()) return false;  // a token must be followed by something
  const bool right = Right.find(Text[after - 1]) != std::string_view::npos || CharStatus(after) != 0;
  if (!right || P == 1) return right;
  return Left.find(Text[P - 2]) != std::string_view::npos || CharStatus(P - 1) != 0;
} catch (...) {
  VIX->Push("Function TSourceScanner.CheckTokenDelimitors");
  throw;
}

bool TSourceScanner::CheckRightDelimitedToken(std::string_view Token, std::string_view Extra, int P) const try {
  std::string right(RightDelimiters);
  right += Extra;
  return CheckTokenDelimitors(Token, LeftDelimiters, P, right);
} catch (...) {
  VIX->Push("Function TSourceScanner.CheckRightDelimitedToken");
  throw;
}

int TSourceScanner::FindFirstSignificantChar(int From) const try {
  for (int p = std::max(From, 1); p <= Length(); ++p)
    if (!IsBlank(Text[p - 1]) && CharIsCode(p)) return p;
  return -1;
} catch (...) {
  VIX->Push("Function TSourceScanner.FindFirstSignificantChar");
  throw;
}

bool TSourceScanner::FindRightDelimitedToken(std::string_view Token, char C, int& CharPos, int& TokenPos,
                                             int Start) const try {
  const std::string extra(1, C);
  TokenPos = Start;
  while ((TokenPos = PosAfterInCode(Token, TokenPos)) != -1) {
    if (!CheckRightDelimitedToken(Token, extra, TokenPos)) continue;
    const int s = FindFirstSignificantChar(TokenPos + static_cast<int>(Token.size()));
    if (s != -1 && Text[s - 1] == C) {
      CharPos = s;
      return true;
    }
  }
  return false;
} catch (...) {
  VIX->Push("Function TSourceScanner.FindRightDelimitedToken");
  throw;
}
