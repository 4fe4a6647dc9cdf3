// The source-file page: the units of the current application in five
// columns under the header, ticked for the scanner, sorted, ignored, added,
// removed, found again from the sources, and "Secure Code".
#include <QPainter>
#include <algorithm>

#include "AppObjects.h"
#include "BusyGuards.h"
#include "ComboBox.h"
#include "Editor.h"
#include "Files.h"
#include "Guide.h"
#include "HeaderControl.h"
#include "ImageList.h"
#include "LoggedOperation.h"
#include "Lumbrick.h"
#include "Main.h"
#include "MessageBoxes.h"
#include "QtText.h"
#include "Settings.h"
#include "SourceRow.h"
#include "StringHelpers.h"
#include "SysUtils.h"
#include "Translator.h"

namespace {
// The unit of a row of the current application, or nullptr.
TUnit* UnitAt(int Index) try {
  return CurrentAppli ? CurrentAppli->Units.GetUnit(Index) : nullptr;
} catch (...) {
  VIX->Push("Function UnitAt");
  throw;
}
}  // namespace

void TfmMain::CheckIfEnabled() try {
  if (!EditorAbsent && fmEditor != nullptr && fmEditor->isVisible())
    ShowErrorAndAbort(Trt("Close Source Files Scanner First"));
} catch (...) {
  VIX->Push("Procedure TfmMain.CheckIfEnabled");
  throw;
}

void TfmMain::UnitList_To_clbFiles() try {
  FUnitRows.clear();
  clbFiles->Clear();
  CheckAppli();
  for (const auto& unit : CurrentAppli->Units) FUnitRows.push_back(unit->GetCheckListString());
  // All rows at once: the list lays out only the rows in view.
  clbFiles->SetCount(static_cast<int>(FUnitRows.size()));
  for (int i = 0; i < CurrentAppli->Units.Count(); ++i) clbFiles->SetChecked(i, CurrentAppli->Units.GetUnit(i)->Selected);
  UpdateGuideInfos();
} catch (...) {
  VIX->Push("Procedure TfmMain.UnitList_To_clbFiles");
  throw;
}

void TfmMain::ScannerClosed() try {
  if (!CurrentAppli || !Applis) return;
  // The list's entry of the current application reads the section that the
  // window has just written.
  for (int i = 0; i < Applis->Count(); ++i) {
    TAppli* appli = Applis->GetAppli(i);
    if (appli->FileName != CurrentAppli->FileName) continue;
    appli->ReadFromFile();
    if (i == ShownAppliIndex) ShowLastUpdate(*appli);
  }
  UnitList_To_clbFiles();
} catch (...) {
  VIX->Push("Procedure TfmMain.ScannerClosed");
  throw;
}

void TfmMain::clbFilesDrawItem(QPainter& Canvas, int Index, const QRect& Rect, TOwnerDrawState State) try {
  Canvas.fillRect(Rect, Canvas.brush());
  SplitDelimitedTextIntoStrings(FUnitRows.at(static_cast<std::size_t>(Index)), ";", ColumnTexts);
  std::array<int, 6> widths{};
  for (std::size_t i = 0; i < widths.size(); ++i) widths[i] = hcFiles->SectionWidth(static_cast<int>(i));
  const QFontMetrics metrics = Canvas.fontMetrics();
  const std::string relativeTo =
      GUIOptions.ShowRelativePath && CurrentAppli ? ExtractFilePath(CurrentAppli->FileName) : std::string();
  const TSourceRowLook look = SourceRowLook(
      ColumnTexts, ColumnLefts, widths, [&](const std::string& Text) { return metrics.horizontalAdvance(Qs(Text)); },
      State.Selected, relativeTo);
  if (look.Ignored) imBugs->Draw(Canvas, Rect.left() + look.MarkX, Rect.top(), 0);
  for (const TSourceRowRun& run : look.Runs) {
    Canvas.setPen(run.Color);
    Canvas.drawText(QRect(Rect.left() + run.X, Rect.top(), 0x7FFF, Rect.height()),
                    Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, Qs(run.Text));
  }
} catch (...) {
  VIX->Push("Procedure TfmMain.clbFilesDrawItem");
  throw;
}

void TfmMain::hcFilesSectionResize(THeaderControl*, int) try {
  CheckIfEnabled();
  ColumnLefts[0] = 5;
  ColumnLefts[1] = 25;
  for (int k = 2; k <= 4; ++k) ColumnLefts[k] = hcFiles->SectionWidth(k) + ColumnLefts[k - 1];
  // The last section takes the rest of the header's width by itself. Every
  // write replaces the settings file whole: a width it already holds, as at
  // each start, is not written again.
  const std::vector<std::pair<std::string, std::string>> stored = IniFile->ReadSectionValues("GUI");
  for (int k = 2; k <= 4; ++k) {
    const std::string key = "HeaderWidth0" + IntToStr(k);
    const std::string width = IntToStr(hcFiles->SectionWidth(k));
    const auto same = [&](const std::pair<std::string, std::string>& entry) {
      return SameText(entry.first, key) && entry.second == width;
    };
    if (std::none_of(stored.begin(), stored.end(), same)) IniFile->WriteString("GUI", key, width);
  }
  clbFiles->viewport()->update();
} catch (...) {
  VIX->Push("Procedure TfmMain.hcFilesSectionResize");
  throw;
}

void TfmMain::hcFilesSectionClick(THeaderControl*, int Section) try {
  CheckIfEnabled();
  CheckAppli();
  CurrentAppli->Units.SortUnits(Section);
  UnitList_To_clbFiles();
} catch (...) {
  VIX->Push("Procedure TfmMain.hcFilesSectionClick");
  throw;
}

void TfmMain::btSelectAllClick(QObject*) try {
  CheckIfEnabled();
  CheckAppli();
  for (int i = 0; i < clbFiles->Count(); ++i)
    if (TUnit* unit = UnitAt(i)) {
      clbFiles->SetChecked(i, unit->Included);
      unit->Selected = clbFiles->Checked(i);
    }
} catch (...) {
  VIX->Push("Procedure TfmMain.btSelectAllClick");
  throw;
}

void TfmMain::btUnselectAllClick(QObject*) try {
  CheckIfEnabled();
  CheckAppli();
  for (int i = 0; i < clbFiles->Count(); ++i)
    if (TUnit* unit = UnitAt(i)) {
      clbFiles->SetChecked(i, false);
      unit->Selected = false;
    }
} catch (...) {
  VIX->Push("Procedure TfmMain.btUnselectAllClick");
  throw;
}

void TfmMain::clbFilesClickCheck(QObject*) try {
  const int index = clbFiles->ItemIndex();
  try {
    CheckIfEnabled();
    CheckAppli();
  } catch (const EAbort&) {
    // A refused tick is no tick: the box shows the unit's state again.
    const TUnit* unit = UnitAt(index);
    clbFiles->SetChecked(index, unit != nullptr && unit->Selected);
    throw;
  }
  TUnit* unit = UnitAt(index);
  if (unit == nullptr) return;
  if (!unit->Included) clbFiles->SetChecked(index, false);
  unit->Selected = clbFiles->Checked(index);
} catch (...) {
  VIX->Push("Procedure TfmMain.clbFilesClickCheck");
  throw;
}

void TfmMain::btRefreshListClick(QObject*) try {
  CheckAppli();
  CheckIfEnabled();
  THourGlass hourglass;
  TDisabledWindow disabled(FClient);
  RunLogged(CurrentAppli->FileName + " : " + Trt("Refresh List"), [this] {
    Application->ProcessMessages();
    CurrentAppli->FindUnitsFromSources();
    CurrentAppli->WriteUnitsToFile();
    UnitList_To_clbFiles();
  });
} catch (...) {
  VIX->Push("Procedure TfmMain.btRefreshListClick");
  throw;
}

void TfmMain::btIgnoreClick(QObject*) try {
  CheckAppli();
  CheckIfEnabled();
  const int index = clbFiles->ItemIndex();
  TUnit* unit = UnitAt(index);
  if (unit == nullptr) return;
  unit->Included = !unit->Included;
  unit->Selected = false;
  UnitList_To_clbFiles();
  clbFiles->SetItemIndex(index);
  CurrentAppli->WriteUnitsToFile();
} catch (...) {
  VIX->Push("Procedure TfmMain.btIgnoreClick");
  throw;
}

void TfmMain::btAddUnitClick(QObject*) try {
  CheckAppli();
  CheckIfEnabled();
  const bool chosen = ExecuteFileDialog(odSource);
  if (chosen) {
    if (CurrentAppli->Units.GetUnitIndex(odSource.FileName) != -1)
      ShowErrorAndAbort(odSource.FileName + Trt(" is Already in Source File List"));
    CurrentAppli->Units.Add(std::make_unique<TUnit>(odSource.FileName));
  }
  if (chosen || !CurrentAppli->UnitListDamaged) CurrentAppli->WriteUnitsToFile();
  UnitList_To_clbFiles();
} catch (...) {
  VIX->Push("Procedure TfmMain.btAddUnitClick");
  throw;
}

void TfmMain::btRemoveUnitClick(QObject*) try {
  CheckIfEnabled();
  const int index = clbFiles->ItemIndex();
  const TUnit* unit = UnitAt(index);
  if (unit == nullptr) return;
  if (!YesNo(unit->FileName + "\r\n" + Trt("will be Removed from Source File List.") + "\r\n\r\n" + Trt("Confirm ?")))
    return;
  CurrentAppli->Units.RemoveUnit(index);
  CurrentAppli->WriteUnitsToFile();
  UnitList_To_clbFiles();
} catch (...) {
  VIX->Push("Procedure TfmMain.btRemoveUnitClick");
  throw;
}

void TfmMain::cbPathClick(QObject*) try {
  try {
    CheckIfEnabled();
  } catch (const EAbort&) {
    // A refused choice is no choice: the box shows the option again.
    cbPath->SetItemIndex(GUIOptions.ShowRelativePath ? 1 : 0);
    throw;
  }
  GUIOptions.ShowRelativePath = cbPath->ItemIndex() == 1;
  WriteGUIOptions(fmGuide->isVisible());
  UnitList_To_clbFiles();
} catch (...) {
  VIX->Push("Procedure TfmMain.cbPathClick");
  throw;
}

void TfmMain::btUpdateCodeClick(QObject*) try {
  CheckAppli();
  CheckIfEnabled();
  int ticked = 0;
  for (int i = 0; i < clbFiles->Count(); ++i)
    if (clbFiles->Checked(i)) ++ticked;
  if (ticked == 0) {
    ShowError(Trt("No Source File Selected"));
    return;
  }
  // Its creation sets fmEditor and clears EditorAbsent.
  if (EditorAbsent) new TfmEditor(this);
  const int result = fmEditor->SetScanOptions();
  if (result == 1 || result == 8) {
    fmEditor->ShowUnits();
    fmEditor->ExecuteShow(result == 8);
  }
} catch (...) {
  VIX->Push("Procedure TfmMain.btUpdateCodeClick");
  throw;
}
