// The scanner window under test: a project folder with unit sources written
// by the test, registered in the settings file and made the current
// application with every unit ticked; the operation log window exists and is
// fmLog; the window is opened as "Secure Code" opens it and driven as a user
// would (clicks on the grids' rows, the buttons, the menu items).
#pragma once

#include <QPointer>
#include <string>
#include <vector>

#include "Editor.h"
#include "Log.h"
#include "UiFixture.h"

class QImage;

// The test units, CR LF line breaks.
namespace units {
// Routines 0 Alpha (Missing), 1 Beta (Correct), 2 Gamma (Incorrect),
// 3 Delta (Ignored), 4 Epsilon (Missing, calls Alpha, which raises),
// 5 Zeta (Correct, a four-line except clause).
extern const std::string Unit1;
// Unit1 as a scan with the actions "update" and "add" saves it.
extern const std::string SecuredUnit1;
// One Missing routine, no uses clause in its implementation.
extern const std::string Unit2;
// A stray end: error 52.
extern const std::string Broken;
// Routines at levels 1, 2 and 3.
extern const std::string Nested;
// 0 OneLiner (begin and end on one line), 1 Fast (an asm body), 2 Fine.
extern const std::string Refused;
}  // namespace units

class EditorTest : public UiTest {
 protected:
  EditorTest();
  ~EditorTest() override;

  // The unit's path in the project folder.
  std::string UnitPath(const std::string& Name) const { return dir.File("proj/" + Name); }
  std::string ProjectFile() const { return dir.File("proj/App.dpr"); }
  // Writes the units (name, source), lists them in the unit-list file and
  // makes the project current, every unit ticked.
  void OpenProject(const std::vector<std::pair<std::string, std::string>>& Units);
  // Creates the window, fills it and shows it as "Secure Code" does after
  // the options dialog gave 1 (or 8 with ScanAll).
  TfmEditor& OpenEditor(bool ScanAll = false);
  // A click on a row of a grid.
  void ClickRow(TObjectGridBase* Grid, int Row);
  // Both grids as drawn.
  QImage Rows(TObjectGridBase* Grid);

  std::vector<std::string> LogLines() const;
  std::vector<std::string> MemoLines() const;
  TUnit& UnitAt(int Index) const;

  TfmLog log;
  QPointer<TfmEditor> editor;
};
