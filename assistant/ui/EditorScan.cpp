// The scanner window's operations on source files: the options dialog and
// the first show, scanning one or all shown units under the operation log,
// saving, the scan and save menus, and closing.
#include <QCheckBox>
#include <QCursor>
#include <QMenu>
#include <functional>
#include <memory>

#include "AppObjects.h"
#include "BusyGuards.h"
#include "Editor.h"
#include "EditorOptions.h"
#include "Files.h"
#include "ImageList.h"
#include "Log.h"
#include "LoggedOperation.h"
#include "Lumbrick.h"
#include "Main.h"
#include "MessageBoxes.h"
#include "QtText.h"
#include "ScopedFlag.h"
#include "Settings.h"
#include "StringHelpers.h"
#include "SysUtils.h"
#include "Translator.h"
#include "TryFinally.h"

namespace {

// A menu item's caption shows "&" itself rather than marking a shortcut.
QString MenuText(const std::string& Text) { return Qs(Text).replace(QLatin1Char('&'), QLatin1String("&&")); }

// A routine heading on one log line: a heading may run over several lines.
std::string OneLine(std::string Header) try {
  CleanCode(Header);
  return Header;
} catch (...) {
  VIX->Push("Function OneLine");
  throw;
}

// The question before a save over a file that changed since it was read.
std::string ChangedOnDiskQuestion(const std::string& Rel, bool Exists) try {
  if (Exists) return Rel + Trt(" has Changed on Disk since it was Read.") + " " + Trt("Overwrite it ?");
  return Rel + Trt(" has been Deleted since it was Read.") + " " + Trt("Save it Anyway ?");
} catch (...) {
  VIX->Push("Function ChangedOnDiskQuestion");
  throw;
}

}  // namespace

int TfmEditor::SetScanOptions() try {
  const std::unique_ptr<TfmScanOptions> dialog(new TfmScanOptions(this));
  fmScanOptions = dialog.get();
  return dialog->ShowModal();
} catch (...) {
  VIX->Push("Function TfmEditor.SetScanOptions");
  throw;
}

void TfmEditor::ExecuteShow(bool ScanAll) try {
  show();
  raise();
  activateWindow();
  DoSourcesSelectCell(0);
  if (ScanAll) miScanAllClick(this);
} catch (...) {
  VIX->Push("Procedure TfmEditor.ExecuteShow");
  throw;
}

void TfmEditor::ScanUnit(TUnit* U) try {
  if (U == nullptr) return;
  const std::string rel = RelativePath(*U);
  fmLog->AddMsg(rel + "...");
  if (fmLog->Cancelled()) Abort();
  TSourceScanner& s = *U->Scanner;
  bool read = true;
  if (!s.Loaded)
    ReadUnit(*U, [&] {
      fmLog->DisplayInfo(Trt("Loading Text..."));
      if (fmLog->Cancelled()) Abort();
      read = LoadSource(s);
      if (!read) return;
      fmLog->DisplayInfo(Trt("Scanning Keywords..."));
      if (fmLog->Cancelled()) Abort();
      s.FillKeyWordsList();
      s.GetStats(s.Modifications, s.InitialCodeStatus);
    });
  if (!read) {
    fmLog->ChangeMsg("(clRed)" + rel + "\t" + Trt("Impossible to Read File"));
    return;
  }
  if (s.ErrorCode != 0) {
    fmLog->ChangeMsg("(clRed)" + rel + "\t" + Trt("File has Errors"));
    return;
  }
  fmLog->DisplayInfo(Trt("Scanning Routines..."));
  if (fmLog->Cancelled()) Abort();
  s.ScanRoutines();
  s.GetStats(s.Modifications, s.ActualCodeStatus);
  fmLog->ChangeMsg(rel + "\t" + Trt("Code Added") + " : " + IntToStr(s.Modifications[0]) + "\t" + Trt(" Updated") +
                   " : " + IntToStr(s.Modifications[1]) + "\t" + Trt(" Removed") + " : " +
                   IntToStr(s.Modifications[2]));
  // A routine whose edit was refused keeps its state; the user learns why.
  for (const TRefusedEdit& refused : s.RefusedEdits)
    fmLog->AddMsg("(clRed)" + rel + "\t" +
                  OneLine(s.Routines[static_cast<std::size_t>(refused.RoutineIndex)]->Header) + "\t" +
                  Trt(refused.Reason));
  U->Scanned = true;
} catch (...) {
  VIX->Push("Procedure TfmEditor.ScanUnit");
  throw;
}

// Holds Busy and keeps the window disabled and the hourglass for the whole
// operation; the log is closed first, then those are released, also after a
// cancel or a failure.
void TfmEditor::RunScanOperation(const std::string& Title, const std::function<void()>& Work) try {
  CheckAppli();
  const TDisabledWindow disabled(this);
  const TScopedFlag busy(Busy);  // also when the operation fails
  const THourGlass hourglass;
  RunLogged(CurrentAppli->FileName + " : " + Title, [&] {
    fmLog->ShowCancel();
    Work();
  });
} catch (...) {
  VIX->Push("Procedure TfmEditor.RunScanOperation");
  throw;
}

void TfmEditor::ShowScanned(int Row) try {
  sgSources->Invalidate();
  sgProcs->Invalidate();
  if (Row < 0) return;
  // A Cancel stops the work that is left, never the showing of what was
  // done: one pressed meanwhile waits for the operation's end.
  const TfmLog::TCancelHeld held(*fmLog);
  DoSourcesSelectCell(Row);
} catch (...) {
  VIX->Push("Procedure TfmEditor.ShowScanned");
  throw;
}

void TfmEditor::miScanFileClick(QObject*) try {
  RunScanOperation(Trt("Scan Source File"), [this] {
    TryFinally(
        [this] {
          ScanUnit(CurrentUnit);
          fmLog->Success = true;
        },
        [this] { ShowScanned(sgSources->Row()); });
  });
} catch (...) {
  VIX->Push("Procedure TfmEditor.miScanFileClick");
  throw;
}

void TfmEditor::miScanAllClick(QObject*) try {
  RunScanOperation(Trt("Scan All Source Files"), [this] {
    int n = 0;
    TryFinally(
        [&] {
          for (const auto& unit : CurrentAppli->Units) {
            if (!unit->Selected) continue;
            ScanUnit(unit.get());
            ++n;
            if (fmLog->Cancelled()) Abort();
          }
          fmLog->AddBlank();
          fmLog->AddMsg(IntToStr(n) + Trt(" Source Files Scanned"));
          fmLog->Success = true;
        },
        [this] {
          // The shown unit again, as after Scan File: its summary and routines
          // would otherwise keep the figures from before the scan.
          for (int row = 0; CurrentUnit != nullptr && row < sgSources->RowCount(); ++row)
            if (sgSources->Objects(row) == CurrentUnit) {
              ShowScanned(row);
              break;
            }
        });
  });
} catch (...) {
  VIX->Push("Procedure TfmEditor.miScanAllClick");
  throw;
}

void TfmEditor::SaveUnit(TUnit* U) try {
  if (U == nullptr) {
    ShowError(Trt("No Source File Selected"));
    return;
  }
  if (U->Status == "Error") {
    // Named: a Save All meets it among others.
    ShowError(Trt("Source File has Errors") + " : " + RelativePath(*U));
    return;
  }
  TSourceScanner& s = *U->Scanner;
  if (s.FileState != 1) return;  // not modified: nothing to say
  if (GUIOptions.ConfirmOverwrite && !YesNo(Trt("Save ") + RelativePath(*U) + " ?")) return;
  // Edited elsewhere or deleted since it was read: written only when the
  // user wants the text shown here to replace what is there now.
  if (s.FileChangedOnDisk() && !YesNo(ChangedOnDiskQuestion(RelativePath(*U), FileExists(U->FileName)))) return;
  // A failed write shows its error box and ends the save with the silent
  // abort, the file untouched: the unit stays modified and is marked, and a
  // Save All goes on with the next unit.
  try {
    s.SaveSourceFile();
  } catch (const EAbort&) {
    FSaveFailed.insert(U);
    return;
  }
  FSaveFailed.erase(U);
  U->ReadFileDate();
  const TDateTime now = Now();
  U->LastUpdate = now;
  if (CurrentAppli && now > CurrentAppli->LastUpdate) CurrentAppli->LastUpdate = now;
  FDatesToStore = true;
  // The summary shown gives the date of the file just written.
  if (U == CurrentUnit && FSummaryShown) ShowSummary(*U);
} catch (...) {
  VIX->Push("Procedure TfmEditor.SaveUnit");
  throw;
}

void TfmEditor::miSaveFileClick(QObject*) try {
  CheckAppli();
  SaveUnit(CurrentUnit);
  sgSources->Invalidate();
} catch (...) {
  VIX->Push("Procedure TfmEditor.miSaveFileClick");
  throw;
}

void TfmEditor::miSaveAllClick(QObject*) try {
  CheckAppli();
  for (const auto& unit : CurrentAppli->Units) {
    if (!unit->Selected) continue;
    SaveUnit(unit.get());
    sgSources->Invalidate();
  }
} catch (...) {
  VIX->Push("Procedure TfmEditor.miSaveAllClick");
  throw;
}

void TfmEditor::StoreSaveDates() try {
  if (!FDatesToStore || !CurrentAppli) return;
  CurrentAppli->WriteUnitsToFile();
  CurrentAppli->WriteToFile();
  FDatesToStore = false;
} catch (...) {
  VIX->Push("Procedure TfmEditor.StoreSaveDates");
  throw;
}

void TfmEditor::btCheckUnitClick(QObject*) try {
  pmScan->popup(QCursor::pos());
} catch (...) {
  VIX->Push("Procedure TfmEditor.btCheckUnitClick");
  throw;
}

void TfmEditor::btSaveUnitClick(QObject*) try {
  pmSave->popup(QCursor::pos());
} catch (...) {
  VIX->Push("Procedure TfmEditor.btSaveUnitClick");
  throw;
}

void TfmEditor::pmScanPopup(QObject*) try {
  const TUnit* u = sgSources->Objects(sgSources->Row());
  miScanFile->setText(u == nullptr ? Qs(Trt("Scan File")) : MenuText(Trt("Scan ") + RelativePath(*u)));
} catch (...) {
  VIX->Push("Procedure TfmEditor.pmScanPopup");
  throw;
}

void TfmEditor::pmSavePopup(QObject*) try {
  const TUnit* u = sgSources->Objects(sgSources->Row());
  if (u == nullptr) {
    miSaveFile->setText(Qs(Trt("Save File")));
    return;
  }
  miSaveFile->setText(MenuText(Trt("Save ") + RelativePath(*u)));
  const bool savable = u->Scanner->FileState == 1 && u->Status != "Error";
  miSaveFile->setIcon(imUnits.Icon(savable ? 3 : 4));
} catch (...) {
  VIX->Push("Procedure TfmEditor.pmSavePopup");
  throw;
}

void TfmEditor::cbConfirmSavesClick(QObject*) try {
  GUIOptions.ConfirmOverwrite = cbConfirmSaves->isChecked();
} catch (...) {
  VIX->Push("Procedure TfmEditor.cbConfirmSavesClick");
  throw;
}

void TfmEditor::FormCloseQuery(bool& CanClose) try {
  // The operation running would lose its window.
  CanClose = !Busy;
  if (Busy) return;
  int n = 0;
  for (int row = 0; row < sgSources->RowCount(); ++row) {
    const TUnit* u = sgSources->Objects(row);
    if (u != nullptr && u->Scanner->FileState == 1) ++n;
  }
  if (n == 0) return;
  const std::string text =
      n == 1 ? Trt("One File is Modified and not Saved.") : IntToStr(n) + Trt(" Files are Modified and not Saved.");
  CanClose = YesNo(text + " " + Trt("Quit Anyway ?"));
} catch (...) {
  VIX->Push("Procedure TfmEditor.FormCloseQuery");
  throw;
}

void TfmEditor::FormClose(QObject*) try {
  // Changes not saved are dropped, also when the dates could not be stored
  // (that failure goes on to the library): the next window reads every unit
  // again.
  TryFinally([this] { StoreSaveDates(); },
             [this] {
               if (CurrentAppli)
                 for (const auto& unit : CurrentAppli->Units) {
                   unit->Scanned = false;
                   unit->Scanner->Loaded = false;
                   unit->Scanner->FileState = 0;
                 }
               FSaveFailed.clear();
               EditorAbsent = true;
               if (fmMain != nullptr) fmMain->ScannerClosed();
             });
  // The window frees itself (WA_DeleteOnClose).
} catch (...) {
  VIX->Push("Procedure TfmEditor.FormClose");
  throw;
}
