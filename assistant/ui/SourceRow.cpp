#include "SourceRow.h"

#include "Colors.h"
#include "HostPaths.h"
#include "Lumbrick.h"
#include "StringHelpers.h"
#include "SysUtils.h"

TSourceRowLook SourceRowLook(const std::vector<std::string>& Fields, const std::array<int, 5>& ColumnLefts,
                             const std::array<int, 6>& SectionWidths,
                             const std::function<int(const std::string&)>& TextWidth, bool Selected,
                             const std::string& RelativeTo) try {
  TSourceRowLook look;
  const bool included = !Fields.empty() && StringToBool(Fields[0]);
  const bool error = Fields.size() > 4 && LowerCase(Fields[4]) == "error";
  QColor color = Selected ? clWhite : included ? clNavy : clPurple;
  if (error) color = clRed;
  // A row holds five fields; a sixth would have no column.
  for (std::size_t i = 0; i < Fields.size() && i < ColumnLefts.size(); ++i) {
    if (i == 0) {
      look.Ignored = !included;
      look.MarkX = ColumnLefts[0];
      continue;
    }
    std::string text = Fields[i];
    int x = ColumnLefts[i] + (SectionWidths[i + 1] - TextWidth(text)) / 2;
    if (i == 1) {
      x = ColumnLefts[1];
      if (!RelativeTo.empty()) text = ExtractRelativePath(RelativeTo, text);
    }
    look.Runs.push_back({x, text, color});
  }
  return look;
} catch (...) {
  VIX->Push("Function SourceRowLook");
  throw;
}
