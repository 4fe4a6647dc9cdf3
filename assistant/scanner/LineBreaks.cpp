#include "LineBreaks.h"

#include "Lumbrick.h"

TLineFeeds CountLineFeeds(std::string_view Text) try {
  TLineFeeds feeds;
  for (std::size_t i = Text.find('\n'); i != std::string_view::npos; i = Text.find('\n', i + 1))
    ++(i > 0 && Text[i - 1] == '\r' ? feeds.Paired : feeds.Lone);
  return feeds;
} catch (...) {
  VIX->Push("Function CountLineFeeds");
  throw;
}

TLineBreakStyle LineBreakStyleOf(const TLineFeeds& Feeds) try {
  if (Feeds.Lone > 0 && Feeds.Paired > 0) return TLineBreakStyle::Mixed;
  return Feeds.Lone > 0 ? TLineBreakStyle::LF : TLineBreakStyle::CRLF;
} catch (...) {
  VIX->Push("Function LineBreakStyleOf");
  throw;
}

TLineBreakStyle LineBreakStyleOf(std::string_view Text) try {
  return LineBreakStyleOf(CountLineFeeds(Text));
} catch (...) {
  VIX->Push("Function LineBreakStyleOf");
  throw;
}

int CountLineBreaks(std::string_view Text) try {
  int breaks = 0;
  bool beforeLF = false;  // only CRs stand between here and an LF
  for (std::size_t i = Text.size(); i-- > 0;) {
    if (Text[i] == '\n') {
      ++breaks;
      beforeLF = true;
    } else if (Text[i] == '\r') {
      if (!beforeLF) ++breaks;
    } else {
      beforeLF = false;
    }
  }
  return breaks;
} catch (...) {
  VIX->Push("Function CountLineBreaks");
  throw;
}

std::string LFToCRLF(std::string_view Text) try {
  std::string r;
  r.reserve(Text.size() + Text.size() / 16);
  for (const char c : Text) {
    if (c == '\n') r += '\r';
    r += c;
  }
  return r;
} catch (...) {
  VIX->Push("Function LFToCRLF");
  throw;
}

std::string CRLFToLF(std::string_view Text) try {
  std::string r;
  r.reserve(Text.size());
  for (std::size_t i = 0; i < Text.size(); ++i)
    if (Text[i] != '\r' || i + 1 == Text.size() || Text[i + 1] != '\n') r += Text[i];
  return r;
} catch (...) {
  VIX->Push("Function CRLFToLF");
  throw;
}
