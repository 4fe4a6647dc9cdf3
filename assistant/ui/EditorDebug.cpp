// The scanner window's debug menu, shown in debug mode only ([System] Debug
// of the settings file): the status string in colour, the keyword listing,
// the line helpers at the caret, and the caret position in the caption.
#include <QAction>
#include <QMenu>

#include "AppObjects.h"
#include "BusyGuards.h"
#include "Colors.h"
#include "CommonGlobals.h"
#include "Editor.h"
#include "Lumbrick.h"
#include "MessageBoxes.h"
#include "RichEdit.h"
#include "SpeedButton.h"
#include "StringHelpers.h"
#include "SysUtils.h"

void TfmEditor::btDebugClick(QObject*) try {
  // At the screen point named by the button's own left and top.
  pmDebug->popup(QPoint(btDebug->x(), btDebug->y()));
} catch (...) {
  VIX->Push("Procedure TfmEditor.btDebugClick");
  throw;
}

void TfmEditor::miDebugCodeMemoClick(QObject*) try {
  if (CurrentUnit == nullptr) return;
  const TSourceScanner& s = *CurrentUnit->Scanner;
  const TDisabledWindow disabled(mCode);
  ShowSourceInMemo(s.Text, 1);
  // Runs of one status: code black (as shown), literals red, the rest blue.
  const int length = static_cast<int>(s.TextStatus.size());
  for (int start = 1; start <= length;) {
    const int status = s.CharStatus(start);
    int end = start;
    while (end < length && s.CharStatus(end + 1) == status) ++end;
    if (status != 0) ColorSourceRange(start, end - start + 1, status == 1 ? clRed : clBlue);
    start = end + 1;
  }
} catch (...) {
  VIX->Push("Procedure TfmEditor.miDebugCodeMemoClick");
  throw;
}

void TfmEditor::miDebugKeywordMemoClick(QObject*) try {
  if (CurrentUnit == nullptr) return;
  ClearMemo();
  mCode->SetText(CurrentUnit->Scanner->DebugGetKeyWordsText(), clBlack);
} catch (...) {
  VIX->Push("Procedure TfmEditor.miDebugKeywordMemoClick");
  throw;
}

void TfmEditor::miDebugLineEmptyClick(QObject*) try {
  if (CurrentUnit == nullptr) return;
  const TSourceScanner& s = *CurrentUnit->Scanner;
  const int p = mCode->SelStart() + 1;
  int start = 0;
  int length = 0;
  const bool empty = s.IsLineEmpty(p, start, length);
  const int code = p >= 1 && p <= static_cast<int>(s.Text.size()) ? static_cast<unsigned char>(s.Text[static_cast<std::size_t>(p - 1)]) : 0;
  ShowDebug("Asc = " + IntToStr(code) + "\r\n" + BoolToString(empty) + "  Start=" + IntToStr(start) +
            " Lg=" + IntToStr(length));
} catch (...) {
  VIX->Push("Procedure TfmEditor.miDebugLineEmptyClick");
  throw;
}

void TfmEditor::miDebugLineClick(QObject*) try {
  if (CurrentUnit == nullptr) return;
  ShowDebug(CurrentUnit->Scanner->GetLine(mCode->SelStart() + 1));
} catch (...) {
  VIX->Push("Procedure TfmEditor.miDebugLineClick");
  throw;
}

void TfmEditor::miDebugShowPositionClick(QObject*) try {
  // The item checks and unchecks itself when it is chosen.
} catch (...) {
  VIX->Push("Procedure TfmEditor.miDebugShowPositionClick");
  throw;
}

void TfmEditor::miDebugTmpClick(QObject*) try {
  if (CurrentUnit == nullptr) return;
  ShowDebug(IntToStr(CurrentUnit->Scanner->ErrorCode));
} catch (...) {
  VIX->Push("Procedure TfmEditor.miDebugTmpClick");
  throw;
}

void TfmEditor::mCodeSelectionChange(QObject*) try {
  if (DebugMode && miDebugShowPosition->isChecked()) SetCaption(IntToStr(mCode->SelStart() + 1));
} catch (...) {
  VIX->Push("Procedure TfmEditor.mCodeSelectionChange");
  throw;
}
