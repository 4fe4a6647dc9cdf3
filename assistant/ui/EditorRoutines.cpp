// The scanner window's routine buttons, which add, update, remove or ignore
// the protective block of the selected routine; the routine's code in the
// memo; the memo's font size; the help menu.
#include <QCursor>
#include <QMenu>
#include <QTextCursor>
#include <array>
#include <memory>

#include "AppObjects.h"
#include "Colors.h"
#include "Dialogs.h"
#include "Editor.h"
#include "Fonts.h"
#include "HelpFiles.h"
#include "InfosColors.h"
#include "KeywordTable.h"
#include "Lumbrick.h"
#include "MessageBoxes.h"
#include "RichEdit.h"
#include "ScannerSnapshot.h"
#include "Settings.h"
#include "SpeedButton.h"
#include "SummaryColumns.h"
#include "SysUtils.h"
#include "TextChecks.h"
#include "Translator.h"

namespace {

// A routine button is available when its caption is black, and does nothing
// while it is grey; it stays enabled either way.
void SetAvailable(TSpeedButton* Button, bool Available) { SetFontColor(Button, Available ? clBlack : clGray); }
bool IsAvailable(const TSpeedButton* Button) { return FontColor(Button) == clBlack; }

// The memo's text for a source text: every CR LF stays a line break, counted
// as two characters as the memo counts it; a CR or LF on its own becomes a
// blank, so that each memo character stands for one source character.
std::string MemoText(const std::string& Source) try {
  std::string text = Source;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
      ++i;
    else if (text[i] == '\r' || text[i] == '\n')
      text[i] = ' ';
  }
  return text;
} catch (...) {
  VIX->Push("Function MemoText");
  throw;
}

// The length of an except clause through the ";" that ends its End, or
// through its End when no ";" follows it at once.
int ClauseLength(const TSourceScanner& S, const TExceptClauseInfo& Clause) try {
  if (Clause.kiEnd == nullptr) return static_cast<int>(Clause.GetKeyword().size());
  const int end = Clause.kiEnd->Position + static_cast<int>(Clause.kiEnd->GetKeyword().size());
  const int next = S.FindFirstSignificantChar(end);
  const int last = next != -1 && S.Text[static_cast<std::size_t>(next - 1)] == ';' ? next : end - 1;
  return last - Clause.Position + 1;
} catch (...) {
  VIX->Push("Function ClauseLength");
  throw;
}

}  // namespace

void TfmEditor::SetRoutineButtons(int CodeState) try {
  // Add, Update, Remove and Ignore for Missing, Correct, Incorrect, Ignored.
  static constexpr std::array<std::array<bool, 4>, 4> kAvailable{{{true, false, false, true},
                                                                  {false, false, true, true},
                                                                  {false, true, true, true},
                                                                  {true, false, true, false}}};
  if (CodeState < 1 || CodeState > 4) return;
  const std::array buttons{btAddCode, btUpdateCode, btRemoveCode, btIgnoreCode};
  for (std::size_t i = 0; i < buttons.size(); ++i)
    SetAvailable(buttons[i], kAvailable[static_cast<std::size_t>(CodeState - 1)][i]);
} catch (...) {
  VIX->Push("Procedure TfmEditor.SetRoutineButtons");
  throw;
}

void TfmEditor::DisableRoutineButtons() try {
  for (TSpeedButton* button : {btAddCode, btUpdateCode, btRemoveCode, btIgnoreCode}) SetAvailable(button, false);
} catch (...) {
  VIX->Push("Procedure TfmEditor.DisableRoutineButtons");
  throw;
}

bool TfmEditor::Edited(int Delta, const TRoutineInfo& R) try {
  if (Delta != 0) return true;
  const TSourceScanner& s = *CurrentUnit->Scanner;
  if (!s.LastRefusal.empty())
    FRefusal = Trt(s.LastRefusal);
  else if (R.kiBegin != nullptr && R.kiBegin->Keyword == kwAsm)
    FRefusal = Trt("Routines written in assembler are never changed");
  return false;
} catch (...) {
  VIX->Push("Function TfmEditor.Edited");
  throw;
}

void TfmEditor::ShowChangedRoutine(int Row) try {
  DoProcsSelectCell(Row);
  // The routine row shows its new colour and pictogram at once.
  sgProcs->Invalidate();
  sgSources->Invalidate();
  if (FRefusal.empty()) return;
  const std::string why = std::move(FRefusal);
  FRefusal.clear();
  ShowError(why);
} catch (...) {
  VIX->Push("Procedure TfmEditor.ShowChangedRoutine");
  throw;
}

void TfmEditor::RoutineButton(const TSpeedButton* Button, const TButtonEdit& Edit) try {
  if (!IsAvailable(Button)) return;
  const int i = sgProcs->Row();
  const TRoutineInfo* r = GetRI(i);
  if (CurrentUnit == nullptr || r == nullptr) return;
  FRefusal.clear();
  if (!Edit(*CurrentUnit->Scanner, i, *r)) return;
  ShowChangedRoutine(i);
} catch (...) {
  VIX->Push("Procedure TfmEditor.RoutineButton");
  throw;
}

void TfmEditor::btAddCodeClick(QObject*) try {
  RoutineButton(btAddCode, [this](TSourceScanner& S, int I, const TRoutineInfo& R) {
    if (R.CodeState == 1) {
      Edited(S.AddCode(I, 1), R);
    } else if (R.CodeState == 4) {
      // The block goes in only once the marker is out; a block refused
      // there puts the marker back, the routine left as it was.
      const TScannerSnapshot before(S);
      if (Edited(S.RemoveIgnoreCode(I), R) && !Edited(S.AddCode(I, 2), R)) before.Restore(S);
    }
    return true;
  });
} catch (...) {
  VIX->Push("Procedure TfmEditor.btAddCodeClick");
  throw;
}

void TfmEditor::btUpdateCodeClick(QObject*) try {
  RoutineButton(btUpdateCode, [this](TSourceScanner& S, int I, const TRoutineInfo& R) {
    if (R.CodeState == 3) Edited(S.UpdateCode(I), R);
    return true;
  });
} catch (...) {
  VIX->Push("Procedure TfmEditor.btUpdateCodeClick");
  throw;
}

void TfmEditor::btRemoveCodeClick(QObject*) try {
  RoutineButton(btRemoveCode, [this](TSourceScanner& S, int I, const TRoutineInfo& R) {
    if (R.CodeState == 2 || R.CodeState == 3)
      Edited(S.RemoveCode(I), R);
    else if (R.CodeState == 4)
      Edited(S.RemoveIgnoreCode(I), R);
    return true;
  });
} catch (...) {
  VIX->Push("Procedure TfmEditor.btRemoveCodeClick");
  throw;
}

void TfmEditor::btIgnoreCodeClick(QObject*) try {
  RoutineButton(btIgnoreCode, [this](TSourceScanner& S, int I, const TRoutineInfo& R) {
    if (R.CodeState < 1 || R.CodeState > 3) return false;
    // The marker goes in only once the block is out.
    if (R.CodeState == 1 || Edited(S.RemoveCode(I), R)) Edited(S.AddIgnoreCode(I), R);
    return true;
  });
} catch (...) {
  VIX->Push("Procedure TfmEditor.btIgnoreCodeClick");
  throw;
}

void TfmEditor::ShowSourceInMemo(const std::string& Source, int Origin) try {
  mCode->SetText(MemoText(Source), clBlack);
  FSummaryShown = false;
  FMemoOrigin = Origin;
} catch (...) {
  VIX->Push("Procedure TfmEditor.ShowSourceInMemo");
  throw;
}

// The one place where a source position becomes a memo position: the memo's
// index counts a line break as two characters, as the source does.
void TfmEditor::ColorSourceRange(int P, int Length, const QColor& Color) try {
  mCode->SetColor(P - FMemoOrigin, Length, Color);
} catch (...) {
  VIX->Push("Procedure TfmEditor.ColorSourceRange");
  throw;
}

void TfmEditor::RoutineToMemo(int Row) try {
  ClearMemo();
  if (CurrentUnit == nullptr || Row < 0) return;
  TSourceScanner& s = *CurrentUnit->Scanner;
  if (Row >= static_cast<int>(s.Routines.size())) return;
  const TRoutineInfo* r = s.Routines[static_cast<std::size_t>(Row)];
  // The heading is put at the begin line's indentation, like the body.
  const std::string margin = s.GetRoutineMargin(r);
  std::string code;
  s.GetRoutineCode(r, code);
  ShowSourceInMemo(margin + code, r->Position - static_cast<int>(margin.size()));
  if (r->CodeState == 4) {
    const int p = s.GetRoutineIgnoreCodePos(r);
    if (p >= 0) ColorSourceRange(p, static_cast<int>(IgnoreMarker.size()), clPurple);
  } else {
    const int e = s.GetRoutineClauseIdx(Row);
    if (e >= 0) {
      const QColor color = GetCodeColor(Row);
      const int t = s.GetTryClauseIdx(e);
      if (t >= 0) ColorSourceRange(s.Keywords[static_cast<std::size_t>(t)]->Position, 3, color);
      const auto& clause = static_cast<const TExceptClauseInfo&>(*s.Keywords[static_cast<std::size_t>(e)]);
      ColorSourceRange(clause.Position, ClauseLength(s, clause), color);
    }
  }
  QTextCursor start = mCode->textCursor();
  start.movePosition(QTextCursor::Start);
  mCode->setTextCursor(start);
} catch (...) {
  VIX->Push("Procedure TfmEditor.RoutineToMemo");
  throw;
}

void TfmEditor::btMemoFontClick(QObject*) try {
  // Cancel gives the default text back: the current size again.
  const std::string answer = InputBox(Trt("Code Font Size"), Trt("Enter New Font Size"), IntToStr(FCodeFontSize));
  const int size = IsInt(answer) ? StrToInt(answer) : -1;
  if (size <= 0) {
    ShowError(Trt("Invalid Font Size"));
    return;
  }
  if (size < MinCodeFontSize || size > MaxCodeFontSize) {
    ShowError(Trt("The Font Size Must Lie Between 6 and 72."));
    return;
  }
  SetCodeFontSize(size);
  IniFile->WriteInteger("GUI", "CodeFontSize", size);
} catch (...) {
  VIX->Push("Procedure TfmEditor.btMemoFontClick");
  throw;
}

void TfmEditor::SetCodeFontSize(int Size) try {
  FCodeFontSize = Size;
  mCode->setFont(DesignFont(Size));
  RealignSummaryColumns(*mCode);
} catch (...) {
  VIX->Push("Procedure TfmEditor.SetCodeFontSize");
  throw;
}

void TfmEditor::btHelpClick(QObject*) try {
  pmHelp->popup(QCursor::pos());
} catch (...) {
  VIX->Push("Procedure TfmEditor.btHelpClick");
  throw;
}

void TfmEditor::miHelpColorsClick(QObject*) try {
  const std::unique_ptr<TfmInfosColors> legend(new TfmInfosColors(this));
  fmInfosColors = legend.get();
  legend->ShowModal();
} catch (...) {
  VIX->Push("Procedure TfmEditor.miHelpColorsClick");
  throw;
}

void TfmEditor::miHelpScannerClick(QObject*) try {
  OpenHelpFile(HelpFile, true);
} catch (...) {
  VIX->Push("Procedure TfmEditor.miHelpScannerClick");
  throw;
}

void TfmEditor::miHelpErrorMessagesClick(QObject*) try {
  OpenHelpFile("scanner_errors.htm", true);
} catch (...) {
  VIX->Push("Procedure TfmEditor.miHelpErrorMessagesClick");
  throw;
}
