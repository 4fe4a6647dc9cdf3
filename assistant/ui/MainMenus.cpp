// The main window's menus: the other windows, the last bug report, the web
// browser, the language of every open window, the help pages; and the
// guide's texts for the main window's pages.
#include <QAction>
#include <QMenu>

#include "About.h"
#include "AppObjects.h"
#include "Browser.h"
#include "CommonGlobals.h"
#include "Dialogs.h"
#include "Editor.h"
#include "ExeSelection.h"
#include "Files.h"
#include "Guide.h"
#include "GuiScreen.h"
#include "HelpFiles.h"
#include "HostPaths.h"
#include "Log.h"
#include "Lumbrick.h"
#include "Main.h"
#include "MessageBoxes.h"
#include "PageControl.h"
#include "Settings.h"
#include "SysUtils.h"
#include "Translator.h"
#include "TryFinally.h"

namespace {
const char* const CRLF = "\r\n";
}  // namespace

void TfmMain::miViewClick(QObject*) try {
  miViewScanner->setEnabled(!EditorAbsent);
  miGuide->setChecked(fmGuide->isVisible());
  miViewLogFile->setChecked(fmLog->isVisible());
} catch (...) {
  VIX->Push("Procedure TfmMain.miViewClick");
  throw;
}

void TfmMain::miViewScannerClick(QObject*) try {
  if (EditorAbsent || fmEditor == nullptr) return;
  fmEditor->show();
  fmEditor->raise();
  fmEditor->activateWindow();
} catch (...) {
  VIX->Push("Procedure TfmMain.miViewScannerClick");
  throw;
}

void TfmMain::miViewLogFileClick(QObject*) try {
  fmLog->setVisible(!fmLog->isVisible());
  miViewLogFile->setChecked(fmLog->isVisible());
} catch (...) {
  VIX->Push("Procedure TfmMain.miViewLogFileClick");
  throw;
}

void TfmMain::miViewLastBugReportClick(QObject*) try {
  // The name the library falls back to when a numbered report cannot be
  // created; numbered reports are not looked at.
  const std::string report = ExeDir + "BugReport.htm";
  // Also said when the browser cannot be started or fails later.
  const auto noBrowser = [report] {
    ShowMessage(Trt("No Web Browser Available. Consult ") + report + Trt(" Directly from Windows"));
  };
  if (!FileExists(report))
    ShowError(Trt("Sorry but no BugReport can be Found"));
  else if (!ProgramExists(BrowserPath) || !StartBrowser(report, noBrowser))
    noBrowser();
} catch (...) {
  VIX->Push("Procedure TfmMain.miViewLastBugReportClick");
  throw;
}

void TfmMain::miSelectBrowserClick(QObject*) try {
  SelectExeFile(BrowserPath, Trt("Web Browser"), ExtractFilePath(BrowserPath), true, ExtractFileName(BrowserPath));
  WriteExternalPrograms();
} catch (...) {
  VIX->Push("Procedure TfmMain.miSelectBrowserClick");
  throw;
}

void TfmMain::miLanguageClick(QObject*) try {
  (Language == 1 ? miEnglish : miFrench)->setChecked(true);
} catch (...) {
  VIX->Push("Procedure TfmMain.miLanguageClick");
  throw;
}

void TfmMain::miEnglishClick(QObject* Sender) try {
  // A search path typed and not yet stored is the user's data: stored as a
  // line change stores it, before the pages are laid out again.
  SaveChangesIfNeeded(ShownAppliIndex);
  Language = Sender == miFrench ? 2 : 1;
  VIX->Language = Language;
  WriteGUIOptions(fmGuide->isVisible());
  TranslateFirst();
  if (!EditorAbsent && fmEditor != nullptr) fmEditor->TranslateFirst();
  fmLog->TranslateFirst();
  fmGuide->TranslateFirst();
  if (fmGuide->isVisible()) {
    fmGuide->GuideState = -1;
    UpdateGuideInfos();
  }
  // Lays out the source-file page's buttons for the language; without a
  // current application it ends here, silently. The page's tab names, as
  // before, the application a click on it opens.
  TryFinally([this] { ShowAppli(); }, [this] { NameUnitsTab(); });
} catch (...) {
  VIX->Push("Procedure TfmMain.miEnglishClick");
  throw;
}

void TfmMain::miHelpHelpClick(QObject*) try {
  const TForm* active = TGuiScreen::ActiveTForm();
  OpenHelpFile(active != nullptr ? active->HelpFile : HelpFile, true);
} catch (...) {
  VIX->Push("Procedure TfmMain.miHelpHelpClick");
  throw;
}

void TfmMain::miHomeClick(QObject*) try {
  OpenHelpFile("index.htm", true);
} catch (...) {
  VIX->Push("Procedure TfmMain.miHomeClick");
  throw;
}

void TfmMain::miTQuellumReferencesClick(QObject*) try {
  OpenHelpFile("ql_ref.htm", true);
} catch (...) {
  VIX->Push("Procedure TfmMain.miTQuellumReferencesClick");
  throw;
}

void TfmMain::miQuellumClick(QObject*) try {
  OpenHelpFile("ql_implementation.htm", true);
} catch (...) {
  VIX->Push("Procedure TfmMain.miQuellumClick");
  throw;
}

void TfmMain::miLumbrickClick(QObject*) try {
  OpenHelpFile("ql_assist.htm", true);
} catch (...) {
  VIX->Push("Procedure TfmMain.miLumbrickClick");
  throw;
}

void TfmMain::miHelpAboutClick(QObject*) try {
  TfmAboutBox box(this);
  box.ShowModal();
} catch (...) {
  VIX->Push("Procedure TfmMain.miHelpAboutClick");
  throw;
}

void TfmMain::miDebugClick(QObject*) try {
  // The caption is never a number: the conversion's failure shows the
  // library's report road.
  ShowMessage(IntToStr(StrToInt(Caption())));
} catch (...) {
  VIX->Push("Procedure TfmMain.miDebugClick");
  throw;
}

void TfmMain::miGuideClick(QObject*) try {
  TForm* active = TGuiScreen::ActiveTForm();
  fmGuide->setVisible(!fmGuide->isVisible());
  miGuide->setChecked(fmGuide->isVisible());
  if (active == this)
    UpdateGuideInfos();
  else if (auto* editor = dynamic_cast<TfmEditor*>(active))
    editor->UpdateGuideInfos();
} catch (...) {
  VIX->Push("Procedure TfmMain.miGuideClick");
  throw;
}

void TfmMain::UpdateGuideInfos() try {
  if (fmGuide == nullptr || !fmGuide->isVisible()) return;
  fmGuide->HelpFile = HelpFile;
  std::string header;
  int state = 0;
  if (PageControl1->ActivePage() == tsApplis) {
    header = Trt("List of Applications : DPR files are registered here in order to maintain their code.");
    state = Applis == nullptr || Applis->Count() == 0 ? 2 : lbApps->ItemIndex() < 0 ? 3 : 1;
  } else {
    header = Trt("Source Files of Application : source files related to the application are listed here.");
    state = CurrentAppli && CurrentAppli->Units.Count() > 0 ? 10 : 11;
  }
  if (state == fmGuide->GuideState) return;
  const std::string manage = Trt("Use <Add> and <Remove> buttons to manage the list.");
  std::string text;
  switch (state) {
    case 1:
      text = Trt("Click <Select Application> button or <upper tab> to work on ") +
             FAppLines.at(static_cast<std::size_t>(lbApps->ItemIndex())) + CRLF + CRLF + manage;
      break;
    case 2:
      text = Trt("You have NO application in list. Click <Add File> button...");
      break;
    case 3:
      text = Trt("Select an application in list then click <Select Application> button or <upper tab>...") + CRLF + CRLF +
             manage;
      break;
    case 10:
      text = Trt("Select the files to update, then click <Update Code> button.") + CRLF + CRLF +
             Trt("Click <Refresh List> after you added or removed units in the application.") + CRLF + manage;
      break;
    default:
      text = Trt("This application has NO registrered file.") + CRLF + CRLF +
             Trt("Click <Refresh List> button in order to find source files from ") +
             (CurrentAppli ? ExtractFileName(CurrentAppli->FileName) : std::string()) + CRLF;
      break;
  }
  fmGuide->SetMsg(header, text);
  fmGuide->GuideState = state;
} catch (...) {
  VIX->Push("Procedure TfmMain.UpdateGuideInfos");
  throw;
}
