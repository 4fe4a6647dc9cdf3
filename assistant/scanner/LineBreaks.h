// Line-break conventions of source files. The scanner works on CR LF, the
// convention of the sources it was made for; on this host most sources break
// lines with LF alone. Like the path separator, that is a convention of the
// platform: such a source is read as its CR LF equivalent and written back
// with LF, every other byte as it was.
#pragma once

#include <string>
#include <string_view>

enum class TLineBreakStyle {
  CRLF,   // CR LF (CR CR LF counts as one), or no line break at all
  LF,     // every line break is a lone LF
  Mixed,  // lone LFs beside CR LF pairs
};

// The LFs of a text: those that end a CR LF pair, and the lone ones.
struct TLineFeeds {
  int Paired = 0;
  int Lone = 0;
};
TLineFeeds CountLineFeeds(std::string_view Text);
TLineBreakStyle LineBreakStyleOf(const TLineFeeds& Feeds);
TLineBreakStyle LineBreakStyleOf(std::string_view Text);
// Every line break of a text whatever its convention: each CR LF, lone LF
// and lone CR counts one (CR CR LF is one, as everywhere in the scanner).
int CountLineBreaks(std::string_view Text);
// Every LF becomes CR LF (for a text of style LF).
std::string LFToCRLF(std::string_view Text);
// Every CR LF becomes LF: the inverse of LFToCRLF.
std::string CRLFToLF(std::string_view Text);
