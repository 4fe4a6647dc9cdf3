#include "LogLine.h"

#include "Colors.h"
#include "Lumbrick.h"
#include "SysUtils.h"

std::vector<TLogRun> LogLineRuns(std::string_view Line, int Left, bool Selected, const QColor& Normal) try {
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
  int x = Left + 4;
  for (;;) {
    const std::size_t tab = text.find('\t');
    if (tab == std::string_view::npos) {
      runs.push_back({x, std::string(text), color});
      return runs;
    }
    if (Selected) color = clWhite;
    runs.push_back({x, std::string(text.substr(0, tab)), color});
    text.remove_prefix(tab + 1);
    x = x < 250 ? 250 : x + 120;
  }
} catch (...) {
  VIX->Push("Function LogLineRuns");
  throw;
}
