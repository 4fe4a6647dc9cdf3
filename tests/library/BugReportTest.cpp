// Numbered HTML reports, the station settings file and the message table.
#include <sys/stat.h>

#include <climits>
#include <filesystem>

#include "FileSizeLimit.h"
#include "Files.h"
#include "SysUtils.h"
#include "LibraryFixture.h"
#include "WithoutRoot.h"

namespace {

using ::testing::HasSubstr;

const std::string kModel =
    "<html><body>\r\n<form>\r\n<textarea name=\"taLumbrick\" rows=\"20\">Model text</textarea>\r\n</form></body></html>\r\n";

class BugReportTest : public LibraryTest {
 protected:
  BugReportTest() {
    lib->ModelFile = dir.Write("DromletModel.htm", kModel);
    lib->LoadStationSettings();
  }
  // A processed exception leaves the technical text the report copies.
  void Raise(const std::string& message) {
    Window().onShow = [] {};
    Run([message] { throw EConvertError(message); });
  }
  int Create(std::string& report, std::string& error, bool askOverwrite = false) {
    return lib->CreateBugReport(lib->ModelFile, report, askOverwrite, error);
  }
  std::string Head() const { return kModel.substr(0, kModel.find("rows=\"20\">") + 10); }
  std::string Tail() const { return kModel.substr(kModel.find("Model text")); }
};

TEST_F(BugReportTest, FirstReportInAFreshFolderByteForByte) {
  Raise("Boom");
  Window().description = {"Clicked the button", "twice"};
  std::string report, error;
  ASSERT_EQ(Create(report, error), 0);
  EXPECT_EQ(report, dir.File("BugReport_0001.htm"));
  const std::string expected = Head() +
                               "********** BugReport 0001 **********\r"
                               "Creation : 6/15/2006 2:30:45 PM\r"
                               "Station Id : None\r\r"
                               "***** User Description *****\r"
                               "Clicked the button\r\ntwice\r\n"
                               "\r\r" +
                               lib->TechInfo() + Tail();
  EXPECT_EQ(dir.Read("BugReport_0001.htm"), expected);
  EXPECT_EQ(dir.Read("Lumbrick.ini"), "[Section]\r\nLastReportNum=1\r\n");
}

TEST_F(BugReportTest, AnEmptyDescriptionAndFrenchHeading) {
  lib->Language = 2;
  Raise("Boom");
  Window().language = 2;
  std::string report, error;
  ASSERT_EQ(Create(report, error), 0);
  EXPECT_THAT(dir.Read("BugReport_0001.htm"),
              HasSubstr("None\r\r***** Description de l'utilisateur *****\r\r\r***** Lumbrick Technical"));
}

TEST_F(BugReportTest, NumbersGrowPastFourDigits) {
  lib->LastReportNum = 9999;
  Raise("Boom");
  std::string report, error;
  ASSERT_EQ(Create(report, error), 0);
  EXPECT_EQ(report, dir.File("BugReport_10000.htm"));
  lib->LastReportNum = 6;
  report.clear();
  ASSERT_EQ(Create(report, error), 0);
  EXPECT_EQ(report, dir.File("BugReport_0007.htm"));
}

TEST_F(BugReportTest, MarkupInTextsGoesInUnchangedButCannotCloseTheTextarea) {
  Raise("a < b && c </TextArea><script>x</script>");
  Window().description = {"<b>&amp;</b>"};
  std::string report, error;
  ASSERT_EQ(Create(report, error), 0);
  const std::string html = dir.Read("BugReport_0001.htm");
  EXPECT_THAT(html, HasSubstr("<b>&amp;</b>\r\n"));
  EXPECT_THAT(html, HasSubstr("a < b && c &lt;/TextArea><script>x</script>"));
  // The model's own closing tag is the only one left.
  EXPECT_EQ(LowerCase(html).find("</textarea"), html.find("</textarea>\r\n</form>"));
}

TEST_F(BugReportTest, MarkerRules) {
  Raise("Boom");
  struct Case {
    std::string model;
    int result;
  };
  const Case cases[] = {
      {"<TEXTAREA NAME=\"TALUMBRICK\" ROWS=5>x</TEXTAREA>", 0},
      {"<textarea name = \"taLumbrick\">x</textarea>", 3},
      {"<textarea name=\"taLumbrick\" ", 3},  // no ">" after the marker
      {"<textarea name=taLumbrick>x</textarea>", 3},
      {std::string("<p>\0<textarea name=\"taLumbrick\">", 32), 3},  // read stops at NUL
  };
  for (const Case& c : cases) {
    const std::string model = dir.Write("m.htm", c.model);
    std::string report, error;
    EXPECT_EQ(lib->CreateBugReport(model, report, false, error), c.result) << c.model;
    if (c.result == 3) {
      EXPECT_EQ(error, "Missing <textarea name=\"taLumbrick\"...>...</textarea> in model file " + model);
    }
  }
  EXPECT_EQ(dir.Read("BugReport_0001.htm").substr(0, 37), "<TEXTAREA NAME=\"TALUMBRICK\" ROWS=5>**");
}

TEST_F(BugReportTest, TheModelIsLookedForInTheProgramFolder) {
  Raise("Boom");
  std::string report, error;
  EXPECT_EQ(lib->CreateBugReport("/nowhere/DromletModel.htm", report, false, error), 0);
  EXPECT_EQ(lib->CreateBugReport("/nowhere/Other.htm", report, false, error), 2);
  EXPECT_EQ(error, "Impossible to find Model file " + dir.File("Other.htm"));
  EXPECT_EQ(lib->LastReportNum, 1);  // no number taken without a model
}

TEST_F(BugReportTest, RefusedOverwriteStillUsesItsNumber) {
  Raise("Boom");
  dir.Write("Mine.htm", "old");
  std::string report = "  Mine.htm\t", error;
  dialogs.Answer(mrNo);
  EXPECT_EQ(Create(report, error, true), 4);
  EXPECT_EQ(report, dir.File("Mine.htm"));
  EXPECT_EQ(dialogs.Last().text, dir.File("Mine.htm") + " already exists. Overwrite it ?");
  EXPECT_EQ(error, "Overwrite operation refused by user");
  EXPECT_EQ(dir.Read("Mine.htm"), "old");
  EXPECT_EQ(lib->LastReportNum, 1);
  EXPECT_EQ(dir.Read("Lumbrick.ini"), "[Section]\r\nLastReportNum=1\r\n");
}

TEST_F(BugReportTest, AnUncreatableNameFallsBackToTheFixedName) {
  Raise("Boom");
  std::string report = dir.File("no/such/folder/r.htm"), error;
  EXPECT_EQ(Create(report, error), 0);
  EXPECT_EQ(report, dir.File("BugReport.htm"));
  EXPECT_THAT(dir.Read("BugReport.htm"), HasSubstr("BugReport 0001"));
}

TEST_F(BugReportTest, AShortWriteIsReportedAndLeavesNoReport) {
  Raise("Boom");
  Window().description = {std::string(5000, 'd')};
  std::string report, error;
  int result;
  {
    const FileSizeLimit limit(4096);
    result = Create(report, error);
  }
  EXPECT_EQ(result, 4);
  EXPECT_EQ(error, "Error while writing file " + dir.File("BugReport_0001.htm"));
  EXPECT_FALSE(FileExists(dir.File("BugReport_0001.htm")));
  EXPECT_EQ(lib->LastReportNum, 1);  // the number stays used
}

TEST_F(BugReportTest, CreateAndOpenTellsTheOutcome) {
  Raise("Boom");
  static std::string opened;
  lib->OnOpenBrowser = [](const std::string& path) {
    opened = path;
    return true;
  };
  lib->CreateAndOpenBugReport();
  EXPECT_EQ(opened, dir.File("BugReport_0001.htm"));
  const std::size_t shownBefore = dialogs.Shown().size();
  EXPECT_EQ(shownBefore, 1u);  // only the question of Raise

  lib->OnOpenBrowser = [](const std::string&) { return false; };
  lib->CreateAndOpenBugReport();
  EXPECT_EQ(dialogs.Last().kind, DialogRequest::Kind::ShowMessage);
  EXPECT_EQ(dialogs.Last().text, "No Web Browser Available. Consult " + dir.File("BugReport_0002.htm") +
                                     " Directly from Windows");

  lib->ModelFile = dir.File("Missing.htm");
  lib->CreateAndOpenBugReport();
  EXPECT_EQ(dialogs.Last().text,
            "Impossible to Create HTML Bug Report\n\rImpossible to find Model file " + dir.File("Missing.htm"));
}

TEST_F(BugReportTest, StationLabelIsWrittenThrough) {
  lib->SetStationId("Bench 4");
  Raise("Boom");
  std::string report, error;
  ASSERT_EQ(Create(report, error), 0);
  EXPECT_THAT(dir.Read("BugReport_0001.htm"), HasSubstr("Station Id : Bench 4\r\r"));
  EXPECT_EQ(dir.Read("Lumbrick.ini"), "[Section]\r\nStationId=Bench 4\r\nLastReportNum=1\r\n");
  // A new run reads them back.
  TLumbrick again(nullptr);
  again.AppPath = dir.Path();
  again.LoadStationSettings();
  EXPECT_EQ(again.StationId, "Bench 4");
  EXPECT_EQ(again.LastReportNum, 1);
}

// Only an existing file with AskOverwrite set brings the question; a file
// that exists without it, or AskOverwrite without a file, brings none.
TEST_F(BugReportTest, AsksBeforeOverwritingOnlyAnExistingFileWhenAskOverwriteIsSet) {
  Raise("Boom");
  const std::size_t questions = dialogs.Shown().size();
  std::string error;
  dir.Write("Mine.htm", "old");
  std::string report = "Mine.htm";
  ASSERT_EQ(Create(report, error, false), 0);
  EXPECT_EQ(dialogs.Shown().size(), questions);
  EXPECT_THAT(dir.Read("Mine.htm"), HasSubstr("BugReport 0001"));

  report = "New.htm";
  ASSERT_EQ(Create(report, error, true), 0);
  EXPECT_EQ(dialogs.Shown().size(), questions);
  EXPECT_THAT(dir.Read("New.htm"), HasSubstr("BugReport 0002"));

  dialogs.Answer(mrYes);
  report = "Mine.htm";
  ASSERT_EQ(Create(report, error, true), 0);
  ASSERT_EQ(dialogs.Shown().size(), questions + 1);
  EXPECT_EQ(dialogs.Last().text, dir.File("Mine.htm") + " already exists. Overwrite it ?");
  EXPECT_THAT(dir.Read("Mine.htm"), HasSubstr("BugReport 0003"));
}

// A report file nobody may write is not replaced, not even by the
// superuser: the writer's result tells it.
TEST_F(BugReportTest, AReadOnlyReportFileIsNotReplaced) {
  Raise("Boom");
  dir.Write("Mine.htm", "old");
  ::chmod(dir.File("Mine.htm").c_str(), 0444);
  std::string report = "Mine.htm", error;
  EXPECT_EQ(Create(report, error), 4);
  EXPECT_EQ(error, "Error while writing file " + dir.File("Mine.htm"));
  EXPECT_EQ(dir.Read("Mine.htm"), "old");
}

// With "Lumbrick.ini" lost, numbering starts again; the new reports take
// the numbers whose files do not exist, and the settings file holds the
// last one used.
TEST_F(BugReportTest, NumberingStartedAgainReplacesNoOlderReport) {
  dir.Write("BugReport_0001.htm", "first");
  dir.Write("BugReport_0002.htm", "second");
  dir.Write("BugReport_0004.htm", "fourth");
  Raise("Boom");
  std::string report, error;
  ASSERT_EQ(Create(report, error), 0);
  EXPECT_EQ(report, dir.File("BugReport_0003.htm"));
  EXPECT_THAT(dir.Read("BugReport_0003.htm"), HasSubstr("********** BugReport 0003 **********\r"));
  report.clear();
  ASSERT_EQ(Create(report, error), 0);
  EXPECT_EQ(report, dir.File("BugReport_0005.htm"));
  EXPECT_EQ(dir.Read("BugReport_0001.htm"), "first");
  EXPECT_EQ(dir.Read("BugReport_0002.htm"), "second");
  EXPECT_EQ(dir.Read("BugReport_0004.htm"), "fourth");
  EXPECT_EQ(dir.Read("Lumbrick.ini"), "[Section]\r\nLastReportNum=5\r\n");
  EXPECT_EQ(lib->LastReportNum, 5);
}

// The settings file holds a 32-bit number: past the largest one there is
// none left, which is a failed write naming the settings file, and nothing
// is written or replaced.
TEST_F(BugReportTest, NoNumberLeftIsAFailedWriteThatChangesNothing) {
  Raise("Boom");
  const std::string ini = "[Section]\r\nLastReportNum=2147483646\r\n";
  dir.Write("Lumbrick.ini", ini);
  dir.Write("BugReport_2147483647.htm", "the last one");
  lib->LastReportNum = INT_MAX - 1;
  std::string report, error;
  EXPECT_EQ(Create(report, error), 4);
  EXPECT_EQ(error, "Error while writing file " + dir.File("Lumbrick.ini"));
  EXPECT_EQ(report, "");
  lib->LastReportNum = INT_MAX;
  EXPECT_EQ(Create(report, error), 4);
  EXPECT_EQ(dir.Read("Lumbrick.ini"), ini);
  EXPECT_EQ(dir.Read("BugReport_2147483647.htm"), "the last one");
  EXPECT_EQ(lib->LastReportNum, INT_MAX);
  lib->CreateAndOpenBugReport();
  EXPECT_EQ(dialogs.Last().text,
            "Impossible to Create HTML Bug Report\n\rError while writing file " + dir.File("Lumbrick.ini"));
}

// A browser that took a report and failed afterwards (the hook tells it
// later): the user learns where the report is, in the library's language.
TEST_F(BugReportTest, ABrowserThatFailsLaterIsToldAsOneThatCouldNotStart) {
  lib->OpenBrowserFailed(dir.File("BugReport_0003.htm"));
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().kind, DialogRequest::Kind::ShowMessage);
  EXPECT_EQ(dialogs.Last().text, "No Web Browser Available. Consult " + dir.File("BugReport_0003.htm") +
                                     " Directly from Windows");
  lib->Language = 2;
  lib->OpenBrowserFailed(dir.File("BugReport_0003.htm"));
  EXPECT_EQ(dialogs.Last().text, "Aucun navigateur Web disponible. Consultez " + dir.File("BugReport_0003.htm") +
                                     " directement depuis Windows");
}

// A settings file nobody may write stays whole and stops no report: the
// report takes the next free number, and the failure is told after it.
TEST_F(BugReportTest, AReadOnlySettingsFileIsKeptAndTheReportWrittenAllTheSame) {
  Raise("Boom");
  const std::string ini = "[Section]\r\nStationId=Desk 4\r\nLastReportNum=7\r\n";
  dir.Write("Lumbrick.ini", ini);
  ::chmod(dir.File("Lumbrick.ini").c_str(), 0444);
  lib->LastReportNum = 7;
  lib->OnOpenBrowser = [](const std::string&) { return true; };
  lib->CreateAndOpenBugReport();
  EXPECT_EQ(dir.Read("Lumbrick.ini"), ini);
  EXPECT_THAT(dir.Read("BugReport_0008.htm"), HasSubstr("EConvertError : Boom"));
  EXPECT_EQ(lib->LastReportNum, 8);
  const std::string told = "Impossible to save station settings file " + dir.File("Lumbrick.ini") +
                           " : Permission denied\n\r\n\rStation label and report numbers are kept until the "
                           "program closes; the file is left as it is.";
  EXPECT_EQ(dialogs.Last().kind, DialogRequest::Kind::ShowMessage);
  EXPECT_EQ(dialogs.Last().text, told);
  // The next report's number stays in memory, and says nothing of the
  // earlier failure.
  const std::size_t shown = dialogs.Shown().size();
  lib->CreateAndOpenBugReport();
  EXPECT_THAT(dir.Read("BugReport_0009.htm"), HasSubstr("********** BugReport 0009 **********\r"));
  EXPECT_EQ(lib->LastReportNum, 9);
  EXPECT_EQ(dialogs.Shown().size(), shown);
  EXPECT_EQ(dir.Read("Lumbrick.ini"), ini);
}

// The station label edited while the settings file cannot be saved is kept
// for the run and told once, in French for a French program.
TEST_F(BugReportTest, AStationLabelThatCannotBeSavedIsKeptAndToldOnce) {
  const std::string ini = "[Section]\r\nStationId=Desk 4\r\n";
  dir.Write("Lumbrick.ini", ini);
  ::chmod(dir.File("Lumbrick.ini").c_str(), 0444);
  lib->Language = 2;
  lib->SetStationId("Bench 5");
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().kind, DialogRequest::Kind::ShowMessage);
  EXPECT_EQ(dialogs.Last().text, "Impossible d'enregistrer le fichier des r\xE9glages du poste " +
                                     dir.File("Lumbrick.ini") +
                                     " : Permission denied\n\r\n\rLe libell\xE9 du poste et les num\xE9ros des "
                                     "rapports sont gard\xE9s jusqu'\xE0 la fermeture du programme ; le fichier "
                                     "reste tel quel.");
  lib->SetStationId("Bench 6");
  lib->OnOpenBrowser = [](const std::string&) { return true; };
  Raise("Boom");
  lib->CreateAndOpenBugReport();
  EXPECT_THAT(dir.Read("BugReport_0001.htm"), HasSubstr("Station Id : Bench 6\r"));
  EXPECT_EQ(dialogs.Shown().size(), 2u);  // the question of Raise
  EXPECT_EQ(dir.Read("Lumbrick.ini"), ini);
}

// A program folder nobody but its owner may write, as an ordinary user: the
// report cannot be created under either name, which the library says in its
// own words, and then that its settings are not saved.
TEST_F(BugReportTest, WithoutRootAReadOnlyProgramFolderGetsTheLibrarysOwnMessages) {
  Raise("Boom");
  ::mkdir(dir.File("closed").c_str(), 0555);
  ASSERT_TRUE(GiveToChild(dir.Path()));
  ASSERT_TRUE(GiveToChild(dir.File("closed")));
  const std::string folder = dir.File("closed/");
  const std::string failure = RunWithoutRoot([&]() -> std::string {
    TLumbrick fresh(nullptr);
    VIX = &fresh;
    fresh.AppPath = folder;
    fresh.ModelFile = lib->ModelFile;
    dialogs.Clear();
    try {
      fresh.CreateAndOpenBugReport();
    } catch (const Exception& e) {
      return "raised: " + e.Message();
    }
    const std::vector<std::string> expected{
        "Impossible to Create HTML Bug Report\n\rError while writing file " + folder + "BugReport.htm",
        "Impossible to save station settings file " + folder + "Lumbrick.ini : Permission denied\n\r\n\r"
        "Station label and report numbers are kept until the program closes; the file is left as it is."};
    std::vector<std::string> shown;
    for (const DialogRequest& d : dialogs.Shown()) shown.push_back(d.text);
    if (shown != expected) return "shown: " + (shown.empty() ? std::string("nothing") : shown.front());
    return fresh.LastReportNum == 1 ? std::string() : "number " + std::to_string(fresh.LastReportNum);
  });
  EXPECT_EQ(failure, "");
  EXPECT_TRUE(std::filesystem::is_empty(dir.File("closed")));
}

// As a user who may write "Lumbrick.ini" but not read it: its station label
// and number are unknown, so it is not rewritten with a number alone; the
// report is written with the first free number.
TEST_F(BugReportTest, AnUnreadableSettingsFileIsKeptAndTheReportWrittenAllTheSame) {
  Raise("Boom");
  const std::string ini = "[Section]\r\nStationId=Desk 4\r\nLastReportNum=7\r\n";
  dir.Write("Lumbrick.ini", ini);
  ASSERT_TRUE(GiveToChild(dir.Path()));
  ASSERT_TRUE(GiveToChild(dir.File("Lumbrick.ini")));
  ::chmod(dir.File("Lumbrick.ini").c_str(), 0200);
  const std::string failure = RunWithoutRoot([&]() -> std::string {
    TLumbrick fresh(nullptr);
    VIX = &fresh;
    fresh.AppPath = dir.Path();
    fresh.LoadStationSettings();
    std::string report, error;
    if (fresh.CreateBugReport(lib->ModelFile, report, false, error) != 0) return "no report: " + error;
    return report == dir.File("BugReport_0001.htm") ? std::string() : "report: " + report;
  });
  EXPECT_EQ(failure, "");
  EXPECT_EQ(dir.Read("Lumbrick.ini"), ini);
  EXPECT_TRUE(FileExists(dir.File("BugReport_0001.htm")));
}

// A program folder named with "é" (E9 in the program's text, C3 A9 on the
// file system): the report lands in it.
TEST_F(BugReportTest, AProgramFolderWithAnAccent) {
  std::filesystem::create_directory(dir.Path() + "Rapports d\xC3\xA9" "fauts");
  lib->AppPath = dir.Path() + "Rapports d\xE9" "fauts/";
  Raise("Boom");
  std::string report, error;
  ASSERT_EQ(lib->CreateBugReport(lib->ModelFile, report, false, error), 0);
  EXPECT_EQ(report, lib->AppPath + "BugReport_0001.htm");
  EXPECT_TRUE(std::filesystem::exists(dir.Path() + "Rapports d\xC3\xA9" "fauts/BugReport_0001.htm"));
}

TEST(MessageTable, EnglishFrenchAndFallback) {
  TLumbrick lib(nullptr);
  VIX = &lib;
  EXPECT_EQ(GetMessage(3), "Error Calling GetMessage(3)");
  EXPECT_EQ(GetMessage(-1), "Error Calling GetMessage(-1)");
  EXPECT_EQ(GetMessage(6), " already exists. Overwrite it ?");
  lib.Language = 2;
  EXPECT_EQ(GetMessage(15), "Erreur d'appel de GetMessage(15)");
  EXPECT_EQ(GetMessage(6), " existe d\xE9j\xE0. L'\xE9" "craser ?");
  EXPECT_EQ(GetMessage(7), "Impossible de cr\xE9" "er le bug report HTML");
  EXPECT_EQ(GetMessage(10), "Libell\xE9 du poste");
  EXPECT_EQ(GetMessage(1),
            "<textarea name=\"taLumbrick\"...>...</textarea> manquant dans le fichier mod\xE8le ");
  VIX = nullptr;
}

}  // namespace
