// Message boxes, file search, program selection, help pages, the browser and
// the small conversions of the common units.
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "Browser.h"
#include "CommonGlobals.h"
#include "Dialogs.h"
#include "ExeSelection.h"
#include "FileSearch.h"
#include "HelpFiles.h"
#include "MessageBoxes.h"
#include "ModelFixture.h"
#include "StatusText.h"
#include "TextChecks.h"
#include "Translator.h"

namespace {

using MessageBoxTest = ModelTest;

TEST_F(MessageBoxTest, EachBoxHasItsTypeAndButtons) {
  ShowInfo("Log Saved");
  ShowError("Bad");
  ShowDebug("Plain");
  ASSERT_EQ(dialogs.Shown().size(), 3u);
  EXPECT_EQ(dialogs.Shown()[0].type, TMsgDlgType::mtInformation);
  EXPECT_EQ(dialogs.Shown()[0].buttons, mbOK);
  EXPECT_EQ(dialogs.Shown()[0].text, "Log Saved");
  EXPECT_EQ(dialogs.Shown()[1].type, TMsgDlgType::mtError);
  EXPECT_EQ(dialogs.Shown()[1].buttons, mbOK);
  EXPECT_EQ(dialogs.Shown()[2].kind, DialogRequest::Kind::ShowMessage);
  EXPECT_EQ(dialogs.Shown()[2].text, "Plain");
}

TEST_F(MessageBoxTest, YesNoIsTrueOnlyForYes) {
  dialogs.Answer(mrYes).Answer(mrNo).Answer(mrCancel);
  EXPECT_TRUE(YesNo("Confirm ?"));
  EXPECT_FALSE(YesNo("Confirm ?"));
  EXPECT_FALSE(YesNo("Confirm ?"));
  EXPECT_EQ(dialogs.Last().type, TMsgDlgType::mtConfirmation);
  EXPECT_EQ(dialogs.Last().buttons, mbYes | mbNo);
}

TEST_F(MessageBoxTest, ErrorAndAbortShowsTheErrorThenAbortsSilently) {
  EXPECT_THROW(ShowErrorAndAbort("Close Source Files Scanner First"), EAbort);
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().type, TMsgDlgType::mtError);
  EXPECT_EQ(dialogs.Last().text, "Close Source Files Scanner First");
}

using GlobalsTest = ModelTest;

TEST_F(GlobalsTest, NullDateIsTheFirstSecondOf2000) {
  NullDate = 0;
  DebugMode = true;
  InitCommonGlobals();
  EXPECT_EQ(DateTimeToStr(NullDate), "1/1/2000 12:00:01 AM");
  EXPECT_FALSE(DebugMode);
}

TEST_F(GlobalsTest, ExeDirKeepsTheFolderAsTheFileSystemSpellsIt) {
  EXPECT_EQ(ExeDirOf("/opt/Tools/MY APP/Corvane"), "/opt/Tools/MY APP/");
  EXPECT_EQ(ExeDirOf(""), "");
  EXPECT_TRUE(std::filesystem::exists(ExeDir + "Corvane"));
}

TEST_F(GlobalsTest, StatusBarGetsTwoBlanksBeforeTheText) {
  ShowInStatusBar("Loading File...");
  EXPECT_EQ(statusBar.text, "  Loading File...");
  MainStatusBar = nullptr;
  EXPECT_NO_THROW(ShowInStatusBar("nowhere"));
}

TEST_F(GlobalsTest, DatesAndIntegersAreCheckedAsThePlatformReadsThem) {
  EXPECT_TRUE(IsDate("6/15/2006 2:30:45 PM"));
  EXPECT_TRUE(IsDate("1/1/2000"));
  EXPECT_FALSE(IsDate("15.06.2006 14:30"));
  EXPECT_FALSE(IsDate(""));
  EXPECT_TRUE(IsInt("-42"));
  EXPECT_TRUE(IsInt("$1F"));
  EXPECT_FALSE(IsInt("42 "));
  EXPECT_FALSE(IsInt("4x"));
}

using FindFileTest = ModelTest;

TEST_F(FindFileTest, TriesTheNameThenTheProgramFolderThenTheLibraryFolder) {
  const std::string project = Write("proj/P.dpr", "program P;");
  std::string name = project;
  EXPECT_TRUE(FindFile(name));
  EXPECT_EQ(name, project);

  Write("prog/Moved.dpr", "program Moved;");
  name = Path("gone/Moved.dpr");
  EXPECT_TRUE(FindFile(name));
  EXPECT_EQ(name, ExeDir + "Moved.dpr");

  lib->AppPath = Path("libdir/");
  Write("libdir/Other.dpr", "program Other;");
  name = Path("gone/Other.dpr");
  EXPECT_TRUE(FindFile(name));
  EXPECT_EQ(name, Path("libdir/Other.dpr"));
}

TEST_F(FindFileTest, NotFoundLeavesTheLastCandidate) {
  lib->AppPath = Path("libdir/");
  std::string name = Path("gone/Missing.dpr");
  EXPECT_FALSE(FindFile(name));
  EXPECT_EQ(name, Path("libdir/Missing.dpr"));
}

TEST_F(FindFileTest, AnEmptyNameFindsNothing) {
  std::string name;
  EXPECT_FALSE(FindFile(name));
}

TEST_F(FindFileTest, ANameWithoutFolderGetsTheCurrentDirectory) {
  lib->AppPath = "";
  ExeDir = "";
  std::filesystem::current_path(Path(""));
  Write("Here.dpr", "program Here;");
  std::string name = "Here.dpr";
  EXPECT_TRUE(FindFile(name));
  EXPECT_EQ(name, std::filesystem::current_path().string() + "/Here.dpr");
}

using RelativePathTest = ModelTest;

TEST_F(RelativePathTest, ResolvesAgainstTheBaseAndLeavesTheCurrentDirectoryThere) {
  std::filesystem::create_directories(Path("proj/Sub"));
  EXPECT_EQ(RelativeToAbsolutePath("Sub/Unit1.pas", Path("proj")), Path("proj/Sub/"));
  EXPECT_EQ(std::filesystem::current_path().string() + "/", Path("proj/"));
  EXPECT_EQ(RelativeToAbsolutePath("../Common/./X.pas", Path("proj/")), Path("Common/"));
  EXPECT_EQ(RelativeToAbsolutePath("/abs/X.pas", Path("proj/")), "/abs/");
}

TEST_F(RelativePathTest, EmptyNameGivesTheBaseEmptyBaseGivesTheNamesFolder) {
  EXPECT_EQ(RelativeToAbsolutePath("", "/base"), "/base/");
  EXPECT_EQ(RelativeToAbsolutePath("/x/y/Unit1.pas", ""), "/x/y/");
  EXPECT_EQ(RelativeToAbsolutePath("", ""), "");
}

TEST_F(RelativePathTest, ABaseThatCannotBeEnteredStillResolves) {
  const std::string before = std::filesystem::current_path().string();
  EXPECT_EQ(RelativeToAbsolutePath("Sub/../Unit1.pas", Path("nowhere")), Path("nowhere/"));
  EXPECT_EQ(std::filesystem::current_path().string(), before);
}

using SelectExeTest = ModelTest;

TEST_F(SelectExeTest, NotFoundAsksFirstAndNoAborts) {
  dialogs.Answer(mrNo);
  std::string browser = "old";
  EXPECT_THROW(SelectExeFile(browser, "Web Browser", "", false, "xdg-open"), EAbort);
  EXPECT_EQ(browser, "old");
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().type, TMsgDlgType::mtWarning);
  EXPECT_EQ(dialogs.Last().buttons, mbYes | mbNo);
  EXPECT_EQ(dialogs.Last().text, "Impossible to find a Web Browser. Browse files to select it ?");
  EXPECT_TRUE(files.shown.empty());
}

TEST_F(SelectExeTest, YesBrowsesAndOkTakesTheChosenFile) {
  dialogs.Answer(mrYes);
  files.Answer("/usr/bin/firefox");
  std::string browser = "old";
  SelectExeFile(browser, "Web Browser", "/usr/bin", false, "xdg-open");
  EXPECT_EQ(browser, "/usr/bin/firefox");
  ASSERT_EQ(files.shown.size(), 1u);
  EXPECT_EQ(files.shown[0].title, "Select a Web Browser");
  EXPECT_EQ(files.shown[0].initialDir, "/usr/bin");
  EXPECT_EQ(files.shown[0].fileName, "xdg-open");
}

TEST_F(SelectExeTest, FoundDoesNotAskAndCancelKeepsTheName) {
  exeDialog.InitialDir = "/kept";
  files.Answer(std::nullopt);
  std::string browser = "/usr/bin/old";
  EXPECT_NO_THROW(SelectExeFile(browser, "Web Browser", "", true, "old"));
  EXPECT_EQ(browser, "/usr/bin/old");
  EXPECT_TRUE(dialogs.Shown().empty());
  ASSERT_EQ(files.shown.size(), 1u);
  EXPECT_EQ(files.shown[0].initialDir, "/kept");  // no folder given: the dialog's own
}

// A browser that writes its arguments, one a line, into a file.
class BrowserTest : public ModelTest {
 protected:
  BrowserTest() {
    BrowserPath = Write("bin/my browser", "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > \"$0.args\"\n");
    chmod(BrowserPath.c_str(), 0755);
  }
  // The arguments the browser received, once it ran.
  std::string Arguments() {
    for (int i = 0; i < 500 && !std::filesystem::exists(BrowserPath + ".args"); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return Read("bin/my browser.args");
  }
};

TEST_F(BrowserTest, APathWithABlankReachesTheBrowserWhole) {
  EXPECT_TRUE(OpenInBrowser("/tmp/My Files/BugReport_0001.htm"));
  EXPECT_EQ(Arguments(), "/tmp/My Files/BugReport_0001.htm\n");
}

TEST_F(BrowserTest, APathWithoutBlank) {
  EXPECT_TRUE(OpenInBrowser("/tmp/BugReport_0001.htm"));
  EXPECT_EQ(Arguments(), "/tmp/BugReport_0001.htm\n");
}

TEST_F(BrowserTest, AMissingBrowserStartsNothing) {
  BrowserPath = Path("bin/none");
  EXPECT_FALSE(OpenInBrowser("/tmp/x.htm"));
  EXPECT_EQ(WinExecute("\"" + Path("bin/none") + "\""), 0u);
}

// Help pages through a translator whose help folders are in the program folder.
class HelpTest : public BrowserTest {
 protected:
  HelpTest() {
    Write("prog/Dialogs.ini", "[Text]\r\n");
    translator = std::make_unique<TTextTranslator>(ExeDir);
    TextTranslator = translator.get();
  }
  ~HelpTest() override { TextTranslator = nullptr; }
  std::unique_ptr<TTextTranslator> translator;
};

TEST_F(HelpTest, APageOfTheHelpFolderOpensInTheBrowser) {
  const std::string page = Write("prog/Help/applis.htm", "<html/>");
  OpenHelpFile("applis.htm", true);
  EXPECT_EQ(Arguments(), page + "\n");
  EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(HelpTest, AnEmptyPageIsTheIndexInTheFrenchFolderInFrench) {
  const std::string page = Write("prog/Help/Fr/index.htm", "<html/>");
  Language = 2;
  OpenHelpFile("", true);
  EXPECT_EQ(Arguments(), page + "\n");
}

TEST_F(HelpTest, AMissingPageSaysSoInAPlainBox) {
  OpenHelpFile("nothing.htm", true);
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().kind, DialogRequest::Kind::ShowMessage);
  EXPECT_EQ(dialogs.Last().text, "Impossible to Find Help File : " + ExeDir + "Help/nothing.htm");
}

TEST_F(HelpTest, APageOutsideTheHelpFolderIsTakenAsNamed) {
  const std::string page = Write("reports/BugReport_0001.htm", "<html/>");
  OpenHelpFile(page, false);
  EXPECT_EQ(Arguments(), page + "\n");
}

TEST_F(HelpTest, WithoutABrowserTheUserPicksOneOrAborts) {
  const std::string picked = BrowserPath;
  BrowserPath = "no-such-browser-on-this-host";
  dialogs.Answer(mrNo);
  EXPECT_THROW(OpenHelpFile("index.htm", true), EAbort);
  EXPECT_EQ(BrowserPath, "no-such-browser-on-this-host");

  const std::string page = Write("prog/Help/index.htm", "<html/>");
  dialogs.Answer(mrYes);
  files.Answer(picked);
  OpenHelpFile("index.htm", true);
  EXPECT_EQ(BrowserPath, picked);
  EXPECT_EQ(files.shown.back().fileName, DefaultBrowserPath);
  EXPECT_EQ(Arguments(), page + "\n");
}

TEST_F(HelpTest, ABrowserNamedOnThePathCountsAsPresent) {
  BrowserPath = "true";
  Write("prog/Help/index.htm", "<html/>");
  OpenHelpFile("index.htm", true);
  EXPECT_TRUE(dialogs.Shown().empty());
}

}  // namespace
