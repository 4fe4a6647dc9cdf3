// How the operation log draws one of its lines: a line that begins with "("
// and holds a ")" further on loses that bracketed word, which names its
// colour when it is "clRed" or "clBlue" (any letter case); TABs split the
// rest into columns that start at x 4, 250, 370, 490 and so on from the
// row's left edge, and on a selected line the columns are white. Nothing is clipped. A column whose
// text reaches the next column's start pushes that column to the right, a
// small gap after its text, so no word is drawn over another (a refusal
// line holds a whole routine heading in its second column).
#pragma once

#include <QColor>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct TLogRun {
  int X;             // where the text starts, Rect.Left + 4 for the first
  std::string Text;  // without TABs
  QColor Color;
};

// The width in pixels of a text as it is drawn.
using TTextWidth = std::function<int(const std::string& Text)>;

// The pieces of text to write for Line in a row whose left edge is Left, in
// the list's normal text colour Normal (the selection's text colour on a
// selected line). Without Width the columns keep their fixed starts.
std::vector<TLogRun> LogLineRuns(std::string_view Line, int Left, bool Selected, const QColor& Normal,
                                 const TTextWidth& Width = {});
// How far from the row's left edge the drawn line reaches.
int LogLineWidth(std::string_view Line, const TTextWidth& Width);
