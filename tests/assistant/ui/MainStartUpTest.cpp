// Start-up and shut-down of the main window: the library bound, the settings
// read and written, the last application reopened or registered again, the
// start timer, the assistant's block of the technical text, a failed
// creation.
#include <QCoreApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <sys/stat.h>
#include <filesystem>

#include "AppObjects.h"
#include "Browser.h"
#include "CommonGlobals.h"
#include "Files.h"
#include "Guide.h"
#include "GuiStatusBar.h"
#include "HeaderControl.h"
#include "Log.h"
#include "Lumbrick.h"
#include "MainFixture.h"
#include "PageControl.h"
#include "Settings.h"
#include "QtText.h"
#include "SpeedButton.h"
#include "Timer.h"
#include "Translator.h"
#include "WithoutRoot.h"

namespace {

namespace fs = std::filesystem;

using MainStartUpTest = MainTest;

TEST_F(MainStartUpTest, AFirstStartShowsTheEmptyApplicationPageAndWritesItsSettings) {
  TfmMain& fm = Open();
  EXPECT_EQ(fm.Caption(), " Lumbrick Code Implementation and Maintenance");
  EXPECT_EQ(fm.windowState() & Qt::WindowMaximized, Qt::WindowMaximized);
  EXPECT_EQ(VIX->ModelFile, ProgramDir() + "vixModel.htm");
  EXPECT_EQ(VIX->OnOpenBrowser, &OpenInBrowser);
  EXPECT_EQ(VIX->Language, 1);
  EXPECT_EQ(ExeDir, ProgramDir());
  EXPECT_EQ(fm.PageControl1->ActivePage(), fm.tsApplis);
  EXPECT_EQ(fm.PageControl1->tabText(1), "No Application Selected");
  EXPECT_EQ(CurrentAppli, nullptr);
  EXPECT_EQ(fm.lbApps->Count(), 0);
  EXPECT_EQ(As(fm.lbAppliCount->text()), "0 Files in List");
  EXPECT_FALSE(fm.miDebug->isVisible());
  EXPECT_FALSE(fm.btRefreshList->isEnabled());
  // The header's widths are written at once; the columns follow them.
  EXPECT_EQ(Settings(), "[GUI]\r\nHeaderWidth02=420\r\nHeaderWidth03=135\r\nHeaderWidth04=135\r\n");
  EXPECT_EQ(fm.ColumnLeft(0), 5);
  EXPECT_EQ(fm.ColumnLeft(2), 445);
  EXPECT_EQ(fm.ColumnLeft(4), 715);
  // The start timer fires once and shows the guide.
  ASSERT_TRUE(fm.tStart->Enabled());
  fm.tStart->Tick();
  EXPECT_FALSE(fm.tStart->Enabled());
  EXPECT_TRUE(fmGuide->isVisible());
  EXPECT_EQ(fmGuide->GuideState, 2);
  EXPECT_EQ(As(fmGuide->lbText->text()), "You have NO application in list. Click <Add File> button...");
  EXPECT_TRUE(dialogs.Shown().empty());
  // No application current: LastApp stays unwritten, the rest is stored.
  Close();
  EXPECT_EQ(Settings(),
            "[GUI]\r\nHeaderWidth02=420\r\nHeaderWidth03=135\r\nHeaderWidth04=135\r\nLanguage=1\r\nShowGuide=Yes\r\n"
            "MustNotifyAction=Yes\r\nConfirmOverwrite=Yes\r\nShowRelativePath=Yes\r\n\r\n[System]\r\nNavigator=" +
                std::string(DefaultBrowserPath) + "\r\n");
}

TEST_F(MainStartUpTest, ShutDownWritesTheLastApplicationAndTheOptionsByteForByte) {
  const std::string project = WriteProject("Orchard", {"Trees"});
  WriteSettings("[GUI]\r\nLanguage=2\r\nShowGuide=No\r\nConfirmOverwrite=yes\r\nHeaderWidth02=300\r\n\r\n[System]\r\n"
                "Navigator=/opt/web/browser\r\n");
  TfmMain& fm = Open();
  EXPECT_EQ(Language, 2);
  EXPECT_EQ(VIX->Language, 2);
  EXPECT_EQ(fm.hcFiles->SectionWidth(2), 300);
  EXPECT_EQ(As(fm.lbAppliCount->text()), "0 fichiers dans la liste");
  OpenProject(project);
  fm.tStart->Tick();
  EXPECT_FALSE(fmGuide->isVisible());
  Close();
  EXPECT_EQ(Settings(), "[GUI]\r\nLanguage=2\r\nShowGuide=No\r\nConfirmOverwrite=No\r\nHeaderWidth02=300\r\n"
                        "HeaderWidth03=135\r\nHeaderWidth04=135\r\nLastApp=" + project +
                            "\r\nMustNotifyAction=Yes\r\nShowRelativePath=Yes\r\n\r\n[System]\r\n"
                            "Navigator=/opt/web/browser\r\n\r\n[" + project +
                            "]\r\nDataFileName=Orchard.bul\r\nSearchPath=\r\nCreation=6/15/2006 2:30:45 PM\r\n"
                            "LastUpdate=1/1/2000 12:00:01 AM\r\n");
}

TEST_F(MainStartUpTest, TheLastApplicationIsReopenedAndSelected) {
  const std::string other = WriteProject("Meadow", {});
  const std::string project = Sample();
  TfmMain& first = Open();
  Register(other);
  OpenProject(project);
  EXPECT_EQ(first.clbFiles->Count(), 4);
  TfmMain& fm = Reopen();
  ASSERT_NE(CurrentAppli, nullptr);
  EXPECT_EQ(CurrentAppli->FileName, project);
  EXPECT_NE(CurrentAppli.get(), fm.Applications()->GetAppli(1));  // an object of its own
  EXPECT_EQ(fm.PageControl1->ActivePage(), fm.tsApplis);
  EXPECT_EQ(fm.lbApps->ItemIndex(), 1);
  EXPECT_EQ(As(fm.edDPR->text()), project);
  EXPECT_EQ(fm.PageControl1->tabText(1).toStdString(), project);
  EXPECT_EQ(fm.clbFiles->Count(), 4);
  EXPECT_FALSE(fmLog->isVisible());
}

TEST_F(MainStartUpTest, ALastApplicationWithoutItsSectionIsRegisteredAgain) {
  const std::string project = Sample();
  WriteSettings("[GUI]\r\nLastApp=" + project + "\r\n");
  TfmMain& fm = Open();
  ASSERT_NE(CurrentAppli, nullptr);
  EXPECT_EQ(CurrentAppli->FileName, project);
  EXPECT_EQ(CurrentAppli->Units.Count(), 4);
  EXPECT_EQ(fm.AppLines(), std::vector<std::string>{project});
  EXPECT_EQ(fm.lbApps->ItemIndex(), 0);
  EXPECT_EQ(fmLog->Lines(0), "Lumbrick Initialization...");
  EXPECT_EQ(fmLog->Lines(fmLog->LineCount() - 1), "4 Unit Source Files Found in Application");
  EXPECT_FALSE(fmLog->isVisible());
  EXPECT_NE(Settings().find("[" + project + "]\r\nDataFileName=Greenhouse.bul\r\n"), std::string::npos);
  EXPECT_TRUE(FileExists(ProgramDir() + "Greenhouse.bul"));
}

// One damaged unit list (its last line cut short) is reported once at
// start-up, naming the file and the line; the program starts whole, that
// application opens with the units that could be read, and its file is
// not rewritten.
TEST_F(MainStartUpTest, ADamagedUnitListIsReportedOnceAndTheProgramStartsWhole) {
  const std::string project = Sample();
  Open();
  Register(WriteProject("Meadow", {}));
  OpenProject(project);
  Close();
  const std::string damaged = dir.Read("my prog/Greenhouse.bul") + project + ";Tr";
  dir.Write("my prog/Greenhouse.bul", damaged);
  dialogs.Clear();
  TfmMain& fm = Open();
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().text.substr(0, dialogs.Last().text.find("\r\n\r\n")),
            "Damaged Unit List File : " + ProgramDir() + "Greenhouse.bul\r\nLine 5 : " + project + ";Tr");
  EXPECT_TRUE(fm.PageControl1->isEnabled());
  EXPECT_TRUE(fm.miView->menuAction()->isEnabled());
  EXPECT_EQ(fm.lbApps->Count(), 2);
  ASSERT_NE(CurrentAppli, nullptr);
  EXPECT_EQ(fm.clbFiles->Count(), 4);
  Close();
  EXPECT_EQ(dir.Read("my prog/Greenhouse.bul"), damaged);
}

// A "Corvane.ini" the user may not read is reported once, as unreadable; the
// program starts with its defaults and works, keeping its changes to
// itself: the file stays as it was, and a bug report still builds its text.
TEST_F(MainStartUpTest, AnUnreadableSettingsFileIsReportedOnceAndLeftAsItIs) {
  const std::string project = Sample();
  const std::string settings = "[GUI]\r\nLanguage=2\r\n; the user's note\r\n";
  WriteSettings(settings);
  ASSERT_TRUE(GiveToChild(dir.Path()));
  ASSERT_TRUE(GiveToChild(ProgramDir()));
  ASSERT_TRUE(GiveToChild(ProgramDir() + "Corvane.ini"));
  ::chmod((ProgramDir() + "Corvane.ini").c_str(), 0200);
  const std::string failure = RunWithoutRoot([&]() -> std::string {
    TfmMain& fm = Open();
    const std::vector<std::string> shown = DialogTexts();
    if (shown != std::vector<std::string>{ProgramDir() + "Corvane.ini cannot be read : Permission denied\r\n\r\n"
                                          "Corvane Starts with its Default Settings and Leaves this File as it is."})
      return "dialogs: " + (shown.empty() ? std::string("none") : shown.back());
    if (Language != 1 || !fm.PageControl1->isEnabled()) return "not started with the defaults";
    OpenProject(project);
    if (fm.lbApps->Count() != 1 || fm.clbFiles->Count() != 4) return "the project did not open";
    std::string info;
    fm.CustomInfo(info);
    if (info.find("\r>>> " + ProgramDir() + "Corvane.ini cannot be read : Permission denied\r") == std::string::npos)
      return "custom block: " + info;
    Close();
    return DialogTexts().size() == 1 ? std::string() : "more dialogs: " + DialogTexts().back();
  });
  EXPECT_EQ(failure, "");
  EXPECT_EQ(Settings(), settings);
}

// A program folder that only its owner's administrator may write, without
// "Corvane.ini" yet, as an ordinary user: the first write (the header's
// widths) fails, which is told once; the program starts whole and works,
// keeping its settings in memory, and its end fails on nothing.
TEST_F(MainStartUpTest, WithoutRootAProgramFolderThatCannotBeWrittenCostsOnlyTheSavingOfSettings) {
  ASSERT_TRUE(GiveToChild(dir.Path()));
  ASSERT_TRUE(GiveToChild(ProgramDir()));
  ::chmod(ProgramDir().c_str(), 0555);
  const std::string failure = RunWithoutRoot([&]() -> std::string {
    TfmMain& fm = Open();
    const std::vector<std::string> told{ProgramDir() + "Corvane.ini cannot be saved : Permission denied\r\n\r\n"
                                        "Corvane Keeps the Changes of its Settings until it Closes and Leaves "
                                        "this File as it is."};
    if (DialogTexts() != told) return "dialogs: " + (DialogTexts().empty() ? "none" : DialogTexts().back());
    if (!fm.PageControl1->isEnabled() || !fm.miView->menuAction()->isEnabled()) return "not started whole";
    if (!IniFile->ChangesInMemory()) return "changes not kept in memory";
    if (IniFile->ReadInteger("GUI", "HeaderWidth02", 0) != 420) return "the header's width is not kept";
    fm.miFrench->trigger();
    if (IniFile->ReadInteger("GUI", "Language", 0) != 2) return "the language is not kept";
    if (const std::string count = As(fm.lbAppliCount->text()); count != "0 fichiers dans la liste")
      return "not in French: " + count;
    if (Report().shown != 0) return "reported: " + Report().exceptionText;
    Close();
    return DialogTexts() == told ? std::string() : "more dialogs: " + DialogTexts().back();
  });
  ::chmod(ProgramDir().c_str(), 0755);
  EXPECT_EQ(failure, "");
  EXPECT_FALSE(FileExists(ProgramDir() + "Corvane.ini"));
}

// The same folder holding a "Corvane.ini" that the user may write: the
// settings are written into that file, as an editor writes it, and the run
// says nothing of them.
TEST_F(MainStartUpTest, WithoutRootAWritableSettingsFileInAFolderThatCannotBeWrittenIsSaved) {
  WriteSettings("[GUI]\r\nLanguage=1\r\n");
  ASSERT_TRUE(GiveToChild(dir.Path()));
  ASSERT_TRUE(GiveToChild(ProgramDir()));
  ASSERT_TRUE(GiveToChild(ProgramDir() + "Corvane.ini"));
  ::chmod(ProgramDir().c_str(), 0555);
  const std::string failure = RunWithoutRoot([&]() -> std::string {
    TfmMain& fm = Open();
    fm.miFrench->trigger();
    if (Report().shown != 0) return "reported: " + Report().exceptionText;
    Close();
    return DialogTexts().empty() ? std::string() : "dialogs: " + DialogTexts().front();
  });
  ::chmod(ProgramDir().c_str(), 0755);
  EXPECT_EQ(failure, "");
  const std::string settings = Settings();
  EXPECT_NE(settings.find("Language=2\r\n"), std::string::npos) << settings;
  EXPECT_NE(settings.find("HeaderWidth02=420\r\n"), std::string::npos) << settings;
  EXPECT_NE(settings.find("ShowGuide="), std::string::npos) << settings;
}

// A "Corvane.ini" nobody may write (the superuser included), in French: no
// write at the start, so the first one, a change of language, is told,
// once, in that language; the exit writes nothing and says nothing more.
TEST_F(MainStartUpTest, AReadOnlySettingsFileIsToldOnceAtTheFirstFailedWriteAndLeftAsItIs) {
  const std::string settings = "[GUI]\r\nLanguage=1\r\nHeaderWidth02=420\r\nHeaderWidth03=135\r\nHeaderWidth04=135\r\n";
  WriteSettings(settings);
  ::chmod((ProgramDir() + "Corvane.ini").c_str(), 0444);
  TfmMain& fm = Open();
  EXPECT_TRUE(dialogs.Shown().empty());
  fm.miFrench->trigger();
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().type, TMsgDlgType::mtError);
  EXPECT_EQ(dialogs.Last().text, ProgramDir() + "Corvane.ini ne peut pas \xEAtre enregistr\xE9 : Permission denied\r\n"
                                 "\r\nCorvane garde les changements de ses r\xE9glages jusqu'\xE0 sa fermeture et "
                                 "laisse ce fichier tel quel.");
  EXPECT_EQ(fm.Caption(), " Mise en place et entretien du code Lumbrick");
  fm.miEnglish->trigger();
  EXPECT_EQ(IniFile->ReadInteger("GUI", "Language", 0), 1);
  Close();
  EXPECT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(Settings(), settings);
}

// A session that cannot read "Corvane.ini" registers its applications in
// memory only, and so their unit lists: they work for the run, and no file
// that no stored section names stays behind, so the next session registers
// the project under its own list name. (A folder of that name cannot be
// read, by root too.)
TEST_F(MainStartUpTest, ASessionWithoutItsSettingsLeavesNoUnitListBehind) {
  const std::string project = Sample();
  const std::string meadow = WriteProject("Meadow", {});
  fs::create_directory(ProgramDir() + "Corvane.ini");
  TfmMain& fm = Open();
  ASSERT_EQ(DialogTexts().size(), 1u);
  EXPECT_EQ(DialogTexts()[0].substr(0, DialogTexts()[0].find("\r\n")),
            ProgramDir() + "Corvane.ini cannot be read : Is a directory");
  OpenProject(project);
  fm.clbFiles->SetItemIndex(1);
  fm.btIgnore->click();
  Register(meadow);
  fm.lbApps->SetItemIndex(1);
  fm.btSelectApplication->click();
  ChoosePage(fm.tsApplis);
  fm.lbApps->SetItemIndex(0);
  fm.btSelectApplication->click();  // read again
  ASSERT_NE(CurrentAppli, nullptr);
  ASSERT_EQ(CurrentAppli->FileName, project);
  ASSERT_EQ(CurrentAppli->Units.Count(), 4);
  EXPECT_FALSE(CurrentAppli->Units.GetUnit(1)->Included);
  EXPECT_FALSE(FileExists(ProgramDir() + "Greenhouse.bul"));
  EXPECT_FALSE(FileExists(ProgramDir() + "Meadow.bul"));
  Close();
  EXPECT_FALSE(FileExists(ProgramDir() + "Greenhouse.bul"));
  fs::remove(ProgramDir() + "Corvane.ini");
  dialogs.Clear();
  Open();
  Register(project);
  EXPECT_EQ(DialogTexts(), std::vector<std::string>{});
  EXPECT_NE(Settings().find("[" + project + "]\r\nDataFileName=Greenhouse.bul\r\n"), std::string::npos);
  EXPECT_TRUE(FileExists(ProgramDir() + "Greenhouse.bul"));
}

TEST_F(MainStartUpTest, OnlyTheExactWordKindleShowsTheDebugItem) {
  for (const auto& [value, shown] : std::vector<std::pair<std::string, bool>>{
           {"Kindle", true}, {"\" Kindle\"", false}, {"kindle", false}, {"Kindle2", false}}) {
    WriteSettings("[System]\r\nDebug=" + value + "\r\n");
    TfmMain& fm = Open();
    EXPECT_EQ(fm.miDebug->isVisible(), shown) << value;
    EXPECT_EQ(DebugMode, shown) << value;
    Close();
  }
}

TEST_F(MainStartUpTest, TheCustomBlockCopiesTheSettingsFileWithBareCarriageReturns) {
  TfmMain& fm = Open();
  const std::string title = "=== Lumbrick Custom Informations ===";
  std::string info = "left over";
  ASSERT_TRUE(DeleteFile(ProgramDir() + "Corvane.ini"));
  fm.CustomInfo(info);
  EXPECT_EQ(info, title + "\r>>> " + ProgramDir() + "Corvane.ini not found\r" + title);
  WriteSettings("");
  fm.CustomInfo(info);
  EXPECT_EQ(info, title + "\r" + ProgramDir() + "Corvane.ini\r------ End Of Corvane.ini ------\r" + title);
  WriteSettings("[GUI]\r\nLanguage=1\n\r\n[System]\r\nNavigator=/usr/bin/firefox");
  fm.CustomInfo(info);
  EXPECT_EQ(info, title + "\r" + ProgramDir() +
                      "Corvane.ini\r [GUI]\r Language=1\r \r [System]\r Navigator=/usr/bin/firefox\r"
                      "------ End Of Corvane.ini ------\r" + title);
}

TEST_F(MainStartUpTest, AFailedCreationIsReportedAndTheWindowCanStillBeClosed) {
  ASSERT_TRUE(DeleteFile(ProgramDir() + "Dialogs.ini"));
  TfmMain& fm = Open();
  reportsExpected = 1;
  EXPECT_EQ(Report().shown, 1);
  EXPECT_EQ(Report().StackSection().front(), "- Procedure TfmMain.FormCreate");
  // What was built stays: English captions, nothing that needs the
  // services that are missing.
  EXPECT_EQ(fm.Caption(), " Lumbrick Code Implementation and Maintenance");
  EXPECT_FALSE(fm.PageControl1->isEnabled());
  EXPECT_FALSE(fm.miView->menuAction()->isEnabled());
  EXPECT_FALSE(fm.miViewLogFile->isEnabled());  // F12 too
  EXPECT_TRUE(fm.miHelpAbout->isEnabled());
  EXPECT_EQ(fmLog, nullptr);
  fm.close();
  Close();
  EXPECT_NE(Settings().find("ShowGuide=No\r\n"), std::string::npos);
}

TEST_F(MainStartUpTest, ClosingWithTheGuideShownKeepsItShownAtTheNextStart) {
  TfmMain& fm = Open();
  fm.tStart->Tick();  // the guide
  ASSERT_TRUE(fmGuide->isVisible());
  ASSERT_TRUE(fm.close());
  fmGuide->close();  // as the application's quit closes the windows left
  Close();
  EXPECT_NE(Settings().find("ShowGuide=Yes\r\n"), std::string::npos);
}

TEST_F(MainStartUpTest, TheStatusBarShowsTheHintOfWhatTheMouseIsOver) {
  TfmMain& fm = Open();
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QCoreApplication::sendEvent(fm.btRefreshList, &enter);
  EXPECT_EQ(fm.StatusBar->SimpleText(), "  Find SourceFiles from Source Code then Refresh List");
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(fm.btRefreshList, &leave);
  EXPECT_EQ(fm.StatusBar->SimpleText(), "  ");
}

}  // namespace
