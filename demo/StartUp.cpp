// Start-up of the main window: the binding of the library, "Dromlet.ini",
// the initial state of the pages; the close query; the program's own block
// of the technical text.
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

#include "DateTime.h"
#include "DromletMain.h"
#include "Files.h"
#include "Lumbrick.h"
#include "Process.h"
#include "QtText.h"
#include "RadioGroup.h"
#include "Random.h"
#include "TextFile.h"
#include "Timer.h"

std::atomic<bool> IsEnglish{true};

namespace {
// The original's default browser was a Windows path; on this host the
// default is the desktop's opener, which hands the report to the browser.
const char* const kDefaultNavigator = HostBrowser;
}  // namespace

void TfmMain::FormCreate(QObject*) {
  VIX = new TLumbrick(Application);
  Application->OnException = [](TObject* Sender, Exception& E) { VIX->HandleException(Sender, E); };
  // From here on a failure is already reported by the library.
  try {
    VIX->ModelFile = VIX->AppPath + "DromletModel.htm";
    VIX->OnCustomInfo = [this](std::string& Info) { CustomInfo(Info); };
    VIX->OnOpenBrowser = OpenInBrowser;
    OpenSettingsFile();
    edWebBrowser->setText(Qs(FIniFile->ReadString("Options", "Navigator", kDefaultNavigator)));
    IsEnglish = FIniFile->ReadBool("Options", "English", true);
    if (!IsEnglish) rgLanguage->SetItemIndex(1);
    VIX->Language = rgLanguage->ItemIndex() + 1;
    // Unreadable, the file that holds the tour's language gave the
    // defaults: told in English.
    if (const std::string why = FIniFile->ReadFailure(); !why.empty())
      ShowError(FIniFile->FileName() + " cannot be read: " + why + "." + CRLF(2) +
                "The tour goes on with its default settings and leaves this file as it is.");
    setWindowIcon(ilFormIcon.at(0));
    Randomize();
    rgOnOff->hide();
    lb3Timer->setText(Qs(TimeToStr(Now())));
    FCounterStopped = true;
    // The tabs are out of sight: only the side panel navigates.
    PageControl1->tabBar()->hide();
    PageControl1->setCurrentWidget(tsIntro);
    OnActivePageChanged();
  } catch (...) {
    VIX->Push("Procedure TfmMain.FormCreate");
    throw;
  }
}

void TfmMain::OpenSettingsFile() try {
  FIniFile = std::make_unique<TIniFile>(VIX->AppPath + "Dromlet.ini");
  // Rewritten, it would hold less than it does: left as it is. Told once
  // the tour's language is known (FormCreate).
  if (!FIniFile->ReadFailure().empty()) FIniFile->KeepChangesInMemory();
  // Told in the language of the moment: a write follows a change of the
  // language or of the browser.
  FIniFile->KeepChangesInMemoryWhenWritesFail([this](const std::string& Reason) {
    ShowError(FIniFile->FileName() + (IsEnglish ? " cannot be saved: " : " ne peut pas \xEAtre enregistr\xE9 : ") +
              Reason + "." + CRLF(2) +
              (IsEnglish ? "The tour keeps its settings until it closes and leaves this file as it is."
                         : "La visite garde ses r\xE9glages jusqu'\xE0 sa fermeture et laisse ce fichier tel quel."));
  });
} catch (...) {
  VIX->Push("Procedure TfmMain.OpenSettingsFile");
  throw;
}

void TfmMain::FormCloseQuery(bool&) try {
  CloseProcesses(true);
} catch (...) {
  VIX->Push("Procedure TfmMain.FormCloseQuery");
  throw;
}

void TfmMain::CustomInfo(std::string& Info) try {
  const std::string iniPath = VIX->AppPath + "Dromlet.ini";
  Info = "\r=== Dromlet Custom Informations ===";
  Info += "\rVersion =";
  Info += " Lumbrick Example - June 2006";
  const std::string unreadable = FIniFile ? FIniFile->ReadFailure() : std::string();
  if (!unreadable.empty()) {
    Info += "\r>>> " + iniPath + (IsEnglish ? " cannot be read: " : " est illisible : ") + unreadable;
  } else if (FileExists(iniPath)) {
    Info += "\r" + iniPath;
    for (const std::string& line : ReadTextFileLines(iniPath)) Info += "\r " + line;
    Info += "\r------ End Of Dromlet.ini ------";
    Info += Timer1->Enabled() ? "\rTimer1=On" : "\rTimer1=Off";
    Info += FCounterStopped ? "\rCounter=Off" : "\rCounter=On";
  } else {
    Info += "\r>>> " + iniPath + " not found";
  }
  Info += "\r=== End Of Dromlet Custom Informations ===";
} catch (...) {
  VIX->Push("Procedure TfmMain.CustomInfo");
  throw;
}
