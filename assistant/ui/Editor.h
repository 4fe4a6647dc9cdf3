// Unit Editor: the source files scanner window, where the protective blocks
// of the ticked units of the current application are inspected and
// maintained. It exists at most once: the main window's "Secure Code" creates
// it (with itself as owner) while EditorAbsent is True, asks SetScanOptions,
// then fills it with ShowUnits and shows it with ExecuteShow. Closing it
// resets every unit of the current application and frees the window.
//
// The main window and this window work on the same unit objects of
// CurrentAppli: while this window exists, nothing may free or replace them.
#pragma once

#include "Form.h"

class TfmEditor final : public TForm {
 public:
  // Builds the window hidden and runs FormCreate (EditorAbsent := False).
  explicit TfmEditor(QWidget* Owner = nullptr);
  // EditorAbsent := True; fmEditor := nullptr.
  ~TfmEditor() override;

  // Captions and hints in the current language; again after a switch.
  void TranslateFirst();
  // One source row per Selected unit of the current application, in list
  // order.
  void ShowUnits();
  // Runs the scanner options dialog: 1 validated, 8 validated with a request
  // to scan all, 2 cancelled.
  int SetScanOptions();
  // Shows the window and the unit of row 0; with ScanAll, Scan All at once.
  void ExecuteShow(bool ScanAll);
  // The guide's text for this window (state 1001), while the guide is shown.
  void UpdateGuideInfos();
  // Writes the save dates that this window's saves set in memory (the units'
  // and the application's LastUpdate) into the unit-list file and the
  // application's section; nothing when no unit was saved since the last
  // call. Run when the window closes, and by the main window when the
  // program ends while the window still exists.
  void StoreSaveDates();
};

// The one scanner window, or nullptr.
extern TfmEditor* fmEditor;
// True while no scanner window exists.
extern bool EditorAbsent;
