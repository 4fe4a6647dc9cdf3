// The menus: the language of every open window, the last bug report, the
// debug item's road to the report, the guide's toggle.
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <functional>

#include "About.h"
#include "AppObjects.h"
#include "Browser.h"
#include "Editor.h"
#include "Guide.h"
#include "Log.h"
#include "Lumbrick.h"
#include "MainFixture.h"
#include "ModalAnswer.h"
#include "PageControl.h"
#include "QtText.h"
#include "SpeedButton.h"
#include "Timer.h"
#include "Translator.h"

namespace {

namespace fs = std::filesystem;
using MainMenusTest = MainTest;

// The source-file page's three buttons side by side, at the width given.
void ExpectButtons(const TfmMain& fm, int width) {
  EXPECT_EQ(fm.btRefreshList->width(), width);
  EXPECT_EQ(fm.btAddUnit->width(), width);
  EXPECT_EQ(fm.btRemoveUnit->width(), width);
  EXPECT_EQ(fm.btAddUnit->x(), fm.btRefreshList->x() + width);
  EXPECT_EQ(fm.btRemoveUnit->x(), fm.btAddUnit->x() + width);
}

TEST_F(MainMenusTest, FrenchReachesEveryOpenWindowAndIsStoredAtOnce) {
  TfmMain& fm = Open();
  OpenProject(Sample());
  fm.tStart->Tick();  // the guide
  ClickRow(fm.clbFiles, 0, 7);
  {
    ModalAnswer options(ModalAnswer::Click("btValidate"));
    fm.btUpdateCode->click();
  }
  ASSERT_FALSE(EditorAbsent);
  ExpectButtons(fm, 100);
  fm.miFrench->trigger();
  EXPECT_EQ(Language, 2);
  EXPECT_EQ(VIX->Language, 2);
  EXPECT_NE(Settings().find("Language=2\r\n"), std::string::npos);
  EXPECT_EQ(fm.Caption(), Trt(" Lumbrick Code Implementation and Maintenance"));
  EXPECT_EQ(fm.Caption(), " Mise en place et entretien du code Lumbrick");
  EXPECT_EQ(fmEditor->Caption(), Trt(" Source Files Scanner"));
  EXPECT_EQ(fmLog->Caption(), " Journal des op\xe9rations");
  EXPECT_EQ(fmGuide->Caption(), Trt("Guide   F11   (F1 for Help)"));
  EXPECT_EQ(As(fmGuide->lbHeader->text()),
            Trt("Source Files of Application : source files related to the application are listed here."));
  EXPECT_EQ(fm.btRefreshList->Caption(), "Actualiser la liste");
  ExpectButtons(fm, 125);
  EXPECT_EQ(fm.PageControl1->tabText(1).toStdString(), CurrentAppli->FileName);
  fm.miEnglish->trigger();
  EXPECT_EQ(fm.Caption(), " Lumbrick Code Implementation and Maintenance");
  EXPECT_EQ(fmEditor->Caption(), " Source Files Scanner");
  ExpectButtons(fm, 100);
  EXPECT_NE(Settings().find("Language=1\r\n"), std::string::npos);
}

TEST_F(MainMenusTest, WithoutACurrentApplicationTheSwitchStillStoresAndTranslates) {
  TfmMain& fm = Open();
  fm.miFrench->trigger();
  EXPECT_NE(Settings().find("Language=2\r\n"), std::string::npos);
  EXPECT_EQ(fm.btAdd->Caption(), "Ajouter un fichier");
  EXPECT_EQ(fmLog->Caption(), " Journal des op\xe9rations");
  ExpectButtons(fm, 125);
  fm.miLanguageClick(fm.miLanguage);
  EXPECT_TRUE(fm.miFrench->isChecked());
  EXPECT_FALSE(fm.miEnglish->isChecked());
}

TEST_F(MainMenusTest, TheLastBugReportIsTheUnnumberedOneOpenedAsOneArgument) {
  const std::string browser = RecordingBrowser();
  WriteSettings("[System]\r\nNavigator=" + browser + "\r\n");
  TfmMain& fm = Open();
  dir.Write("my prog/BugReport_0001.htm", "<html></html>");
  fm.miViewLastBugReport->trigger();
  EXPECT_EQ(dialogs.Last().text, "Sorry but no BugReport can be Found");
  dir.Write("my prog/BugReport.htm", "<html></html>");
  fm.miViewLastBugReport->trigger();
  // The program folder's name holds a blank: the path stays one argument.
  EXPECT_EQ(BrowserArguments(), ProgramDir() + "BugReport.htm\n");
  BrowserPath = "/nowhere/browser";
  fm.miViewLastBugReport->trigger();
  EXPECT_EQ(dialogs.Last().kind, DialogRequest::Kind::ShowMessage);
  EXPECT_EQ(dialogs.Last().text,
            "No Web Browser Available. Consult " + ProgramDir() + "BugReport.htm Directly from Windows");
}

// An opener of the test's own that finds no browser to hand the page to, as
// the desktop's opener may take seconds to find out; its path.
std::string LateFailingOpener(const TempDir& Dir) {
  const std::string opener = Dir.Write("web/opener.sh", "#!/bin/sh\nsleep 1\nexit 3\n");
  fs::permissions(opener, fs::perms::owner_all);
  return opener;
}

// Runs the event loop until Done holds: how often a timer of the loop ticked
// meanwhile (-1 when Done did not hold in time). A window that waits on a
// program lets no tick through.
int TicksUntil(const std::function<bool()>& Done) {
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
  timer.start(20);
  return QTest::qWaitFor(Done, 10000) ? ticks : -1;
}

// The help and the about box's site, with a browser that fails once it ran a
// while: the windows answer meanwhile, and the page it did not open is told
// when it failed, also with the browser picked when none was found.
TEST_F(MainMenusTest, AHelpPageTheBrowserFailsOnLaterIsToldWhenItFails) {
  InstallShippedData();
  const std::string opener = LateFailingOpener(dir);
  WriteSettings("[System]\r\nNavigator=" + opener + "\r\n");
  TfmMain& fm = Open();
  fm.miHelpHelp->trigger();
  {
    TfmAboutBox box;
    box.show();
    QTest::mouseClick(box.lbSite, Qt::LeftButton);
  }
  BrowserPath = "/nowhere/browser";
  dialogs.Answer(mrYes);  // browse files to select one
  files.Answer(opener);
  fm.miHome->trigger();
  ASSERT_EQ(dialogs.Shown().size(), 1u);  // the question only
  EXPECT_GT(TicksUntil([&] { return dialogs.Shown().size() == 4; }), 0);
  std::vector<std::string> told = DialogTexts();
  std::sort(told.begin() + 1, told.end());
  EXPECT_EQ(told, (std::vector<std::string>{"Impossible to find a Web Browser. Browse files to select it ?",
                                            "Impossible to Open Help File : " + ProgramDir() + "Help/applis.htm",
                                            "Impossible to Open Help File : " + ProgramDir() + "Help/index.htm",
                                            "Impossible to Open Help File : " + ProgramDir() + "Help/index.htm"}));
}

// The last report and the library's new one, with a browser that fails once
// it ran a while: where the report is, when it failed.
TEST_F(MainMenusTest, AReportTheBrowserFailsOnLaterIsToldWhenItFails) {
  WriteSettings("[System]\r\nNavigator=" + LateFailingOpener(dir) + "\r\n");
  TfmMain& fm = Open();
  dir.Write("my prog/BugReport.htm", "<html></html>");
  fm.miViewLastBugReport->trigger();
  EXPECT_TRUE(VIX->OnOpenBrowser(ProgramDir() + "BugReport_0001.htm"));
  EXPECT_TRUE(dialogs.Shown().empty());
  EXPECT_GT(TicksUntil([&] { return dialogs.Shown().size() == 2; }), 0);
  std::vector<std::string> told = DialogTexts();
  std::sort(told.begin(), told.end());
  EXPECT_EQ(told, (std::vector<std::string>{
                      "No Web Browser Available. Consult " + ProgramDir() + "BugReport.htm Directly from Windows",
                      "No Web Browser Available. Consult " + ProgramDir() + "BugReport_0001.htm Directly from Windows"}));
}

TEST_F(MainMenusTest, DebugTakesTheLibrarysReportRoad) {
  WriteSettings("[System]\r\nDebug=Kindle\r\n");
  TfmMain& fm = Open();
  reportsExpected = 1;
  fm.miDebug->trigger();
  EXPECT_EQ(dialogs.Shown().front().text,
            "' Lumbrick Code Implementation and Maintenance' is not a valid integer value.\n\r\n\r"
            "View more informations ?");
  ASSERT_EQ(Report().shown, 1);
  EXPECT_EQ(Report().StackSection().front(), "- Procedure TfmMain.miDebugClick");
  // The assistant's own block closes the technical text.
  EXPECT_NE(Report().technicalText.find("=== Lumbrick Custom Informations ===\r" + ProgramDir() + "Corvane.ini\r"),
            std::string::npos);
}

TEST_F(MainMenusTest, TheGuideTogglesAndRefreshesOnlyForTheMainWindow) {
  TfmMain& fm = Open();
  Register(WriteProject("Orchard", {}));
  fmLog->close();
  fm.activateWindow();
  QTRY_VERIFY(QApplication::activeWindow() == &fm);
  fm.miGuide->trigger();
  ASSERT_TRUE(fmGuide->isVisible());
  EXPECT_EQ(fmGuide->GuideState, 1);
  EXPECT_EQ(fmGuide->HelpFile, "applis.htm");
  fm.miGuide->trigger();
  EXPECT_FALSE(fmGuide->isVisible());
  fm.lbApps->SetItemIndex(-1);
  fmLog->show();
  fmLog->activateWindow();
  QTRY_VERIFY(QApplication::activeWindow() == fmLog);
  fm.miGuide->trigger();  // from the log: shown, its text left as it was
  EXPECT_TRUE(fmGuide->isVisible());
  EXPECT_EQ(fmGuide->GuideState, 1);
}

// The guide and the log stay on top of the program's windows; the modal
// forms, made with their opener as owner, stand above them while shown.
TEST_F(MainMenusTest, TheModalFormsStandAboveTheGuideAndTheLogWhileShown) {
  TfmMain& fm = Open();
  OpenProject(Sample());
  fm.tStart->Tick();  // the guide
  ASSERT_TRUE(fmGuide->isVisible());
  ASSERT_TRUE(fmLog->isVisible());
  std::vector<std::pair<QString, QWidget*>> seen;  // the modal forms on top, with their owners
  const auto record = [&](QWidget* modal) {
    if (modal->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) seen.emplace_back(modal->objectName(), modal->parentWidget());
  };
  const auto look = [&](QWidget* modal) {
    record(modal);
    modal->close();
  };
  {
    ModalAnswer about(look);
    fm.miHelpAbout->trigger();
    EXPECT_TRUE(about.Done());
  }
  ClickRow(fm.clbFiles, 0, 7);
  SecureCode(false, record);
  {
    ModalAnswer legend(look);
    fmEditor->miHelpColors->trigger();
    EXPECT_TRUE(legend.Done());
  }
  using Seen = std::vector<std::pair<QString, QWidget*>>;
  EXPECT_EQ(seen, (Seen{{"AboutBox", &fm}, {"fmScanOptions", fmEditor}, {"fmInfosColors", fmEditor}}));
}

}  // namespace
