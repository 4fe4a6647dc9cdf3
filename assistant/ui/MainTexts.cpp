// The main window's texts in the current language: captions, hints, dialog
// titles and filters. Set at creation and again after a language switch.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "ComboBox.h"
#include "HeaderControl.h"
#include "Lumbrick.h"
#include "Main.h"
#include "PageControl.h"
#include "QtText.h"
#include "SpeedButton.h"
#include "SysUtils.h"
#include "Translator.h"

namespace {

// A hint shows as the control's tooltip and, through its status tip, in the
// main window's status bar (AppHint).
void SetHint(QWidget* Control, const std::string& Hint) {
  Control->setToolTip(Qs(Hint));
  Control->setStatusTip(Qs(Hint));
}

void SetItem(QAction* Item, const std::string& Caption, const std::string& Hint) {
  Item->setText(Qs(Caption));
  Item->setStatusTip(Qs(Hint));
}

void SetItem(QMenu* Menu, const std::string& Caption, const std::string& Hint) {
  Menu->setTitle(Qs(Caption));
  Menu->menuAction()->setStatusTip(Qs(Hint));
}

void SetButton(TSpeedButton* Button, const std::string& Caption, const std::string& Hint) {
  Button->SetCaption(Caption);
  SetHint(Button, Hint);
}

}  // namespace

void TfmMain::TranslateFirst() try {
  SetButton(btAddUnit, Trt("Add File"), Trt("Add a Source File into the List"));
  SetHint(btIgnore, Trt("Include / Ignore Selected File"));
  SetButton(btRefreshList, Trt("Refresh List"), Trt("Find SourceFiles from Source Code then Refresh List"));
  SetButton(btRemoveUnit, Trt("Remove File"), Trt("Remove Source File from List"));
  SetHint(btSelectAll, Trt("Select All Files in List"));
  SetHint(btUnselectAll, Trt("Unselect All Files in List"));
  SetButton(btUpdateCode, Trt("Secure Code"), Trt("Update Lumbrick Code in Selected Files"));
  SetCaption(Trt(" Lumbrick Code Implementation and Maintenance"));
  // The path display keeps its choice across a language switch.
  cbPath->SetItems({Trt("Show Absolute Paths"), Trt("Show Relative Paths")});
  SetHint(clbFiles, Trt("Source File List : Click Header to Sort"));
  SetHint(edSearchPath, Trt("Search Path to Source Files"));
  hcFiles->SetSectionText(1, "");
  hcFiles->SetSectionText(2, Trt("Source File"));
  hcFiles->SetSectionText(3, Trt("Code Check"));
  hcFiles->SetSectionText(4, Trt("File Modification"));
  hcFiles->SetSectionText(5, Trt("Status"));
  SetHint(hcFiles, Trt("Click Column to Sort Source Files List"));
  SetButton(btSelectApplication, Trt("Select Application"), Trt("Select Application and Show Source Files"));
  SetItem(miGuide, Trt("Guide"), Trt("Displays Tips and Hints"));
  SetItem(miEnglish, Trt("English / Anglais"), Trt("Lumbrick in English"));
  SetItem(miFrench, Trt("French / Fran\xe7" "ais"), Trt("Lumbrick in French"));
  SetItem(miHelp, Trt("Help"), Trt("Help Options"));
  SetItem(miHelpAbout, Trt("About"), Trt("Informations About Lumbrick"));
  SetItem(miHelpHelp, Trt("Help"), Trt("User Help"));
  SetItem(miLanguage, Trt("Language"), Trt("Select Language"));
  SetItem(miOptions, Trt("Options"), Trt("Options  Options :o)"));
  odExe.Title = Trt("Select a Program");
  odExe.Filter = Trt("Program Files (*.exe)|*.exe|All Files (*.*)|*.*");
  odSource.Title = Trt("Select a Source File");
  odSource.Filter = Trt("Delphi Source Files (*.pas)|*.pas|All Files (*.*)|*.*");
  SetItem(miSelectBrowser, Trt("Select Web Browser"), Trt("A Browser is Required to Consult Help or BugReport"));
  SetItem(miView, Trt("View"), Trt("View Options"));
  SetItem(miViewScanner, Trt("Scanner"), Trt("View Code Scanner"));
  SetItem(miViewLastBugReport, Trt("Last BugReport"), Trt("Open Last HTML BugReport (if any)"));
  SetItem(miViewLogFile, Trt("Last Operation Log"), Trt("Open Last Operation Log Window"));
  SetItem(miTQuellumReferences, Trt("TLumbrick References"), Trt("Help about TLumbrick class"));
  SetItem(miStepByStep, Trt("How to Use"), Trt("Step by Step Tutorial"));
  SetItem(miQuellum, Trt("TLumbrick Class"), Trt("Implement TLumbrick Step by Step"));
  SetItem(miLumbrick, Trt("Lumbrick"), Trt("Use Lumbrick Step by Step"));
  PageControl1->setTabText(PageControl1->indexOf(tsApplis), Qs(Trt("List of Applications")));
  PageControl1->setTabText(PageControl1->indexOf(tsUnits), Qs(Trt("Selected Application")));
  TranslateAppliFirst();
} catch (...) {
  VIX->Push("Procedure TfmMain.TranslateFirst");
  throw;
}

void TfmMain::TranslateAppliFirst() try {
  SetButton(btAdd, Trt("Add File"), Trt("Add a DPR File in List"));
  SetButton(btAddPath, Trt("Add Path"), Trt("Add a Path to SearchPath"));
  SetButton(btRemove, Trt("Remove File"), Trt("Remove Selected Application From List"));
  cbConfirm->setText(Qs(Trt("Confirm")));
  SetHint(cbConfirm, Trt("Ask Before Removing an Application From List"));
  SetHint(edCreation, Trt("Application Added to List on"));
  SetHint(edDPR, Trt("Application DPR File"));
  SetHint(edSearchPath, Trt("Search Paths for Source Files"));
  SetHint(edUpdate, Trt("Lumbrick Code Updated on"));
  SetHint(lbApps, Trt("Application List"));
  lbCreation->setText(Qs(Trt("Creation")));
  lbDPR->setText(Qs(Trt("Appli File")));
  lbSearchPath->setText(Qs(Trt("Search Path")));
  lbUpdate->setText(Qs(Trt("Last Update")));
  OpenDialog1.Title = Trt("Select an Application");
  OpenDialog1.Filter = Trt("Applications (*.dpr)|*.dpr|All Files (*.*)|*.*");
  ShowAppliCount();
} catch (...) {
  VIX->Push("Procedure TfmMain.TranslateAppliFirst");
  throw;
}
