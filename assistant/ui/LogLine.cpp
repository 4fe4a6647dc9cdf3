#include "LogLine.h"

#include <algorithm>

#include "Colors.h"
#include "Lumbrick.h"
#include "SysUtils.h"

namespace {
// Between a column that ran long and the column it pushed.
constexpr int kColumnGap = 8;
}  // namespace

std::vector<TLogRun> LogLineRuns(std::string_view Line, int Left, bool Selected, const QColor& Normal,
                                 const TTextWidth& Width) try {
  std::vector<TLogRun> runs;
  std::string_view text = Line;
  QColor color = Normal;
  const std::size_t close = text.find(')');
  if (!text.empty() && text.front() == '(' && close != std::string_view::npos && close > 0) {
    const std::string_view name = text.substr(1, close - 1);
    text.remove_prefix(close + 1);
    if (SameText(name, "clRed"))
      color = clRed;
    else if (SameText(name, "clBlue"))
      color = clBlue;
  }
  // X follows the fixed columns, measured from the row's left edge, which
  // lies left of the view while the list is scrolled sideways; a long column
  // starts the next one further.
  int x = Left + 4;
  int start = x;
  for (;;) {
    const std::size_t tab = text.find('\t');
    if (tab == std::string_view::npos) {
      runs.push_back({start, std::string(text), color});
      return runs;
    }
    if (Selected) color = clWhite;
    runs.push_back({start, std::string(text.substr(0, tab)), color});
    text.remove_prefix(tab + 1);
    x = x < Left + 250 ? Left + 250 : x + 120;
    start = x;
    if (Width) start = std::max(x, runs.back().X + Width(runs.back().Text) + kColumnGap);
  }
} catch (...) {
  VIX->Push("Function LogLineRuns");
  throw;
}

int LogLineWidth(std::string_view Line, const TTextWidth& Width) try {
  const std::vector<TLogRun> runs = LogLineRuns(Line, 0, false, clBlack, Width);
  return runs.back().X + Width(runs.back().Text);
} catch (...) {
  VIX->Push("Function LogLineWidth");
  throw;
}
