// The scanner window's grids: filling and drawing the source and routine
// rows, showing a unit and a routine, and moving between routines by state.
#include <QImage>
#include <QPainter>
#include <string>

#include "AppObjects.h"
#include "Application.h"
#include "BusyGuards.h"
#include "Colors.h"
#include "Editor.h"
#include "Files.h"
#include "FloodFill.h"
#include "HostPaths.h"
#include "ImageList.h"
#include "Log.h"
#include "Lumbrick.h"
#include "QtText.h"
#include "RichEdit.h"
#include "SpeedButton.h"
#include "StatusText.h"
#include "SummaryColumns.h"
#include "SysUtils.h"
#include "Translator.h"
#include "TryFinally.h"
#include "UiColors.h"

namespace {

// The platform's focus rectangle: a dotted frame just inside the cell.
void DrawFocusRect(QPainter& Canvas, const QRect& Rect, const QColor& Color) {
  Canvas.save();
  Canvas.setPen(QPen(Color, 1, Qt::DotLine));
  Canvas.setBrush(Qt::NoBrush);
  Canvas.drawRect(Rect.adjusted(0, 0, -1, -1));
  Canvas.restore();
}

// Text as the platform writes it in a cell: one line from (X, Top), unclipped
// on the right.
void TextOut(QPainter& Canvas, int X, const QRect& Rect, const QColor& Color, const std::string& Text) {
  Canvas.setPen(Color);
  Canvas.drawText(QRect(X, Rect.top(), 0x7FFF, Rect.height()), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                  Qs(Text));
}

// The row of the next routine from the current one, in steps of Step, that
// Same pairs with it; -1 when there is none (the search does not wrap).
template <class TSame>
int NextMatchingRow(const TfmEditor& Fm, int Step, TSame Same) try {
  const int current = Fm.sgProcs->Row();
  const TRoutineInfo* r = Fm.GetRI(current);
  if (r == nullptr) return -1;
  for (int row = current + Step; row >= 0 && row < Fm.sgProcs->RowCount(); row += Step) {
    const TRoutineInfo* other = Fm.GetRI(row);
    if (other != nullptr && Same(*r, *other)) return row;
  }
  return -1;
} catch (...) {
  VIX->Push("Function NextMatchingRow");
  throw;
}

bool SameState(const TRoutineInfo& A, const TRoutineInfo& B) { return A.State == B.State; }
bool SameCodeState(const TRoutineInfo& A, const TRoutineInfo& B) { return A.CodeState == B.CodeState; }

}  // namespace

std::string TfmEditor::RelativePath(const TUnit& U) const try {
  if (!CurrentAppli) return U.FileName;
  return ExtractRelativePath(ExtractFilePath(CurrentAppli->FileName), U.FileName);
} catch (...) {
  VIX->Push("Function TfmEditor.RelativePath");
  throw;
}

void TfmEditor::ShowUnits() try {
  const int count = CurrentAppli ? CurrentAppli->Units.Count() : 0;
  sgSources->SetRowCount(count);
  int row = 0;
  if (CurrentAppli)
    for (const auto& unit : CurrentAppli->Units)
      if (unit->Selected) sgSources->SetObjects(row++, unit.get());
  sgSources->SetRowCount(row);
} catch (...) {
  VIX->Push("Procedure TfmEditor.ShowUnits");
  throw;
}

void TfmEditor::sgSourcesSelectCell(QObject*, int, int Row, bool&) try {
  const TDisabledWindow disabled(this);
  DoSourcesSelectCell(Row);
} catch (...) {
  VIX->Push("Procedure TfmEditor.sgSourcesSelectCell");
  throw;
}

void TfmEditor::DoSourcesSelectCell(int Row) try {
  // Reading a unit processes pending events: an operation, which keeps the
  // user from closing this window or showing another unit meanwhile.
  const TOperation reading(fmLog);
  const THourGlass hourglass;
  TryFinally(
      [&] {
        CurrentUnit = nullptr;
        // The rows of the unit shown before never reach the next unit's
        // scanner, also when showing it stops early.
        Clear_sgProcs();
        CheckAppli();
        ClearMemo();
        fmLog->DisplayInfo("");
        if (MainStatusBar) MainStatusBar->SetSimpleText("  ");
        Application->ProcessMessages();
        TUnit* u = sgSources->Objects(Row);
        if (u == nullptr) return;
        TSourceScanner& s = *u->Scanner;
        CurrentUnit = u;
        if (!s.Loaded)
          ReadUnit(*u, [&] {
            fmLog->DisplayInfo(Trt("Loading Source File..."));
            LoadSource(s);
            fmLog->DisplayInfo(Trt("Analyzing Source Code..."));
            fmLog->DisplayInfo(Trt("Scanning Keywords"));
            s.FillKeyWordsList();
            fmLog->DisplayInfo(Trt("Computing Statistics..."));
            s.GetStats(s.Modifications, s.InitialCodeStatus);
          });
        s.GetStats(s.Modifications, s.ActualCodeStatus);
        Clear_sgProcs();
        if (s.ErrorCode != 0) u->Status = "Error";
        ShowSummary(*u);
        if (s.ErrorCode != 0) {
          sgProcs->SetRowCount(1);
        } else {
          const int current = sgProcs->Row();
          const int routines = static_cast<int>(s.Routines.size());
          sgProcs->SetRowCount(std::max(routines, 1));
          for (int i = 0; i < routines; ++i) sgProcs->SetObjects(i, s.Routines[static_cast<std::size_t>(i)]);
          // The current row := 0. From another row the move shows routine 0
          // (a shorter list may have brought the row to 0 already); on row 0
          // the summary stays.
          if (current != 0) {
            if (sgProcs->Row() == 0)
              DoProcsSelectCell(0);
            else
              sgProcs->SetRow(0);
          }
        }
        DisableRoutineButtons();
      },
      [&] {
        fmLog->DisplayInfo("");
        if (MainStatusBar) MainStatusBar->SetSimpleText("");
      });
} catch (...) {
  VIX->Push("Procedure TfmEditor.DoSourcesSelectCell");
  throw;
}

void TfmEditor::ShowSummary(const TUnit& U) try {
  mCode->SetText(U.StatusMessage(), clNavy);
  AlignSummaryColumns(*mCode);
  const TSourceScanner& s = *U.Scanner;
  if (s.ErrorCode != 0) {
    mCode->AddLine("\r\n" + Trt("Source File has Errors :"), clRed);
    mCode->AddLine(s.GetErrorMessage(), clRed);
  }
  FSummaryShown = true;
} catch (...) {
  VIX->Push("Procedure TfmEditor.ShowSummary");
  throw;
}

void TfmEditor::ClearMemo() try {
  mCode->Clear();
  FSummaryShown = false;
} catch (...) {
  VIX->Push("Procedure TfmEditor.ClearMemo");
  throw;
}

bool TfmEditor::LoadSource(TSourceScanner& S) try {
  if (S.LoadSourceFile()) return true;
  // What the scanner still holds is the text a former window read, and
  // perhaps changed before closing dropped the changes: not this file's.
  S.Text.clear();
  S.TextStatus.clear();
  S.ClearKeyWordList();
  return false;
} catch (...) {
  VIX->Push("Function TfmEditor.LoadSource");
  throw;
}

void TfmEditor::ReadUnit(TUnit& U, const std::function<void()>& Steps) try {
  TSourceScanner& s = *U.Scanner;
  try {
    Steps();
  } catch (...) {
    if (!s.Loaded || s.ErrorCode == 0) {
      // Read again from the file next time; keywords kept from a former
      // text would not fit the text just read, nor their states its file.
      s.ClearKeyWordList();
      s.Loaded = false;
    }
    throw;
  }
  if (s.Loaded && s.ErrorCode == 0 && SameText(U.Status, "Error")) U.Status = "Ok";
} catch (...) {
  VIX->Push("Procedure TfmEditor.ReadUnit");
  throw;
}

void TfmEditor::sgSourcesDrawCell(QPainter& Canvas, int Row, const QRect& Rect, TGridDrawState State) try {
  Canvas.fillRect(Rect, State.Selected ? clNavy : sgSources->palette().color(QPalette::Base));
  const TUnit* u = sgSources->Objects(Row);
  if (u == nullptr) return;  // a row without a unit: its background only
  if (SameText(u->Status, "Error"))
    imUnits.Draw(Canvas, Rect.left() + 1, Rect.top(), 1);
  else if (u->Scanned)
    imUnits.Draw(Canvas, Rect.left() + 1, Rect.top(), 0);
  switch (u->Scanner->FileState) {
    case 1: imUnits.Draw(Canvas, Rect.left() + 16, Rect.top(), SaveFailed(u) ? 4 : 2); break;
    case 2: imUnits.Draw(Canvas, Rect.left() + 16, Rect.top(), 3); break;
    default: break;
  }
  const QColor font = State.Selected ? clWhite : clNavy;
  TextOut(Canvas, Rect.left() + 40, Rect, font, RelativePath(*u));
  if (State.Focused) DrawFocusRect(Canvas, Rect, font);
} catch (...) {
  VIX->Push("Procedure TfmEditor.sgSourcesDrawCell");
  throw;
}

void TfmEditor::sgProcsDrawCell(QPainter& Canvas, int Row, const QRect& Rect, TGridDrawState State) try {
  Canvas.fillRect(Rect, State.Selected ? clNavy : sgProcs->palette().color(QPalette::Base));
  const TRoutineInfo* r = GetRI(Row);
  if (r == nullptr) return;  // an empty row
  QColor font = State.Selected ? clWhite : sgProcs->palette().color(QPalette::Text);
  if (!State.Selected && (r->CodeState == -1 || (r->CodeState >= 1 && r->CodeState <= 4)))
    font = CodeStateColor(r->CodeState);
  if (r->State >= 1 && r->State <= 4) imProcs.Draw(Canvas, Rect.left() + 2, Rect.top(), r->State - 1);
  const std::string indent(static_cast<std::size_t>(4 * std::max(r->Level - 1, 0)), ' ');
  TextOut(Canvas, Rect.left() + 28, Rect, font, indent + r->Header);
  if (State.Focused) DrawFocusRect(Canvas, Rect, font);
} catch (...) {
  VIX->Push("Procedure TfmEditor.sgProcsDrawCell");
  throw;
}

void TfmEditor::Clear_sgProcs() try {
  sgProcs->ClearObjects();
} catch (...) {
  VIX->Push("Procedure TfmEditor.Clear_sgProcs");
  throw;
}

TRoutineInfo* TfmEditor::GetRI(int Row) const try {
  return sgProcs->Objects(Row);
} catch (...) {
  VIX->Push("Function TfmEditor.GetRI");
  throw;
}

QColor TfmEditor::GetCodeColor(int Row) const try {
  const TRoutineInfo* r = GetRI(Row);
  return CodeStateColor(r != nullptr ? r->CodeState : -1);
} catch (...) {
  VIX->Push("Function TfmEditor.GetCodeColor");
  throw;
}

void TfmEditor::sgProcsSelectCell(QObject*, int, int Row, bool&) try {
  DoProcsSelectCell(Row);
} catch (...) {
  VIX->Push("Procedure TfmEditor.sgProcsSelectCell");
  throw;
}

void TfmEditor::DoProcsSelectCell(int Row) try {
  const TRoutineInfo* r = GetRI(Row);
  if (r == nullptr) return;
  SetRoutineButtons(r->CodeState);
  // The arrows that look for the same colour take the routine's colour: a
  // border fill from inside the arrow up to the glyph's background.
  const QRgb color = GetCodeColor(Row).rgb();
  for (TSpeedButton* button : {btUpCode, btDownCode}) {
    QImage glyph = button->Glyph().toImage().convertToFormat(QImage::Format_ARGB32);
    BorderFill(glyph, QPoint(5, 5), glyph.pixel(0, 0), color);
    button->SetGlyph(QPixmap::fromImage(glyph));
  }
  RoutineToMemo(Row);
} catch (...) {
  VIX->Push("Procedure TfmEditor.DoProcsSelectCell");
  throw;
}

void TfmEditor::axUpProcExecute(QObject*) try {
  sgProcs->SetRow(NextMatchingRow(*this, -1, SameState));
} catch (...) {
  VIX->Push("Procedure TfmEditor.axUpProcExecute");
  throw;
}

void TfmEditor::axUpCodeExecute(QObject*) try {
  sgProcs->SetRow(NextMatchingRow(*this, -1, SameCodeState));
} catch (...) {
  VIX->Push("Procedure TfmEditor.axUpCodeExecute");
  throw;
}

void TfmEditor::axDnProcExecute(QObject*) try {
  sgProcs->SetRow(NextMatchingRow(*this, 1, SameState));
} catch (...) {
  VIX->Push("Procedure TfmEditor.axDnProcExecute");
  throw;
}

void TfmEditor::axDnCodeExecute(QObject*) try {
  sgProcs->SetRow(NextMatchingRow(*this, 1, SameCodeState));
} catch (...) {
  VIX->Push("Procedure TfmEditor.axDnCodeExecute");
  throw;
}

void TfmEditor::sgProcsKeyDown(QObject*, int& Key, Qt::KeyboardModifiers Shift) try {
  // With Shift or Ctrl held the grid must not move by itself: the searches
  // run when the key comes up.
  if ((Shift & (Qt::ShiftModifier | Qt::ControlModifier)) && (Key == Qt::Key_Up || Key == Qt::Key_Down)) Key = 0;
} catch (...) {
  VIX->Push("Procedure TfmEditor.sgProcsKeyDown");
  throw;
}

void TfmEditor::sgProcsKeyUp(QObject*, int& Key, Qt::KeyboardModifiers Shift) try {
  const bool shift = Shift.testFlag(Qt::ShiftModifier);
  const bool ctrl = Shift.testFlag(Qt::ControlModifier);
  if (!shift && !ctrl) return;
  if (Key == Qt::Key_Up) {
    if (shift) axUpProcExecute(this);
    if (ctrl) axUpCodeExecute(this);
    Key = 0;
  } else if (Key == Qt::Key_Down) {
    if (shift) axDnProcExecute(this);
    if (ctrl) axDnCodeExecute(this);
    Key = 0;
  }
} catch (...) {
  VIX->Push("Procedure TfmEditor.sgProcsKeyUp");
  throw;
}
