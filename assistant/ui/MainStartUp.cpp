// Creation, first show, activation and shut-down of the main window: the
// binding of the library, the settings, the shared services, the last
// application reopened, the start timer, the assistant's block of the
// technical text and the status bar's hint.
#include <QCloseEvent>
#include <QLineEdit>

#include "AppObjects.h"
#include "Browser.h"
#include "Colors.h"
#include "ComboBox.h"
#include "CommonGlobals.h"
#include "Editor.h"
#include "ExeSelection.h"
#include "FileSearch.h"
#include "Files.h"
#include "FormIcon.h"
#include "Guide.h"
#include "GuiScreen.h"
#include "GuiStatusBar.h"
#include "HeaderControl.h"
#include "Log.h"
#include "MessageBoxes.h"
#include "LoggedOperation.h"
#include "Lumbrick.h"
#include "Main.h"
#include "PageControl.h"
#include "Settings.h"
#include "StatusText.h"
#include "SysUtils.h"
#include "TextFile.h"
#include "Timer.h"
#include "Translator.h"
#include "UiColors.h"

TfmMain::~TfmMain() {
  // Qt runs no destruction event: the destructor stands for it. No protective
  // block: the program is ending, and every step runs whatever went before.
  FormDestroy(this);
  if (fmMain == this) fmMain = nullptr;
}

void TfmMain::FormCreate(QObject*) {
  VIX = new TLumbrick(Application);
  Application->OnException = [](TObject* Sender, Exception& E) { VIX->HandleException(Sender, E); };
  // From here on a failure is already reported by the library.
  try {
    // The folder as the file system spells it: re-casing it would name
    // another folder, or none, on this host.
    ExeDir = ExeDirOf(Application->ExeName());
    IconList = ilAppli;
    VIX->ModelFile = ExeDir + "vixModel.htm";
    VIX->OnOpenBrowser = OpenInBrowser;
    VIX->OnCustomInfo = [this](std::string& Info) { CustomInfo(Info); };
    MainStatusBar = StatusBar;
    InitCommonGlobals();
    FirstShow = true;
    ExeDialog = &odExe;
    OpenSettingsFile();
    DebugMode = ReadDebugMode();
    miDebug->setVisible(DebugMode);
    ReadExternalPrograms();
    ReadGUIOptions();
    VIX->Language = Language;
    FTranslator = std::make_unique<TTextTranslator>(ExeDir);
    TextTranslator = FTranslator.get();
    TranslateFirst();
    EditorAbsent = true;
    fmLog = new TfmLog(this);
    fmGuide = new TfmGuide(this);
    cbPath->SetItemIndex(GUIOptions.ShowRelativePath ? 1 : 0);
    ColumnTexts.clear();
    hcFiles->SetSectionWidth(2, IniFile->ReadInteger("GUI", "HeaderWidth02", DefaultHeaderWidth02));
    hcFiles->SetSectionWidth(3, IniFile->ReadInteger("GUI", "HeaderWidth03", DefaultHeaderWidth03));
    hcFiles->SetSectionWidth(4, IniFile->ReadInteger("GUI", "HeaderWidth04", DefaultHeaderWidth04));
    hcFilesSectionResize(nullptr, -1);
    SetBackgroundColor(clbFiles, clPanelGrey);
    SetBackgroundColor(cbPath, clPanelGrey);
    Applis = std::make_unique<TAppliList>();
    Applis->ReadFromFile();
    ShownAppliIndex = -1;
    FillListBox();
    SetBackgroundColor(edSearchPath, clPanelGrey);
    SetFormIcon(this);
  } catch (...) {
    VIX->Push("Procedure TfmMain.FormCreate");
    throw;
  }
}

void TfmMain::FormShow(QObject*) try {
  if (!FirstShow) return;
  FirstShow = false;
  PageControl1->SetActivePage(tsApplis);
  tStart->SetEnabled(true);
  CurrentAppli = ReadLastApp();
  ShowAppli();
  if (CurrentAppli) {
    for (std::size_t i = 0; i < FAppLines.size(); ++i)
      if (SameText(FAppLines[i], CurrentAppli->FileName)) {
        lbApps->SetItemIndex(static_cast<int>(i));
        break;
      }
  }
  lbApps->setFocus();
  lbAppsClick(this);
} catch (...) {
  VIX->Push("Procedure TfmMain.FormShow");
  throw;
}

void TfmMain::FormActivate(QObject*) try {
  // The guide tells of the window that is active; an activation that
  // another window's has overtaken (the scanner's, at its show) leaves that
  // window's text.
  if (TGuiScreen::ActiveTForm() == this) UpdateGuideInfos();
} catch (...) {
  VIX->Push("Procedure TfmMain.FormActivate");
  throw;
}

void TfmMain::tStartTimer(QObject*) try {
  tStart->SetEnabled(false);
  if (GUIOptions.ShowGuide) {
    miGuideClick(this);
    UpdateGuideInfos();
  }
} catch (...) {
  VIX->Push("Procedure TfmMain.tStartTimer");
  throw;
}

std::unique_ptr<TAppli> TfmMain::ReadLastApp() try {
  std::string name = IniFile->ReadString("GUI", "LastApp", "");
  if (!FindFile(name)) return nullptr;
  if (IniFile->SectionExists(name)) return TAppli::CreateFromFile(name);
  // No longer registered (removed while it was current): registered again.
  RunLogged(Trt("Lumbrick Initialization..."), [&] {
    Applis->Add(TAppli::CreateNew(name));
    FillListBox();
    lbApps->SetItemIndex(Applis->Count() - 1);
  });
  fmLog->hide();
  return TAppli::CreateFromFile(name);
} catch (...) {
  VIX->Push("Function TfmMain.ReadLastApp");
  throw;
}

void TfmMain::WriteLastApp() try {
  if (CurrentAppli) IniFile->WriteString("GUI", "LastApp", CurrentAppli->FileName);
} catch (...) {
  VIX->Push("Procedure TfmMain.WriteLastApp");
  throw;
}

void TfmMain::FormCloseQuery(bool& CanClose) try {
  if (!EditorAbsent && fmEditor != nullptr && fmEditor->isVisible()) CanClose = fmEditor->close();
} catch (...) {
  VIX->Push("Procedure TfmMain.FormCloseQuery");
  throw;
}

void TfmMain::closeEvent(QCloseEvent* Event) {
  TForm::closeEvent(Event);
  // The program ends with this close, and by the destruction every window
  // is hidden: the guide's visibility is taken now.
  if (Event->isAccepted()) FGuideShownAtClose = fmGuide != nullptr && fmGuide->isVisible();
}

void TfmMain::FormDestroy(QObject*) {
  // The save dates a scanner window set in memory reach their files before
  // the window and the model it works on go.
  if (!EditorAbsent && fmEditor != nullptr) {
    RunGuarded(this, [] { fmEditor->StoreSaveDates(); });
    delete fmEditor;
  }
  if (IniFile) {
    RunGuarded(this, [this] {
      // A search path typed and not yet stored is the user's data.
      if (Applis) SaveChangesIfNeeded(ShownAppliIndex);
      WriteLastApp();
      WriteExternalPrograms();
      WriteGUIOptions(FGuideShownAtClose.value_or(fmGuide != nullptr && fmGuide->isVisible()));
    });
  }
  CurrentAppli.reset();
  Applis.reset();
  IniFile.reset();
  DropUnitListsInMemory();
  if (MainStatusBar == StatusBar) MainStatusBar = nullptr;
  if (ExeDialog == &odExe) ExeDialog = nullptr;
  if (TextTranslator == FTranslator.get()) TextTranslator = nullptr;
  FTranslator.reset();
}

// No protective block: it runs while the library builds its report.
void TfmMain::CustomInfo(std::string& Info) {
  const std::string title = "=== " + Trt("Lumbrick Custom Informations") + " ===";
  const std::string path = ExeDir + SettingsFileName;
  Info = title;
  const std::string unreadable = IniFile ? IniFile->ReadFailure() : std::string();
  if (!unreadable.empty()) {
    Info += "\r>>> " + ExeDir + Trt("Corvane.ini cannot be read") + " : " + unreadable;
  } else if (FileExists(path)) {
    Info += "\r" + path;
    for (const std::string& line : ReadTextFileLines(path)) Info += "\r " + line;
    Info += "\r------ End Of Corvane.ini ------";
  } else {
    Info += "\r>>> " + ExeDir + Trt("Corvane.ini not found");
  }
  Info += "\r" + title;
}

void TfmMain::AppHint(QObject*) try {
  StatusBar->SetSimpleText("  " + FHint);
} catch (...) {
  VIX->Push("Procedure TfmMain.AppHint");
  throw;
}
