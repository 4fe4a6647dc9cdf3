// The source-file page: how a row is drawn, the header's widths and sort,
// ticking and ignoring, adding and removing units, Refresh List, and
// "Secure Code" with the scanner window it opens.
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <chrono>
#include <filesystem>

#include "AppObjects.h"
#include "Browser.h"
#include "Colors.h"
#include "ComboBox.h"
#include "Editor.h"
#include "Files.h"
#include "Guide.h"
#include "HeaderControl.h"
#include "Log.h"
#include "MainFixture.h"
#include "ModalAnswer.h"
#include "PageControl.h"
#include "QtFileDialogHost.h"
#include "QtText.h"
#include "Settings.h"
#include "SourceRow.h"
#include "SpeedButton.h"
#include "StringHelpers.h"
#include "SysUtils.h"
#include "Timer.h"

namespace {

namespace fs = std::filesystem;

// Columns at the default widths; texts one pixel per character.
TSourceRowLook Look(const std::vector<std::string>& Fields, bool Selected, const std::string& RelativeTo = "") {
  return SourceRowLook(Fields, {5, 25, 445, 580, 715}, {20, 20, 420, 135, 135, 100},
                       [](const std::string& Text) { return static_cast<int>(Text.size()); }, Selected, RelativeTo);
}

TEST(SourceRowTest, FieldsAreCentredUnderTheirSectionsAndTheFileNameLeftAligned) {
  const TSourceRowLook look =
      Look({"True", "/proj/Units/A.pas", "6/15/2006 2:30:45 PM", "1/1/2000 12:00:01 AM", "Ok"}, false);
  EXPECT_FALSE(look.Ignored);
  ASSERT_EQ(look.Runs.size(), 4u);
  EXPECT_EQ(look.Runs[0].X, 25);
  EXPECT_EQ(look.Runs[1].X, 445 + (135 - 20) / 2);
  EXPECT_EQ(look.Runs[2].X, 580 + (135 - 20) / 2);
  EXPECT_EQ(look.Runs[3].X, 715 + (100 - 2) / 2);
  for (const TSourceRowRun& run : look.Runs) EXPECT_EQ(run.Color, clNavy);
  EXPECT_EQ(Look({"True", "/proj/Units/A.pas"}, true, "/proj/").Runs[0].Text, "Units/A.pas");
  EXPECT_EQ(Look({"True", "/other/B.pas"}, true, "/proj/").Runs[0].Text, "../other/B.pas");
  EXPECT_EQ(Look({"True", "/proj/Units/A.pas"}, true, "/proj/").Runs[0].Color, clWhite);
}

TEST(SourceRowTest, AnIgnoredUnitIsMarkedAndPurpleAndAnErrorIsRedEvenSelected) {
  const TSourceRowLook ignored = Look({"False", "/p/A.pas", "d", "d", "New"}, false);
  EXPECT_TRUE(ignored.Ignored);
  EXPECT_EQ(ignored.MarkX, 5);
  EXPECT_EQ(ignored.Runs[0].Color, clPurple);
  for (bool selected : {false, true})
    for (const TSourceRowRun& run : Look({"True", "/p/A.pas", "d", "d", "eRRoR"}, selected).Runs)
      EXPECT_EQ(run.Color, clRed);
  EXPECT_EQ(Look({"True", "/p/A.pas", "d", "d", "Errors"}, false).Runs[0].Color, clNavy);
}

class MainUnitsTest : public MainTest {
 protected:
  // The sample project, current, on the source-file page.
  TfmMain& OpenSample() {
    TfmMain& fm = Open();
    OpenProject(Sample());
    return fm;
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& unit : CurrentAppli->Units) names.push_back(ExtractFileName(unit->FileName));
    return names;
  }
  void Tick(int Row) { ClickRow(window->clbFiles, Row, 7); }
  std::string UnitList() const { return dir.Read("my prog/Greenhouse.bul"); }
  // The first unit ticked, secured and saved in the scanner window, which
  // stays open.
  void SecureAndSaveFirstUnit() {
    Tick(0);
    GUIOptions.ConfirmOverwrite = false;
    SecureCode(true);
    fmEditor->miSaveAll->trigger();
    ASSERT_EQ(CurrentAppli->Units.GetUnit(0)->Scanner->FileState, 2);
  }
};

TEST_F(MainUnitsTest, WideningTheFileColumnStoresItAndMovesTheOthers) {
  TfmMain& fm = OpenSample();
  const int left = fm.ColumnLeft(2);
  fm.hcFiles->SetSectionWidth(2, 500);
  fm.hcFilesSectionResize(fm.hcFiles, 2);
  EXPECT_NE(Settings().find("HeaderWidth02=500\r\nHeaderWidth03=135\r\nHeaderWidth04=135\r\n"), std::string::npos);
  EXPECT_EQ(fm.ColumnLeft(2), left + 80);
  EXPECT_EQ(fm.ColumnLeft(4), 715 + 80);
}

TEST_F(MainUnitsTest, AHeaderClickSortsAndASecondOneReverses) {
  TfmMain& fm = OpenSample();
  const auto clickSection = [&](int section) {
    QTest::mouseClick(fm.hcFiles->viewport(), Qt::LeftButton, {},
                      QPoint(fm.hcFiles->SectionLeft(section) + 10, fm.hcFiles->height() / 2));
  };
  clickSection(2);
  const std::vector<std::string> up{"Beds.pas", "Journal.pas", "Plants.pas", "Seasons.pas"};
  EXPECT_EQ(Names(), up);
  clickSection(2);
  EXPECT_EQ(Names(), std::vector<std::string>(up.rbegin(), up.rend()));
  EXPECT_NE(fm.UnitRows()[0].find("Seasons.pas"), std::string::npos);
  clickSection(0);  // does not react
  EXPECT_EQ(CurrentAppli->Units.SortColumn, -2);
}

TEST_F(MainUnitsTest, OnlyIncludedUnitsCanBeTickedAndIgnoringUnticks) {
  TfmMain& fm = OpenSample();
  Tick(1);
  EXPECT_TRUE(CurrentAppli->Units.GetUnit(1)->Selected);
  fm.clbFiles->SetItemIndex(1);
  fm.btIgnore->click();  // a ticked unit ignored: unticked
  const TUnit* ignored = CurrentAppli->Units.GetUnit(1);
  EXPECT_FALSE(ignored->Included);
  EXPECT_FALSE(ignored->Selected);
  EXPECT_FALSE(fm.clbFiles->Checked(1));
  EXPECT_EQ(fm.clbFiles->ItemIndex(), 1);
  EXPECT_NE(UnitList().find(ignored->FileName + ";False;"), std::string::npos);
  Tick(1);  // refused without a word
  EXPECT_FALSE(fm.clbFiles->Checked(1));
  EXPECT_FALSE(ignored->Selected);
  fm.btSelectAll->click();
  EXPECT_EQ(std::vector<bool>({fm.clbFiles->Checked(0), fm.clbFiles->Checked(1), fm.clbFiles->Checked(2)}),
            std::vector<bool>({true, false, true}));
  fm.btIgnore->click();  // included again, not ticked
  EXPECT_TRUE(ignored->Included);
  EXPECT_FALSE(ignored->Selected);
  fm.btUnselectAll->click();
  for (const auto& unit : CurrentAppli->Units) EXPECT_FALSE(unit->Selected);
  EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(MainUnitsTest, AddingAUnitAndCancellingRewritesTheListUnchanged) {
  TfmMain& fm = OpenSample();
  std::string units;
  for (const auto& unit : CurrentAppli->Units) units += unit->GetIniString() + "\r\n";
  ASSERT_TRUE(DeleteFile(ProgramDir() + "Greenhouse.bul"));
  files.Answer(std::nullopt);
  fm.btAddUnit->click();
  EXPECT_EQ(files.shown.back().title, "Select a Source File");
  EXPECT_EQ(files.shown.back().initialDir, dir.File("Greenhouse/"));
  EXPECT_EQ(UnitList(), units);
  const std::string extra = dir.Write("Greenhouse/Extra.pas", "unit Extra;\r\ninterface\r\nimplementation\r\nend.\r\n");
  TempDir::SetFileDate(extra, 2006, 6, 15, 14, 30, 44);
  files.Answer(extra);
  fm.btAddUnit->click();
  EXPECT_EQ(fm.UnitRows().back(), "True;" + extra + ";1/1/2000 12:00:01 AM;6/15/2006 2:30:44 PM;New");
  EXPECT_EQ(UnitList(), units + extra + ";True;1/1/2000 12:00:01 AM;New\r\n");
  files.Answer(extra);
  fm.btAddUnit->click();
  EXPECT_EQ(dialogs.Last().text, extra + " is Already in Source File List");
  EXPECT_EQ(fm.clbFiles->Count(), 5);
}

// A damaged unit list stays as it was through a cancelled Add File; once
// the application wrote its list, the list is sound and a cancelled Add
// File rewrites it as any other.
TEST_F(MainUnitsTest, ACancelledAddFileLeavesADamagedListAsItWasUntilTheApplicationWritesIt) {
  const std::string project = Sample();
  Open();
  Register(project);
  Close();
  const std::string damaged = UnitList() + "not a unit line\r\n";
  dir.Write("my prog/Greenhouse.bul", damaged);
  TfmMain& fm = Open();
  ClickRow(fm.lbApps, 0);
  fm.btSelectApplication->click();
  ASSERT_NE(CurrentAppli, nullptr);
  ASSERT_TRUE(CurrentAppli->UnitListDamaged);
  files.Answer(std::nullopt);
  fm.btAddUnit->click();
  EXPECT_EQ(UnitList(), damaged);
  fm.clbFiles->SetItemIndex(0);
  fm.btIgnore->click();
  fm.btIgnore->click();  // included again: the list as it was, without its damaged line
  std::string units;
  for (const auto& unit : CurrentAppli->Units) units += unit->GetIniString() + "\r\n";
  ASSERT_EQ(UnitList(), units);
  ASSERT_TRUE(DeleteFile(ProgramDir() + "Greenhouse.bul"));
  files.Answer(std::nullopt);
  fm.btAddUnit->click();
  EXPECT_EQ(UnitList(), units);
}

// A picked file whose name Windows-1252 cannot hold is refused with a plain
// message showing the name as the file system spells it: no failure, no
// report, the lists as they were. Picked in the real file dialog, for a
// unit and for an application.
TEST_F(MainUnitsTest, AFileNamedOutsideWindows1252IsRefusedPlainly) {
  TfmMain& fm = OpenSample();
  const std::string units = UnitList();
  const std::string picked = dir.Write("Greenhouse/\xE4\xB8\xAD\xE6\x96\x87.pas", "unit Chinese;\r\n");
  QtFileDialogHost real;
  FileDialogHost* scripted = SetFileDialogHost(&real);
  const auto pick = [&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (dialog == nullptr) throw std::runtime_error("no file dialog");
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    if (name == nullptr) throw std::runtime_error("no file name box");
    name->setText(QString::fromStdString(picked));
    QMetaObject::invokeMethod(dialog, "accept");
  };
  ModalAnswer answer(pick);
  answer.Then(pick);
  fm.btAddUnit->click();
  fm.btAdd->click();
  SetFileDialogHost(scripted);
  EXPECT_TRUE(answer.Done());
  ASSERT_EQ(dialogs.Shown().size(), 2u);
  for (const DialogRequest& shown : dialogs.Shown()) {
    EXPECT_EQ(shown.text, picked + "\r\nCannot be Used : its Name Holds Characters Outside Windows-1252");
    EXPECT_TRUE(shown.textIsUtf8);
  }
  EXPECT_EQ(fm.clbFiles->Count(), 4);
  EXPECT_EQ(UnitList(), units);
  EXPECT_EQ(fm.lbApps->Count(), 1);
}

// So are a web browser and a search-path folder picked with such a name:
// the same plain box, the browser and the search path as they were.
TEST_F(MainUnitsTest, ABrowserOrAFolderNamedOutsideWindows1252IsRefusedPlainly) {
  TfmMain& fm = OpenSample();
  const std::string browser = dir.Write("\xE4\xB8\xAD\xE6\x96\x87", "#!/bin/sh\n");
  const std::string folder = dir.File("\xE6\x97\xA5/");
  std::filesystem::create_directories(folder);
  const std::string before = BrowserPath;
  const QString searchPath = fm.edSearchPath->text();
  QtFileDialogHost real;
  FileDialogHost* scripted = SetFileDialogHost(&real);
  {
    ModalAnswer answer(ModalAnswer::Type(QString::fromStdString(browser), "Open", "fileNameEdit"));
    answer.Then(ModalAnswer::Type(QString::fromStdString(folder), "Choose", "fileNameEdit"));
    fm.miSelectBrowser->trigger();
    fm.btAddPath->click();
    EXPECT_TRUE(answer.Done());
  }
  SetFileDialogHost(scripted);
  ASSERT_EQ(dialogs.Shown().size(), 2u);
  const std::string reason = "\r\nCannot be Used : its Name Holds Characters Outside Windows-1252";
  EXPECT_EQ(dialogs.Shown()[0].text, browser + reason);
  EXPECT_EQ(dialogs.Shown()[1].text, folder.substr(0, folder.size() - 1) + reason);
  for (const DialogRequest& shown : dialogs.Shown()) EXPECT_TRUE(shown.textIsUtf8);
  EXPECT_EQ(BrowserPath, before);
  EXPECT_EQ(fm.edSearchPath->text(), searchPath);
}

TEST_F(MainUnitsTest, RemovingAUnitAsksFirstAndRefreshFindsItAgain) {
  TfmMain& fm = OpenSample();
  fm.clbFiles->SetItemIndex(0);
  const std::string first = CurrentAppli->Units.GetUnit(0)->FileName;
  dialogs.Answer(mrNo);
  fm.btRemoveUnit->click();
  EXPECT_EQ(dialogs.Last().text, first + "\r\nwill be Removed from Source File List.\r\n\r\nConfirm ?");
  EXPECT_EQ(fm.clbFiles->Count(), 4);
  fm.btRemoveUnit->click();  // Yes
  EXPECT_EQ(fm.clbFiles->Count(), 3);
  EXPECT_EQ(UnitList().find(first), std::string::npos);
  fm.btRefreshList->click();
  EXPECT_EQ(fm.clbFiles->Count(), 4);
  EXPECT_EQ(CurrentAppli->Units.GetUnit(3)->FileName, first);
  EXPECT_EQ(CurrentAppli->Units.GetUnit(3)->Status, "New");
  EXPECT_NE(UnitList().find(first + ";True;"), std::string::npos);
  EXPECT_EQ(fmLog->Lines(0), CurrentAppli->FileName + " : Refresh List");
  EXPECT_TRUE(fmLog->isVisible());
  EXPECT_TRUE(fm.PageControl1->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainUnitsTest, SecureCodeWithNothingTickedOpensNoScanner) {
  TfmMain& fm = OpenSample();
  fm.btUpdateCode->click();
  EXPECT_EQ(dialogs.Last().text, "No Source File Selected");
  EXPECT_TRUE(EditorAbsent);
  EXPECT_EQ(fmEditor, nullptr);
}

TEST_F(MainUnitsTest, WhenTheScannerClosesThePagesShowTheDatesOfItsSaves) {
  const std::string sample = Sample();
  for (const auto& file : fs::directory_iterator(ExtractFilePath(sample)))
    fs::last_write_time(file.path(), file.last_write_time() - std::chrono::hours(24 * 400));
  TfmMain& fm = Open();
  OpenProject(sample);
  const std::string unit = CurrentAppli->Units.GetUnit(0)->FileName;
  const std::string before = fm.UnitRows()[0];
  SecureAndSaveFirstUnit();
  ASSERT_TRUE(fmEditor->close());
  std::vector<std::string> fields;
  SplitDelimitedTextIntoStrings(fm.UnitRows()[0], ";", fields);
  EXPECT_EQ(fields[2], DateTimeToStr(Now()));  // Code Check
  EXPECT_EQ(fields[3], DateTimeToStr(TUnit(unit).FileDate));
  EXPECT_NE(fm.UnitRows()[0], before);
  ChoosePage(fm.tsApplis);
  EXPECT_EQ(As(fm.edUpdate->text()), DateTimeToStr(Now()));
}

// The scanner window stores its dates while it exists when the program
// ends; a search path stored after that keeps them.
TEST_F(MainUnitsTest, ASearchPathStoredAfterTheScannersDatesKeepsTheNewerLastUpdate) {
  TfmMain& fm = Open();
  const std::string sample = Sample();
  Register(WriteProject("Orchard", {}));
  OpenProject(sample);
  SecureAndSaveFirstUnit();
  fmEditor->StoreSaveDates();
  ChoosePage(fm.tsApplis);
  QTest::keyClicks(fm.edSearchPath, ";/extra");
  ClickRow(fm.lbApps, 0);
  EXPECT_EQ(IniFile->ReadString(sample, "LastUpdate", ""), DateTimeToStr(Now()));
  EXPECT_NE(IniFile->ReadString(sample, "SearchPath", "").find(";/extra"), std::string::npos);
}

TEST_F(MainUnitsTest, TheGuideKeepsTheScannersTextWhenTheMainWindowIsActivatedAfterItsShow) {
  TfmMain& fm = OpenSample();
  fm.tStart->Tick();  // the guide
  Tick(0);
  SecureCode(false);
  ASSERT_EQ(fmGuide->GuideState, 1001);
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(&fm, &activate);
  EXPECT_EQ(fmGuide->GuideState, 1001);
  EXPECT_EQ(As(fmGuide->lbHeader->text()), "Source Files Scanner : Lumbrick code is maintained here.");
  // Once it is closed, the main window's text again.
  ASSERT_TRUE(fmEditor->close());
  QCoreApplication::sendEvent(&fm, &activate);
  EXPECT_EQ(fmGuide->GuideState, 10);
}

// The user goes from one window to the other: the guide tells of the one
// that is active, after a page change too.
TEST_F(MainUnitsTest, TheGuideShowsTheTextOfTheWindowThatIsActive) {
  TfmMain& fm = OpenSample();
  fm.tStart->Tick();  // the guide
  Tick(0);
  SecureCode(false);
  const auto activate = [](QWidget* shown) {
    shown->activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == shown);
  };
  const std::string scanner = "Source Files Scanner : Lumbrick code is maintained here.";
  activate(fmEditor);
  EXPECT_EQ(As(fmGuide->lbHeader->text()), scanner);
  activate(&fm);
  EXPECT_EQ(fmGuide->GuideState, 10);
  EXPECT_EQ(As(fmGuide->lbHeader->text()),
            "Source Files of Application : source files related to the application are listed here.");
  activate(fmEditor);
  EXPECT_EQ(fmGuide->GuideState, 1001);
  EXPECT_EQ(As(fmGuide->lbHeader->text()), scanner);
  activate(&fm);
  ChoosePage(fm.tsApplis);
  EXPECT_EQ(As(fmGuide->lbHeader->text()),
            "List of Applications : DPR files are registered here in order to maintain their code.");
  activate(fmEditor);
  EXPECT_EQ(fmGuide->GuideState, 1001);
  EXPECT_EQ(As(fmGuide->lbHeader->text()), scanner);
  EXPECT_EQ(fmGuide->HelpFile, "scanner.htm");
  activate(&fm);
  EXPECT_EQ(fmGuide->GuideState, 1);
  EXPECT_EQ(fmGuide->HelpFile, "applis.htm");
}

TEST_F(MainUnitsTest, WhileTheScannerIsShownThePagesLeaveItsUnitsAlone) {
  TfmMain& fm = OpenSample();
  Register(WriteProject("Orchard", {}));
  ChoosePage(fm.tsUnits);
  Tick(0);
  {
    ModalAnswer options(ModalAnswer::Click("btValidate"));
    fm.btUpdateCode->click();
    EXPECT_TRUE(options.Done());
  }
  ASSERT_NE(fmEditor, nullptr);
  ASSERT_TRUE(fmEditor->isVisible());
  dialogs.Clear();
  fm.btIgnore->click();
  Tick(1);
  fm.cbPath->SetItemIndex(0);
  emit fm.cbPath->activated(0);
  EXPECT_EQ(DialogTexts(), std::vector<std::string>(3, "Close Source Files Scanner First"));
  EXPECT_FALSE(fm.clbFiles->Checked(1));
  EXPECT_TRUE(CurrentAppli->Units.GetUnit(0)->Included);
  EXPECT_EQ(fm.cbPath->ItemIndex(), 1);
  EXPECT_TRUE(GUIOptions.ShowRelativePath);
  // Nor may the application page free or replace the current application.
  const TAppli* current = CurrentAppli.get();
  ChoosePage(fm.tsApplis);
  ClickRow(fm.lbApps, 1);
  fm.btSelectApplication->click();
  fm.lbApps->SetItemIndex(0);
  fm.lbApps->SetSelected(0, true);
  fm.btRemove->click();
  EXPECT_EQ(DialogTexts().back(), "Close Source Files Scanner First");
  EXPECT_EQ(DialogTexts().size(), 5u);
  EXPECT_EQ(CurrentAppli.get(), current);
  EXPECT_EQ(fm.AppLines().size(), 2u);
  // Closing the program closes the scanner window first, by its own rules.
  EXPECT_TRUE(fm.close());
  EXPECT_FALSE(fmEditor != nullptr && fmEditor->isVisible());
}

}  // namespace
