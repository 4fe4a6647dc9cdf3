// The discovery walk on projects written by the tests, with its log lines.
#include <filesystem>

#include "AppliList.h"
#include "CommonGlobals.h"
#include "ModelFixture.h"
#include "Settings.h"
#include "SysUtils.h"

namespace {

class DiscoveryTest : public ModelTest {
 protected:
  // A unit source in the project folder (Folder may hold sub-folders).
  std::string Unit(const std::string& File, const std::vector<std::string>& InterfaceUses,
                   const std::vector<std::string>& ImplementationUses = {}) {
    const std::string name = File.substr(File.rfind('/') + 1, File.rfind('.') - File.rfind('/') - 1);
    return Write("proj/" + File, UnitSource(name, InterfaceUses, ImplementationUses));
  }
  std::string Project(const std::vector<std::string>& Uses) { return Write("proj/P.dpr", ProgramSource("P", Uses)); }
  // Units as "relative path:status" in list order.
  std::vector<std::string> Units(const TAppli& A) const {
    std::vector<std::string> r;
    for (const auto& unit : A.Units) r.push_back(unit->FileName.substr(Path("proj/").size()) + ":" + unit->Status);
    return r;
  }
  using Lines = std::vector<std::string>;
};

TEST_F(DiscoveryTest, TheWalkFollowsTheUsesClausesBreadthFirst) {
  Unit("Unit1.pas", {"Unit2"});
  Unit("Unit2.pas", {});
  auto a = TAppli::CreateNew(Project({"Unit1", "Unit2"}));
  EXPECT_EQ(log.lines, (Lines{"P.dpr\tUnits : 2", "Unit1.pas\tUnits : 1", "Unit2.pas\tUnits : 0", "",
                              "2 Unit Source Files Found in Application"}));
  EXPECT_EQ(Units(*a), (Lines{"Unit1.pas:New", "Unit2.pas:New"}));
  EXPECT_EQ(log.infos, (Lines{"Loading File...", "Analyzing Uses Clause...", "Loading File...",
                              "Analyzing Interface Uses Clause...", "Analyzing Implementation Uses Clause...",
                              "Loading File...", "Analyzing Interface Uses Clause...",
                              "Analyzing Implementation Uses Clause...", "Testing if Source Files Exist...", ""}));
}

TEST_F(DiscoveryTest, RegisteringWritesTheSectionAndTheUnitList) {
  Unit("Unit1.pas", {});
  const std::string project = Project({"Unit1"});
  auto a = TAppli::CreateNew(project);
  EXPECT_EQ(a->DataFileName, ExeDir + "P.bul");
  EXPECT_EQ(a->Creation, Now());
  EXPECT_EQ(a->LastUpdate, NullDate);
  EXPECT_EQ(Read("prog/P.bul"), Path("proj/Unit1.pas") + ";True;1/1/2000 12:00:01 AM;New\r\n");
  EXPECT_EQ(Settings(), "[" + project +
                            "]\r\nDataFileName=P.bul\r\nSearchPath=\r\nCreation=6/15/2006 2:30:45 PM\r\n"
                            "LastUpdate=1/1/2000 12:00:01 AM\r\n");
  // Reopened, the new unit is Ok.
  auto b = TAppli::CreateFromFile(project);
  EXPECT_EQ(Units(*b), (Lines{"Unit1.pas:Ok"}));
}

TEST_F(DiscoveryTest, PathsAfterInAreTakenFromTheProjectFolderWhateverTheCurrentDirectory) {
  Unit("Sub/Unit1.pas", {"Log"});
  Unit("Log.pas", {});
  Unit("Sub/Other.pas", {});
  std::filesystem::current_path("/");
  auto a = TAppli::CreateNew(Project({"Forms", "Unit1 in 'Sub\\Unit1.pas'", "Other in 'Sub\\..\\Sub\\Other.pas'"}));
  EXPECT_EQ(Units(*a), (Lines{"Sub/Unit1.pas:New", "Sub/Other.pas:New", "Log.pas:New"}));
  EXPECT_EQ(log.lines, (Lines{"P.dpr\tUnits : 3", "Sub/Unit1.pas\tUnits : 1", "Sub/Other.pas\tUnits : 0",
                              "Log.pas\tUnits : 0", "", "3 Unit Source Files Found in Application"}));
}

TEST_F(DiscoveryTest, AnExtensionOtherThanLowerCasePasIsExtendedAndNotFound) {
  Unit("Unit1.PAS", {});
  auto a = TAppli::CreateNew(Project({"Unit1 in 'Unit1.PAS'"}));
  EXPECT_EQ(a->Units.Count(), 0);
  EXPECT_EQ(a->FindSourceFileName("Unit1.PAS"), "");
  EXPECT_EQ(a->FindSourceFileName("unit1"), Path("proj/Unit1.PAS"));
}

TEST_F(DiscoveryTest, ANameIsFoundIgnoringCaseInItsFolderAsTheCompilerFindsIt) {
  Unit("unit1.pas", {});
  Unit("Sub/MAIN.pas", {});
  auto a = TAppli::CreateNew(Project({"Unit1", "Main in 'sub\\main.pas'", "Main2 in 'Sub\\main.pas'"}));
  EXPECT_EQ(Units(*a), (Lines{"unit1.pas:New", "Sub/MAIN.pas:New"}));
}

TEST_F(DiscoveryTest, FoldersWrittenOnWindowsAreFoundIgnoringLetterCase) {
  Unit("Sub/Main.pas", {});
  Unit("Lib/Deep/Tool.pas", {});
  Write("proj/P.dof", "[Directories]\r\nSearchPath=LIB\\deep\r\n");
  auto a = TAppli::CreateNew(Project({"Main in 'SUB\\Main.pas'", "Tool"}));
  EXPECT_EQ(Units(*a), (Lines{"Sub/Main.pas:New", "Lib/Deep/Tool.pas:New"}));
  EXPECT_EQ(log.lines, (Lines{"P.dpr\tUnits : 2", "Sub/Main.pas\tUnits : 0", "Lib/Deep/Tool.pas\tUnits : 0", "",
                              "2 Unit Source Files Found in Application"}));
}

TEST_F(DiscoveryTest, AFileNamedByItsPathThatIsNotThereIsARedLine) {
  // A unit named alone without a file is a platform unit: no line of its own.
  Unit("U1.pas", {"Gone in 'Lib\\Gone.pas'", "Forms"});
  auto a = TAppli::CreateNew(Project({"U1", "Missing in 'Missing.pas'", "SysUtils", "U2 in 'U1.PAS'", "Again in 'Missing.pas'"}));
  EXPECT_EQ(Units(*a), (Lines{"U1.pas:New"}));
  EXPECT_EQ(log.lines, (Lines{"P.dpr\tUnits : 5", "(clRed)Missing.pas\tImpossible to Read File",
                              "(clRed)U1.PAS.pas\tImpossible to Read File", "U1.pas\tUnits : 2",
                              "(clRed)Lib/Gone.pas\tImpossible to Read File", "", "1 Unit Source Files Found in Application"}));
}

// A file name after "in" in a source saved as UTF-8 that Windows-1252
// cannot hold (Пример.pas): logged as the file system spells it, with the
// reason Add File gives for such a name, and not listed.
TEST_F(DiscoveryTest, AFileNamedOutsideWindows1252IsLoggedAsSpeltWithItsReason) {
  const std::string primer = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xBC\xD0\xB5\xD1\x80.pas";
  Write("proj/" + primer, UnitSource("Primer", {}, {}));
  Write("proj/Sub/" + primer, UnitSource("Primer", {}, {}));
  Unit("Unit1.pas", {});
  auto a = TAppli::CreateNew(Project({"Primer in '" + primer + "'", "Unit1", "Other in 'Sub\\" + primer + "'"}));
  const std::string reason = "\tCannot be Used : its Name Holds Characters Outside Windows-1252";
  EXPECT_EQ(log.lines, (Lines{"P.dpr\tUnits : 3", "(clRed)" + primer + reason, "(clRed)Sub/" + primer + reason,
                              "Unit1.pas\tUnits : 0", "", "1 Unit Source Files Found in Application"}));
  EXPECT_EQ(log.utf8, (std::vector<bool>{false, true, true, false, false, false}));
  EXPECT_EQ(Units(*a), (Lines{"Unit1.pas:New"}));
}

TEST_F(DiscoveryTest, TheUnitsOfEveryBranchOfTheConditionalDirectivesAreListed) {
  Write("proj/Multi.pas",
        "unit Multi;\r\n\r\ninterface\r\n\r\n{$IFDEF MSWINDOWS}\r\nuses WinA;\r\n{$ELSE}\r\nuses PosixA;\r\n"
        "{$ENDIF}\r\n\r\n"
        "implementation\r\n\r\n{$IF DEFINED(CPUARM)}\r\nuses ArmB;\r\n{$ELSEIF DEFINED(CPU386)}\r\nuses X86B, WinA;\r\n"
        "{$IFEND}\r\n\r\nprocedure Run;\r\nbegin\r\nend;\r\n\r\nend.\r\n");
  for (const char* name : {"WinA", "PosixA", "ArmB", "X86B"}) Unit(std::string(name) + ".pas", {});
  auto a = TAppli::CreateNew(Project({"Multi"}));
  EXPECT_EQ(Units(*a), (Lines{"Multi.pas:New", "WinA.pas:New", "PosixA.pas:New", "ArmB.pas:New", "X86B.pas:New"}));
  EXPECT_EQ(log.lines[1], "Multi.pas\tUnits : 4");  // WinA, named in both sections, counts once
}

// A unit named in several branches, in either section, in any letter case or
// by its file, is one unit of the count.
TEST_F(DiscoveryTest, AUnitNamedInSeveralBranchesCountsOnce) {
  Write("proj/CondC.pas",
        "unit CondC;\r\n\r\ninterface\r\n\r\n{$IFDEF X}\r\nuses UnitA, UnitB;\r\n{$ELSE}\r\nuses unita, UnitC;\r\n"
        "{$ENDIF}\r\n\r\nimplementation\r\n\r\n{$IFDEF X}\r\nuses UnitC in 'UnitC.pas';\r\n{$ENDIF}\r\n\r\n"
        "end.\r\n");
  for (const char* name : {"UnitA", "UnitB", "UnitC"}) Unit(std::string(name) + ".pas", {});
  auto a = TAppli::CreateNew(Project({"CondC", "UnitA", "UNITA", "UnitB in 'UnitB.pas'", "UnitB"}));
  EXPECT_EQ(Units(*a), (Lines{"CondC.pas:New", "UnitA.pas:New", "UnitB.pas:New", "UnitC.pas:New"}));
  EXPECT_EQ(log.lines[0], "P.dpr\tUnits : 3");
  EXPECT_EQ(log.lines[1], "CondC.pas\tUnits : 3");
}

// Discovery runs with the project folder current: a file named in a folder
// that does not exist is not found, and a file of the same name in the
// current folder is never taken for it.
TEST_F(DiscoveryTest, AFileInAFolderThatDoesNotExistIsNotFoundInTheCurrentOne) {
  Unit("Gone.pas", {});
  auto a = TAppli::CreateNew(Project({"Gone in 'Missing\\Gone.pas'"}));
  EXPECT_EQ(Units(*a), Lines{});
  EXPECT_EQ(log.lines, (Lines{"P.dpr\tUnits : 1", "(clRed)Missing/Gone.pas\tImpossible to Read File", "",
                              "0 Unit Source Files Found in Application"}));
  EXPECT_EQ(a->FindSourceFileName("Missing\\Gone.pas"), "");
}

TEST_F(DiscoveryTest, SourcesWithLFLineBreaksAreWalkedAsTheirCRLFEquivalents) {
  const auto lf = [](std::string Text) {
    for (std::size_t p; (p = Text.find("\r\n")) != std::string::npos;) Text.erase(p, 1);
    return Text;
  };
  Write("proj/Unit1.pas", lf(UnitSource("Unit1", {}, {"Unit2"})));
  Write("proj/Unit2.pas", lf(UnitSource("Unit2", {}, {})));
  auto a = TAppli::CreateNew(Write("proj/P.dpr", lf(ProgramSource("P", {"Unit1"}))));
  EXPECT_EQ(Units(*a), (Lines{"Unit1.pas:New", "Unit2.pas:New"}));
}

TEST_F(DiscoveryTest, ALookupOutsideAWalkTakesTheFirstSearchFolderHoldingTheFile) {
  Write("A/X.pas", UnitSource("X", {}, {}));
  Write("B/X.pas", UnitSource("X", {}, {}));
  Write("B/Y.pas", UnitSource("Y", {}, {}));
  auto a = TAppli::CreateFromFile(Project({}));
  a->SearchPath = "..\\A;..\\B";
  EXPECT_EQ(a->FindSourceFileName("X"), Path("A/X.pas"));
  EXPECT_EQ(a->FindSourceFileName("Y"), Path("B/Y.pas"));
  EXPECT_EQ(a->FindSourceFileName("Z"), "");
}

TEST_F(DiscoveryTest, TheSearchPathOfTheOptionsFileUsesWindowsSeparatorsAndDrives) {
  Write("Common/A.pas", UnitSource("A", {}, {}));
  Unit("Units/B.pas", {});
  Write("abs/C.pas", UnitSource("C", {}, {}));
  Unit("D.pas", {});
  Write("Common/D.pas", UnitSource("D", {}, {}));  // the project's folder comes first
  Write("Common/E.PAS", UnitSource("E", {}, {}));
  std::string windowsAbs = "C:" + Path("abs");
  for (char& c : windowsAbs)
    if (c == '/') c = '\\';
  Write("proj/P.dof", "[Directories]\r\nSearchPath=$(DELPHI)\\Lib;..\\Common;;Units ;" + windowsAbs + "\r\n");
  auto a = TAppli::CreateNew(Project({"A", "B", "C", "D", "e", "SysUtils"}));
  EXPECT_EQ(a->SearchPath, "$(DELPHI)\\Lib;..\\Common;;Units ;" + windowsAbs);
  std::vector<std::string> found;
  for (const auto& unit : a->Units) found.push_back(unit->FileName);
  EXPECT_EQ(found, (Lines{Path("Common/A.pas"), Path("proj/Units/B.pas"), Path("abs/C.pas"), Path("proj/D.pas"),
                          Path("Common/E.PAS")}));
  EXPECT_EQ(log.lines, (Lines{"P.dpr\tUnits : 6", "../Common/A.pas\tUnits : 0", "Units/B.pas\tUnits : 0",
                              "../abs/C.pas\tUnits : 0", "D.pas\tUnits : 0", "../Common/E.PAS\tUnits : 0", "",
                              "5 Unit Source Files Found in Application"}));
}

// A project of a few hundred source folders: its search path, thousands of
// characters long, is read whole from the options file and from the
// settings file, so the units of its last folders are found.
TEST_F(DiscoveryTest, ASearchPathOfThousandsOfCharactersIsReadWhole) {
  std::string searchPath;
  for (int i = 1; i <= 242; ++i)
    searchPath += (i > 1 ? ";" : "") + Format("..\\Library\\Component Folder %.3d", {i});
  ASSERT_GT(searchPath.size(), 7000u);
  Write("Library/Component Folder 001/First.pas", UnitSource("First", {}, {}));
  Write("Library/Component Folder 120/Middle.pas", UnitSource("Middle", {}, {}));
  Write("Library/Component Folder 242/Last.pas", UnitSource("Last", {}, {}));
  Write("proj/P.dof", "[Directories]\r\nSearchPath=" + searchPath + "\r\n");
  const std::string project = Project({"First", "Middle", "Last"});
  auto a = TAppli::CreateNew(project);
  EXPECT_EQ(a->SearchPath, searchPath);
  EXPECT_EQ(log.lines.back(), "3 Unit Source Files Found in Application");
  auto reopened = TAppli::CreateFromFile(project);
  EXPECT_EQ(reopened->SearchPath, searchPath);
  EXPECT_EQ(reopened->FindSourceFileName("Last"), Path("Library/Component Folder 242/Last.pas"));
}

TEST_F(DiscoveryTest, AUnitReachedTwiceOrInACycleIsListedAndWalkedOnce) {
  Unit("U1.pas", {"U2", "U3"});
  Unit("U2.pas", {"U3", "U1"});
  Unit("U3.pas", {}, {"U1", "u2"});
  auto a = TAppli::CreateNew(Project({"U1", "U3"}));
  EXPECT_EQ(Units(*a), (Lines{"U1.pas:New", "U3.pas:New", "U2.pas:New"}));
  EXPECT_EQ(log.lines, (Lines{"P.dpr\tUnits : 2", "U1.pas\tUnits : 2", "U3.pas\tUnits : 2", "U2.pas\tUnits : 2",
                              "", "3 Unit Source Files Found in Application"}));
}

TEST_F(DiscoveryTest, AnImplementationClauseAloneIsCountedOnce) {
  Unit("U1.pas", {}, {"U2", "Forms"});
  Unit("U2.pas", {"SysUtils"}, {"Classes"});
  TAppli::CreateNew(Project({"U1"}));
  EXPECT_EQ(log.lines, (Lines{"P.dpr\tUnits : 1", "U1.pas\tUnits : 2", "U2.pas\tUnits : 2", "",
                              "2 Unit Source Files Found in Application"}));
}

TEST_F(DiscoveryTest, ARefreshSettlesReachedUnreachedAndDeletedUnits) {
  Unit("U1.pas", {"U2"});
  Unit("U2.pas", {});
  Unit("U3.pas", {});
  auto a = TAppli::CreateNew(Project({"U1", "U3"}));
  ASSERT_EQ(Units(*a), (Lines{"U1.pas:New", "U3.pas:New", "U2.pas:New"}));
  Project({"U1"});  // U3 no longer used
  std::filesystem::remove(Path("proj/U2.pas"));
  log.lines.clear();
  a->FindUnitsFromSources();
  EXPECT_EQ(Units(*a), (Lines{"U1.pas:Ok", "U3.pas:Unused", "U2.pas:Error"}));
  EXPECT_EQ(log.lines, (Lines{"P.dpr\tUnits : 1", "U1.pas\tUnits : 1", "U3.pas\tUnits : 0",
                              "(clRed)U2.pas\tImpossible to Read File", "",
                              "2 Unit Source Files Found in Application"}));
}

TEST_F(DiscoveryTest, ARefreshWalksUnitsAddedByHand) {
  Unit("U1.pas", {});
  Unit("Extra.pas", {"Helper"});
  Unit("Helper.pas", {});
  auto a = TAppli::CreateNew(Project({"U1"}));
  a->Units.Add(std::make_unique<TUnit>(Path("proj/Extra.pas")));
  a->WriteUnitsToFile();
  const std::string stored = Read("prog/P.bul");
  log.lines.clear();
  a->FindUnitsFromSources();
  EXPECT_EQ(Units(*a), (Lines{"U1.pas:Ok", "Extra.pas:Unused", "Helper.pas:New"}));
  EXPECT_EQ(Read("prog/P.bul"), stored);  // the walk itself writes nothing
}

TEST_F(DiscoveryTest, UnreadableFilesAndBadUsesClausesAreRedLines) {
  Write("proj/Bad.pas", "unit Bad;\r\ninterface\r\nuses A, B in Sub\\B.pas;\r\nimplementation\r\nend.\r\n");
  Write("proj/Open.pas", "unit Open;\r\ninterface\r\nuses A\r\nimplementation\r\nend.\r\n");
  Write("proj/Late.pas", "unit Late;\r\ninterface\r\nuses Good;\r\nimplementation\r\nuses X in Y;\r\nend.\r\n");
  Unit("Good.pas", {});
  auto a = TAppli::CreateFromFile(Path("proj/P.dpr"));
  for (const char* name : {"Bad.pas", "Open.pas", "Late.pas"})
    a->Units.Add(std::make_unique<TUnit>(Path("proj/") + name));
  a->FindUnitsFromSources();
  EXPECT_EQ(log.lines, (Lines{"(clRed)P.dpr\tImpossible to Read File", "(clRed)Bad.pas\tError in Uses Clause",
                              "(clRed)Open.pas\tError in Uses Clause", "(clRed)Late.pas\tError in Uses Clause",
                              "Good.pas\tUnits : 0", "", "4 Unit Source Files Found in Application"}));
  EXPECT_EQ(Units(*a), (Lines{"Bad.pas:Error", "Open.pas:Error", "Late.pas:Error", "Good.pas:New"}));
}

TEST_F(DiscoveryTest, AUnitWhosePathHoldsASemicolonIsReportedAndNotListed) {
  Unit("a;b/X.pas", {});
  Unit("Y.pas", {"X in 'a;b\\X.pas'"});
  auto a = TAppli::CreateNew(Project({"X in 'a;b\\X.pas'", "Y"}));
  EXPECT_EQ(Units(*a), (Lines{"Y.pas:New"}));
  EXPECT_EQ(log.lines, (Lines{"P.dpr\tUnits : 2",
                              "(clRed)a;b/X.pas\tCannot be Listed : its Path Holds \";\" or a Line Break",
                              "Y.pas\tUnits : 1", "", "1 Unit Source Files Found in Application"}));
  // The unit list stays readable.
  EXPECT_EQ(Units(*TAppli::CreateFromFile(Path("proj/P.dpr"))), (Lines{"Y.pas:Ok"}));
}

TEST_F(DiscoveryTest, CancelStopsTheWalkWhereItIsAndWritesNothing) {
  Unit("U1.pas", {"U2"});
  Unit("U2.pas", {});
  log.cancelAfter = 3;  // during the first unit
  EXPECT_THROW(TAppli::CreateNew(Project({"U1"})), EAbort);
  EXPECT_EQ(log.lines, (Lines{"P.dpr\tUnits : 1", "U1.pas..."}));
  EXPECT_FALSE(std::filesystem::exists(ExeDir + "P.bul"));
  EXPECT_FALSE(std::filesystem::exists(ExeDir + "Corvane.ini"));
}

TEST_F(DiscoveryTest, ARefreshCancelledKeepsTheStatusesReached) {
  Unit("U1.pas", {"U2"});
  Unit("U2.pas", {});
  auto a = TAppli::CreateNew(Project({"U1"}));
  log.infos.clear();
  log.cancelAfter = 3;
  EXPECT_THROW(a->FindUnitsFromSources(), EAbort);
  EXPECT_EQ(Units(*a), (Lines{"U1.pas:Ok", "U2.pas:Unused"}));
}

TEST_F(DiscoveryTest, AnEmptyClauseGivesOneEntryAndNoUnit) {
  Write("proj/P.dpr", "program P;\r\n\r\nuses ;\r\n\r\nbegin\r\nend.\r\n");
  auto a = TAppli::CreateNew(Path("proj/P.dpr"));
  EXPECT_EQ(log.lines.front(), "P.dpr\tUnits : 1");
  EXPECT_EQ(a->Units.Count(), 0);
}

}  // namespace
