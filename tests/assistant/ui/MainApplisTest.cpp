// The application page: registering, the duplicate test, removing, the
// search path, the colours of the list, and the page change.
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include "AppObjects.h"
#include "Colors.h"
#include "Files.h"
#include "Guide.h"
#include "IniFile.h"
#include "Settings.h"
#include "Log.h"
#include "MainFixture.h"
#include "PageControl.h"
#include "ProgressLabel.h"
#include "QtText.h"
#include "SpeedButton.h"
#include "Timer.h"

namespace {

using MainApplisTest = MainTest;

// Text with its first From replaced by To.
std::string Replaced(std::string Text, const std::string& From, const std::string& To) {
  const std::size_t at = Text.find(From);
  EXPECT_NE(at, std::string::npos) << From;
  return at == std::string::npos ? Text : Text.replace(at, From.size(), To);
}

TEST_F(MainApplisTest, RegisteringAProjectLogsTheDiscoveryAndShowsItsDetails) {
  const std::string project = Sample();
  TfmMain& fm = Open();
  fm.tStart->Tick();  // the guide
  Register(project);
  EXPECT_EQ(files.shown.back().title, "Select an Application");
  EXPECT_EQ(files.shown.back().filter, "Applications (*.dpr)|*.dpr|All Files (*.*)|*.*");
  EXPECT_EQ(fm.AppLines(), std::vector<std::string>{project});
  EXPECT_EQ(fm.lbApps->ItemIndex(), 0);
  EXPECT_EQ(As(fm.lbAppliCount->text()), "1 File in List");
  EXPECT_EQ(As(fm.edDPR->text()), project);
  EXPECT_EQ(As(fm.edCreation->text()), "6/15/2006 2:30:45 PM");
  EXPECT_EQ(As(fm.edUpdate->text()), "");  // never saved
  EXPECT_TRUE(fmLog->isVisible());
  EXPECT_EQ(fmLog->Lines(0), "Adding " + project);
  EXPECT_EQ(fmLog->lbInfo->Text(), "Terminated (0 s)");
  EXPECT_TRUE(fm.isEnabled());
  EXPECT_EQ(fmGuide->GuideState, 1);
  EXPECT_EQ(As(fmGuide->lbText->text()),
            "Click <Select Application> button or <upper tab> to work on " + project +
                "\n\nUse <Add> and <Remove> buttons to manage the list.");
  EXPECT_NE(Settings().find("[" + project + "]\r\nDataFileName=Greenhouse.bul\r\n"), std::string::npos);
}

TEST_F(MainApplisTest, TheSameProjectInOtherLetterCaseIsRefused) {
  const std::string project = WriteProject("Orchard", {});
  TfmMain& fm = Open();
  Register(project);
  const std::string other = dir.File("APPS/ORCHARD/ORCHARD.DPR");
  Register(other);
  EXPECT_EQ(dialogs.Last().text, other + "\r\nis already in list");
  EXPECT_EQ(dialogs.Last().type, TMsgDlgType::mtError);
  EXPECT_EQ(fm.AppLines().size(), 1u);
}

TEST_F(MainApplisTest, RemovingAsksFromTheBottomLineUpAndANoKeepsThatLine) {
  const std::string a = WriteProject("Apple", {"Seed"});
  const std::string b = WriteProject("Birch", {});
  const std::string c = WriteProject("Cedar", {});
  TfmMain& fm = Open();
  for (const std::string& p : {a, b, c}) Register(p);
  for (int i = 0; i < 3; ++i) fm.lbApps->SetSelected(i, true);
  dialogs.Clear();
  dialogs.Answer(mrYes).Answer(mrNo).Answer(mrYes);
  fm.btRemove->click();
  EXPECT_EQ(DialogTexts(), (std::vector<std::string>{"Remove " + c + " ?", "Remove " + b + " ?", "Remove " + a + " ?"}));
  EXPECT_EQ(fm.AppLines(), std::vector<std::string>{b});
  EXPECT_EQ(Settings().find("[" + a + "]"), std::string::npos);
  EXPECT_EQ(Settings().find("[" + c + "]"), std::string::npos);
  EXPECT_NE(Settings().find("[" + b + "]"), std::string::npos);
  EXPECT_FALSE(FileExists(ProgramDir() + "Apple.bul"));
  EXPECT_TRUE(FileExists(ProgramDir() + "Birch.bul"));
  EXPECT_TRUE(FileExists(a));  // the project's own files stay
  // Nothing selected: refused.
  fm.lbApps->SetItemIndex(-1);
  fm.btRemove->click();
  EXPECT_EQ(dialogs.Last().text, "No Application Selected");
}

TEST_F(MainApplisTest, RemovingTheCurrentApplicationLeavesNoneAndTheSecondPageClosed) {
  const std::string project = WriteProject("Orchard", {"Trees"});
  TfmMain& fm = Open();
  OpenProject(project);
  ChoosePage(fm.tsApplis);
  ASSERT_EQ(fm.PageControl1->ActivePage(), fm.tsApplis);
  fm.lbApps->SetItemIndex(0);
  fm.lbApps->SetSelected(0, true);
  fm.btRemove->click();  // the confirmation's answer: Yes
  EXPECT_EQ(CurrentAppli, nullptr);
  dialogs.Clear();
  ChoosePage(fm.tsUnits);  // an empty list: refused silently
  EXPECT_EQ(fm.PageControl1->ActivePage(), fm.tsApplis);
  EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(MainApplisTest, ThePageChangeWithNoLineUnderTheCursorShowsTheError) {
  TfmMain& fm = Open();
  Register(WriteProject("Orchard", {}));
  fm.lbApps->SetItemIndex(-1);
  ChoosePage(fm.tsUnits);
  EXPECT_EQ(dialogs.Last().text, "No Application Selected");
  EXPECT_EQ(fm.PageControl1->ActivePage(), fm.tsApplis);
  EXPECT_EQ(CurrentAppli, nullptr);
  ClickRow(fm.lbApps, 0);
  ChoosePage(fm.tsUnits);
  EXPECT_EQ(fm.PageControl1->ActivePage(), fm.tsUnits);
  EXPECT_EQ(fm.HelpFile, "sources.htm");
  ASSERT_NE(CurrentAppli, nullptr);
}

TEST_F(MainApplisTest, AnEditedSearchPathIsStoredWhenAnotherLineIsChosenAndOnClose) {
  const std::string a = WriteProject("Apple", {});
  const std::string b = WriteProject("Birch", {});
  TfmMain& fm = Open();
  Register(a);
  Register(b);
  ClickRow(fm.lbApps, 0);
  // Add Path on an empty search path: the project's folder, then the folder.
  files.Answer(dir.File("lib"));
  fm.btAddPath->click();
  EXPECT_EQ(As(fm.edSearchPath->text()), ExtractFilePath(a) + ";" + dir.File("lib"));
  QTest::keyClicks(fm.edSearchPath, ";../common");
  ClickRow(fm.lbApps, 1);
  EXPECT_NE(Settings().find("SearchPath=" + ExtractFilePath(a) + ";" + dir.File("lib") + ";../common\r\n"),
            std::string::npos);
  EXPECT_EQ(As(fm.edSearchPath->text()), "");
  // What the user typed is data: closing stores it too.
  QTest::keyClicks(fm.edSearchPath, "/opt/kept");
  Close();
  EXPECT_EQ(TIniFile(ProgramDir() + "Corvane.ini").ReadString(b, "SearchPath", ""), "/opt/kept");
}

// Each application's search path stays its own through language switches,
// with or without a current application.
TEST_F(MainApplisTest, ALanguageSwitchKeepsTheShownApplicationsOwnSearchPath) {
  const std::string a = WriteProject("Apple", {});
  const std::string b = WriteProject("Birch", {});
  TfmMain& fm = Open();
  Register(a);
  Register(b);
  const auto path = [](const std::string& project) { return IniFile->ReadString(project, "SearchPath", ""); };
  ClickRow(fm.lbApps, 0);
  QTest::keyClicks(fm.edSearchPath, "/lib/a");
  ClickRow(fm.lbApps, 1);
  QTest::keyClicks(fm.edSearchPath, "/lib/b");
  ClickRow(fm.lbApps, 0);
  // No application current: the page keeps its details, nothing is marked
  // as edited.
  fm.miFrench->trigger();
  EXPECT_EQ(As(fm.edSearchPath->text()), "/lib/a");
  ClickRow(fm.lbApps, 1);
  EXPECT_EQ(path(a), "/lib/a");
  // Birch current, Apple shown: the page shows Apple's path.
  fm.btSelectApplication->click();
  ChoosePage(fm.tsApplis);
  ClickRow(fm.lbApps, 0);
  fm.miEnglish->trigger();
  EXPECT_EQ(As(fm.edSearchPath->text()), "/lib/a");
  // A path typed and not yet stored is stored by the switch.
  QTest::keyClicks(fm.edSearchPath, ";x");
  fm.miFrench->trigger();
  EXPECT_EQ(path(a), "/lib/a;x");
  EXPECT_EQ(path(b), "/lib/b");
}

// The source-file page's tab names the application a click on it opens,
// after a language switch too, with or without an application current.
TEST_F(MainApplisTest, AfterALanguageSwitchTheTabNamesWhatItOpens) {
  const std::string alpha = WriteProject("Alpha", {});
  const std::string greenhouse = Sample();
  TfmMain& fm = Open();
  Register(alpha);
  const auto tab = [&] { return As(fm.PageControl1->tabText(fm.PageControl1->indexOf(fm.tsUnits))); };
  const auto clickTab = [&] {
    QTabBar* bar = fm.PageControl1->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(fm.PageControl1->indexOf(fm.tsUnits)).center());
  };
  // None current, Alpha shown.
  ClickRow(fm.lbApps, 0);
  ASSERT_EQ(CurrentAppli, nullptr);
  fm.miFrench->trigger();
  EXPECT_EQ(tab(), alpha);
  // Greenhouse current, Alpha shown.
  OpenProject(greenhouse);
  ChoosePage(fm.tsApplis);
  ClickRow(fm.lbApps, 0);
  EXPECT_EQ(tab(), alpha);
  fm.miEnglish->trigger();
  EXPECT_EQ(tab(), alpha);
  clickTab();
  ASSERT_EQ(fm.PageControl1->ActivePage(), fm.tsUnits);
  EXPECT_EQ(CurrentAppli->FileName, alpha);
  EXPECT_EQ(tab(), alpha);
  // On the source-file page, the current application.
  ChoosePage(fm.tsApplis);
  ClickRow(fm.lbApps, 1);
  clickTab();
  fm.miFrench->trigger();
  EXPECT_EQ(CurrentAppli->FileName, greenhouse);
  EXPECT_EQ(tab(), greenhouse);
}

TEST_F(MainApplisTest, ADragInTheListShowsTheLineItEndsOnAndKeepsTheTypedPathWithItsApplication) {
  const std::string a = WriteProject("Apple", {});
  const std::string b = WriteProject("Birch", {});
  const std::string c = WriteProject("Cedar", {});
  TfmMain& fm = Open();
  for (const std::string& p : {a, b, c}) Register(p);
  ClickRow(fm.lbApps, 0);
  QTest::keyClicks(fm.edSearchPath, "/typed");
  const auto row = [&fm](int r) { return fm.lbApps->visualRect(fm.lbApps->model()->index(r, 0)).center(); };
  QTest::mousePress(fm.lbApps->viewport(), Qt::LeftButton, {}, row(1));
  QTest::mouseMove(fm.lbApps->viewport(), row(2));
  QTest::mouseRelease(fm.lbApps->viewport(), Qt::LeftButton, {}, row(2));
  EXPECT_EQ(As(fm.edDPR->text()), c);
  fm.btSelectApplication->click();
  EXPECT_EQ(IniFile->ReadString(a, "SearchPath", ""), "/typed");
  EXPECT_EQ(IniFile->ReadString(c, "SearchPath", ""), "");
}

// A unit-list name hand-edited to one of the program's own files: the next
// start says so once and gives the application a list of its own; removing
// the application leaves that file alone, and the program starts again whole.
TEST_F(MainApplisTest, AUnitListNamedAfterTheTranslationTableLeavesItAlone) {
  const std::string project = Sample();
  Open();
  Register(project);
  Close();
  const std::string table = dir.Read("my prog/Dialogs.ini");
  WriteSettings(Replaced(Settings(), "DataFileName=Greenhouse.bul", "DataFileName=Dialogs.ini"));
  dialogs.Clear();
  TfmMain& fm = Open();
  EXPECT_EQ(DialogTexts(), std::vector<std::string>{"Unit List File Refused : Dialogs.ini\r\n" + project +
                                                     "\r\n\r\nA Unit List is a .bul File that No Other Application "
                                                     "Uses.\r\nThe Application Gets a New Unit List, Empty until "
                                                     "Refresh List : Greenhouse_2.bul"});
  fm.lbApps->SetItemIndex(0);
  fm.lbApps->SetSelected(0, true);
  fm.btRemove->click();  // the confirmation's answer: Yes
  EXPECT_EQ(fm.lbApps->Count(), 0);
  EXPECT_EQ(dir.Read("my prog/Dialogs.ini"), table);
  dialogs.Clear();
  TfmMain& again = Reopen();
  EXPECT_EQ(DialogTexts(), std::vector<std::string>{});
  EXPECT_TRUE(again.PageControl1->isEnabled());
  EXPECT_EQ(again.Caption(), " Lumbrick Code Implementation and Maintenance");
}

// A unit-list name hand-edited to the settings file: the application's list
// goes to a file of its own, and every registration outlives the run.
TEST_F(MainApplisTest, AUnitListNamedAfterTheSettingsFileKeepsTheRegistrations) {
  const std::string project = Sample();
  const std::string meadow = WriteProject("Meadow", {});
  Open();
  Register(project);
  Register(meadow);
  Close();
  WriteSettings(Replaced(Settings(), "DataFileName=Greenhouse.bul", "DataFileName=Corvane.ini"));
  TfmMain& fm = Open();
  ClickRow(fm.lbApps, 0);
  fm.btSelectApplication->click();
  ASSERT_NE(CurrentAppli, nullptr);
  EXPECT_EQ(fm.clbFiles->Count(), 0);
  fm.btRefreshList->click();  // writes its list
  EXPECT_EQ(fm.clbFiles->Count(), 4);
  Close();
  const std::string settings = Settings();
  EXPECT_NE(settings.find("[" + project + "]\r\nDataFileName=Greenhouse_2.bul\r\n"), std::string::npos) << settings;
  EXPECT_NE(settings.find("[" + meadow + "]\r\nDataFileName=Meadow.bul\r\n"), std::string::npos) << settings;
  EXPECT_EQ(dir.Read("my prog/Greenhouse_2.bul").rfind(ExtractFilePath(project), 0), 0u);
}

TEST_F(MainApplisTest, AMissingProjectFileIsDrawnRedAndNamedNotFound) {
  const std::string a = WriteProject("Apple", {});
  const std::string b = WriteProject("Birch", {});
  TfmMain& fm = Open();
  Register(a);
  Register(b);
  ASSERT_TRUE(DeleteFile(b));
  ClickRow(fm.lbApps, 0);
  ClickRow(fm.lbApps, 1);
  EXPECT_EQ(As(fm.edDPR->text()), "Application File Not Found");
  EXPECT_EQ(FontColor(fm.edDPR), clRed);
  fm.lbApps->SetItemIndex(-1);
  const QImage rows = fm.lbApps->viewport()->grab().toImage();
  const auto has = [&](int row, const QColor& color) {
    for (int y = row * 13; y < row * 13 + 13; ++y)
      for (int x = 0; x < 300; ++x)
        if (rows.pixelColor(x, y) == color) return true;
    return false;
  };
  EXPECT_TRUE(has(0, clNavy));
  EXPECT_FALSE(has(0, clRed));
  EXPECT_TRUE(has(1, clRed));
  fm.lbApps->SetItemIndex(1);  // selected: white, whatever the file
  const QImage selected = fm.lbApps->viewport()->grab().toImage();
  bool red = false;
  for (int x = 0; x < 300; ++x) red = red || selected.pixelColor(x, 19) == clRed;
  EXPECT_FALSE(red);
}

}  // namespace
