// How the main window's source-file list draws one unit. The row's text is
// the unit's check-list line split at ";": Included, file name, last update,
// file date, status. Each field is centred under the header section to the
// right of its column (the file name, left-aligned, excepted); the Included
// field prints no text but the ignored-unit mark when it reads false. Text is
// navy, purple for an ignored unit, white on a selected row, and red on every
// row whose status is "Error" in any letter case, selected or not. With
// relative paths the file name is shown relative to the project's folder.
#pragma once

#include <QColor>
#include <array>
#include <functional>
#include <string>
#include <vector>

struct TSourceRowRun {
  int X;  // from the left of the row's rectangle
  std::string Text;
  QColor Color;
};

struct TSourceRowLook {
  bool Ignored = false;  // the mark of an ignored unit is drawn at MarkX
  int MarkX = 0;
  std::vector<TSourceRowRun> Runs;
};

// Fields: the row split at ";". ColumnLefts: the x offset of each field's
// column; SectionWidths: the widths of the header's six sections; TextWidth:
// the width of a text in the list's font. RelativeTo: the project's folder
// when paths are shown relative to it, else empty.
TSourceRowLook SourceRowLook(const std::vector<std::string>& Fields, const std::array<int, 5>& ColumnLefts,
                             const std::array<int, 6>& SectionWidths,
                             const std::function<int(const std::string&)>& TextWidth, bool Selected,
                             const std::string& RelativeTo);
