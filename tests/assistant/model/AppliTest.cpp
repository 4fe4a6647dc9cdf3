// Applications: their settings section, unit-list file and search path, and
// the list of registered applications.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "AppliList.h"
#include "CommonGlobals.h"
#include "ModelFixture.h"
#include "Settings.h"

namespace {

class AppliTest : public ModelTest {
 protected:
  // A registered project: its section and unit list written as the program writes them.
  std::string Register(const std::string& Folder, const std::string& Name, const std::string& DataFile,
                       const std::string& UnitLines) {
    const std::string project = Write(Folder + Name + ".dpr", ProgramSource(Name, {}));
    IniFile->WriteString(project, "DataFileName", DataFile);
    IniFile->WriteString(project, "SearchPath", "");
    IniFile->WriteString(project, "Creation", "6/1/2006 9:00:00 AM");
    IniFile->WriteString(project, "LastUpdate", "1/1/2000 12:00:01 AM");
    Write("prog/" + DataFile, UnitLines);
    return project;
  }
};

TEST_F(AppliTest, NameAndUnitListFileComeFromTheProjectFile) {
  Write("My.Projects/App.dpr", ProgramSource("App", {}));
  auto a = TAppli::CreateFromFile(Path("My.Projects/App.dpr"));
  EXPECT_EQ(a->GetName(), "App");
  EXPECT_EQ(a->GetDataFileName(), ExeDir + "App.bul");
  Write("prog/App.bul", "");
  EXPECT_EQ(a->GetDataFileName(), ExeDir + "App_2.bul");
  Write("prog/App_2.bul", "");
  EXPECT_EQ(a->GetDataFileName(), ExeDir + "App_3.bul");
}

TEST_F(AppliTest, ANameAnotherApplicationHoldsIsTakenEvenWithoutItsFile) {
  Register("one/", "Project1", "Project1.bul", "");
  std::filesystem::remove(ExeDir + "Project1.bul");
  Write("two/Project1.dpr", ProgramSource("Project1", {}));
  auto a = TAppli::CreateFromFile(Path("two/Project1.dpr"));
  EXPECT_EQ(a->GetDataFileName(), ExeDir + "Project1_2.bul");
  // Its own section does not hold a name against it.
  auto again = TAppli::CreateFromFile(Path("one/Project1.dpr"));
  EXPECT_EQ(again->GetDataFileName(), ExeDir + "Project1.bul");
}

TEST_F(AppliTest, TheSectionIsWrittenAndReadBack) {
  Write("proj/P.dpr", ProgramSource("P", {}));
  auto a = TAppli::CreateFromFile(Path("proj/P.dpr"));
  a->DataFileName = ExeDir + "P.bul";
  a->SearchPath = "C:\\Lib;..\\Common";
  a->Creation = EncodeDate(2006, 6, 15) + EncodeTime(14, 30, 45, 0);
  a->LastUpdate = NullDate;
  a->WriteToFile();
  EXPECT_EQ(Settings(), "[" + Path("proj/P.dpr") +
                            "]\r\nDataFileName=P.bul\r\nSearchPath=C:\\Lib;..\\Common\r\n"
                            "Creation=6/15/2006 2:30:45 PM\r\nLastUpdate=1/1/2000 12:00:01 AM\r\n");
  auto b = TAppli::CreateFromFile(Path("proj/P.dpr"));
  EXPECT_EQ(b->FileName, Path("proj/P.dpr"));
  EXPECT_EQ(b->DataFileName, ExeDir + "P.bul");
  EXPECT_EQ(b->SearchPath, "C:\\Lib;..\\Common");
  EXPECT_EQ(b->Creation, a->Creation);
  EXPECT_EQ(b->LastUpdate, NullDate);
}

TEST_F(AppliTest, AMissingSectionOrAnUnreadableDateReadsAsDefaults) {
  Write("proj/P.dpr", ProgramSource("P", {}));
  EXPECT_EQ(TAppli::CreateFromFile(Path("proj/P.dpr"))->DataFileName, ExeDir);
  IniFile->WriteString(Path("proj/P.dpr"), "Creation", "sometime");
  auto a = TAppli::CreateFromFile(Path("proj/P.dpr"));
  // A section without a unit-list name gets one, as a new application does.
  EXPECT_EQ(a->DataFileName, ExeDir + "P.bul");
  EXPECT_EQ(a->SearchPath, "");
  EXPECT_EQ(a->Creation, NullDate);
  EXPECT_EQ(a->LastUpdate, NullDate);
  EXPECT_EQ(a->Units.Count(), 0);
}

TEST_F(AppliTest, TheUnitListFileHoldsOneLinePerUnitWithCrLf) {
  Write("proj/P.dpr", ProgramSource("P", {}));
  auto a = TAppli::CreateFromFile(Path("proj/P.dpr"));
  a->DataFileName = ExeDir + "P.bul";
  a->Units.Add(std::make_unique<TUnit>("/Proj/Unit1.pas"));
  TUnit* second = a->Units.Add(std::make_unique<TUnit>("/Proj/Sub/Unit2.pas"));
  second->Included = false;
  second->Status = "Error";
  second->LastUpdate = EncodeDate(2006, 6, 15) + EncodeTime(14, 30, 45, 0);
  a->WriteUnitsToFile();
  EXPECT_EQ(Read("prog/P.bul"),
            "/Proj/Unit1.pas;True;1/1/2000 12:00:01 AM;New\r\n"
            "/Proj/Sub/Unit2.pas;False;6/15/2006 2:30:45 PM;Error\r\n");
  a->Units.ClearUnits();
  a->WriteUnitsToFile();
  EXPECT_EQ(Read("prog/P.bul"), "");
}

TEST_F(AppliTest, TheUnitListFileIsReplacedWhole) {
  Write("proj/P.dpr", ProgramSource("P", {}));
  auto a = TAppli::CreateFromFile(Path("proj/P.dpr"));
  a->DataFileName = Write("prog/P.bul", "old\r\n");
  // The file as it is now, kept open: a file rewritten in place would change
  // under it.
  std::ifstream old(a->DataFileName, std::ios::binary);
  a->Units.Add(std::make_unique<TUnit>("/Proj/Unit1.pas"));
  a->WriteUnitsToFile();
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "old\r\n");
  EXPECT_EQ(Read("prog/P.bul"), "/Proj/Unit1.pas;True;1/1/2000 12:00:01 AM;New\r\n");
  // A file with a second name is written into itself instead, so that both
  // names show the new text.
  ASSERT_EQ(::link(a->DataFileName.c_str(), (ExeDir + "old.bul").c_str()), 0);
  a->Units.Add(std::make_unique<TUnit>("/Proj/Unit2.pas"));
  a->WriteUnitsToFile();
  EXPECT_EQ(Read("prog/old.bul"), Read("prog/P.bul"));
  EXPECT_NE(Read("prog/P.bul").find("Unit2.pas"), std::string::npos);
}

// A unit list that cannot be written: the error box says which file and
// why, and the silent abort stops what was under way.
TEST_F(AppliTest, AUnitListThatCannotBeWrittenIsRefusedWithItsReason) {
  Write("proj/P.dpr", ProgramSource("P", {}));
  auto a = TAppli::CreateFromFile(Path("proj/P.dpr"));
  a->DataFileName = ExeDir + "P.bul";
  std::filesystem::create_directories(a->DataFileName);
  EXPECT_THROW(a->WriteUnitsToFile(), EAbort);
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().type, TMsgDlgType::mtError);
  EXPECT_EQ(dialogs.Last().text, "Cannot create file \"" + a->DataFileName + "\". Is a directory");
}

// Only the name of the stored value counts: no unit list outside the
// program folder is read or deleted through it.
TEST_F(AppliTest, TheUnitListIsAlwaysInTheProgramFolder) {
  const std::string line = Path("proj/Unit1.pas") + ";True;1/1/2000 12:00:01 AM;Ok\r\n";
  const std::string p1 = Register("proj/", "P1", "../outside.bul", line);
  const std::string p2 = Register("proj/", "P2", "..\\..\\other.bul", "");
  Write("other.bul", line);
  TAppliList list;
  list.ReadFromFile();
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.GetAppli(0)->DataFileName, ExeDir + "outside.bul");
  EXPECT_EQ(list.GetAppli(0)->Units.Count(), 0);
  EXPECT_EQ(list.GetAppli(1)->DataFileName, ExeDir + "other.bul");
  list.RemoveAppli(1);
  list.RemoveAppli(0);
  EXPECT_EQ(Read("outside.bul"), line);
  EXPECT_EQ(Read("other.bul"), line);
}

// A stored unit-list name that is no ".bul" file, or that an earlier
// section names too, is refused once: that file is never read as a list,
// written or deleted, and the application gets a list of its own, as a new
// one does, kept in its section.
TEST_F(AppliTest, AStoredNameThatIsNoUnitListOfItsOwnIsRefusedOnceAndLeavesThatFileAlone) {
  const std::string table = "[Text]\r\n1001=Cancel\r\n";
  const std::string line = Write("c/Unit1.pas", "unit Unit1;") + ";True;1/1/2000 12:00:01 AM;Ok\r\n";
  const std::string p1 = Register("a/", "P1", "Dialogs.ini", table);
  const std::string p2 = Register("b/", "P2", "P2.bul", "");
  IniFile->WriteString(p2, "DataFileName", "Corvane.ini");
  const std::string p3 = Register("c/", "P3", "Shared.bul", line);
  const std::string p4 = Register("d/", "P4", "P4.bul", "");
  IniFile->WriteString(p4, "DataFileName", "..\\Shared.bul");
  std::filesystem::remove(ExeDir + "P2.bul");
  std::filesystem::remove(ExeDir + "P4.bul");
  TAppliList list;
  list.ReadFromFile();
  ASSERT_EQ(list.Count(), 4);
  const std::vector<std::string> lists{ExeDir + "P1.bul", ExeDir + "P2.bul", ExeDir + "Shared.bul", ExeDir + "P4.bul"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(list.GetAppli(i)->DataFileName, lists[static_cast<std::size_t>(i)]);
  EXPECT_EQ(list.GetAppli(0)->Units.Count(), 0);
  EXPECT_EQ(list.GetAppli(2)->Units.Count(), 1);
  EXPECT_EQ(list.GetAppli(3)->Units.Count(), 0);
  const std::string why =
      "\r\n\r\nA Unit List is a .bul File that No Other Application Uses.\r\n"
      "The Application Gets a New Unit List, Empty until Refresh List : ";
  std::vector<std::string> told;
  for (const auto& shown : dialogs.Shown()) told.push_back(shown.text);
  EXPECT_EQ(told, (std::vector<std::string>{"Unit List File Refused : Dialogs.ini\r\n" + p1 + why + "P1.bul",
                                            "Unit List File Refused : Corvane.ini\r\n" + p2 + why + "P2.bul",
                                            "Unit List File Refused : ..\\Shared.bul\r\n" + p4 + why + "P4.bul"}));
  EXPECT_EQ(IniFile->ReadString(p1, "DataFileName", ""), "P1.bul");
  EXPECT_EQ(IniFile->ReadString(p4, "DataFileName", ""), "P4.bul");
  // Told once: the sections hold the new names.
  TAppliList again;
  again.ReadFromFile();
  EXPECT_EQ(TAppli::CreateFromFile(p4)->DataFileName, ExeDir + "P4.bul");
  EXPECT_EQ(dialogs.Shown().size(), 3u);
  for (int i = 0; i < 4; ++i) list.GetAppli(i)->WriteUnitsToFile();
  EXPECT_EQ(Read("prog/Dialogs.ini"), table);
  EXPECT_EQ(Read("prog/Shared.bul"), line);
  for (const std::string& p : {p1, p2, p3, p4}) EXPECT_TRUE(IniFile->SectionExists(p)) << p;
  // A list an earlier section names, edited in while the program runs, is
  // neither shared nor deleted with another application.
  IniFile->WriteString(p4, "DataFileName", "Shared.bul");
  EXPECT_EQ(TAppli::CreateFromFile(p4)->DataFileName, ExeDir + "P4_2.bul");
  EXPECT_EQ(dialogs.Shown().size(), 4u);
  IniFile->WriteString(p4, "DataFileName", "Shared.bul");
  list.RemoveAppli(2);
  EXPECT_EQ(Read("prog/Shared.bul"), line);
  while (list.Count() > 0) list.RemoveAppli(0);
  EXPECT_EQ(Read("prog/Dialogs.ini"), table);
  EXPECT_FALSE(std::filesystem::exists(ExeDir + "P1.bul"));
}

// While the settings keep their changes in memory, the lists of the
// applications their stored sections name are written as ever; a list no
// stored section names is kept in memory for the run, and the list of an
// application whose removal is not stored stays.
TEST_F(AppliTest, WhileTheSettingsAreKeptInMemoryOnlyTheListsOfStoredSectionsAreWritten) {
  const std::string u1 = Write("p/Unit1.pas", UnitSource("Unit1", {}, {}));
  const std::string line = u1 + ";True;1/1/2000 12:00:01 AM;Ok\r\n";
  const std::string p = Register("p/", "P", "P.bul", line);
  const std::string q = Write("q/Q.dpr", ProgramSource("Q", {"Unit1 in '..\\p\\Unit1.pas'"}));
  IniFile->KeepChangesInMemory();
  auto stored = TAppli::CreateFromFile(p);
  ASSERT_EQ(stored->Units.Count(), 1);
  stored->Units.GetUnit(0)->Included = false;
  stored->WriteUnitsToFile();
  EXPECT_EQ(Read("prog/P.bul"), u1 + ";False;1/1/2000 12:00:01 AM;Ok\r\n");
  auto added = TAppli::CreateNew(q);
  EXPECT_EQ(added->DataFileName, ExeDir + "Q.bul");
  EXPECT_FALSE(std::filesystem::exists(ExeDir + "Q.bul"));
  EXPECT_EQ(TAppli::CreateFromFile(q)->Units.Count(), 1);
  TAppliList list;
  list.ReadFromFile();
  ASSERT_EQ(list.Count(), 2);
  list.RemoveAppli(1);
  list.RemoveAppli(0);
  EXPECT_TRUE(std::filesystem::exists(ExeDir + "P.bul"));
  EXPECT_FALSE(std::filesystem::exists(ExeDir + "Q.bul"));
}

TEST_F(AppliTest, OpeningReadsTheUnitsAndSettlesTheirStatus) {
  const std::string u1 = Write("proj/Unit1.pas", "unit Unit1;");
  const std::string u2 = Write("proj/Unit2.pas", "unit Unit2;");
  const std::string project =
      Register("proj/", "P", "P.bul",
               u1 + ";True;1/1/2000 12:00:01 AM;New\r\n" + u2 + ";False;6/15/2006 2:30:45 PM;Unused\r\n" +
                   Path("proj/Gone.pas") + ";True;1/1/2000 12:00:01 AM;New\r\n" + u1 + "x;True;1/1/2000;Ok");
  auto a = TAppli::CreateFromFile(project);
  ASSERT_EQ(a->Units.Count(), 4);
  EXPECT_EQ(a->Creation, EncodeDate(2006, 6, 1) + EncodeTime(9, 0, 0, 0));
  EXPECT_EQ(a->Units.GetUnit(0)->Status, "Ok");
  EXPECT_EQ(a->Units.GetUnit(1)->Status, "Unused");
  EXPECT_FALSE(a->Units.GetUnit(1)->Included);
  EXPECT_EQ(a->Units.GetUnit(2)->Status, "Error");
  EXPECT_EQ(a->Units.GetUnit(3)->Status, "Error");
}

// A damaged unit list (an empty line, a last line cut short) is reported
// once, by file and line; the application opens with the units that could
// be read, and the file stays as it is.
TEST_F(AppliTest, ADamagedUnitListIsReportedOnceAndOpensWithWhatCouldBeRead) {
  const std::string u1 = Write("proj/Unit1.pas", "unit Unit1;");
  const std::string lines = u1 + ";True;1/1/2000 12:00:01 AM;Ok\r\n\r\n" + u1 + ";True;1/1/20";
  const std::string project = Register("proj/", "P", "P.bul", lines);
  auto a = TAppli::CreateFromFile(project);
  ASSERT_EQ(a->Units.Count(), 1);
  EXPECT_EQ(a->Units.GetUnit(0)->FileName, u1);
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Last().text, "Damaged Unit List File : " + ExeDir +
                                     "P.bul\r\nLine 2 : \r\n2 Damaged Lines\r\n\r\n"
                                     "The Application Opens with the Units that Could be Read. The File is Kept as "
                                     "it is until the Application Changes.");
  auto again = TAppli::CreateFromFile(project);
  EXPECT_EQ(again->Units.Count(), 1);
  EXPECT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(Read("prog/P.bul"), lines);
  EXPECT_TRUE(again->UnitListDamaged);
  // Once the application wrote its list, the list is sound.
  again->WriteUnitsToFile();
  EXPECT_FALSE(again->UnitListDamaged);
}

TEST_F(AppliTest, TheSearchPathComesFromTheOptionsFile) {
  Write("My.Projects/App.dpr", ProgramSource("App", {}));
  Write("My.Projects/App.dof", "[Compiler]\r\nA=1\r\n[Directories]\r\nOutputDir=\r\nSearchPath=C:\\Lib;..\\Common\r\n");
  auto a = TAppli::CreateFromFile(Path("My.Projects/App.dpr"));
  a->SearchPath = "old";
  a->FindSearchPath();
  EXPECT_EQ(a->SearchPath, "C:\\Lib;..\\Common");
  std::filesystem::remove(Path("My.Projects/App.dof"));
  a->FindSearchPath();
  EXPECT_EQ(a->SearchPath, "");
  Write("My.Projects/APP.DOF", "[Directories]\r\nSearchPath=Units\r\n");
  a->FindSearchPath();
  EXPECT_EQ(a->SearchPath, "Units");
}

TEST_F(AppliTest, TheListHoldsTheSectionsNamedByPaths) {
  const std::string p1 = Register("one/", "P1", "P1.bul", "");
  const std::string p2 = Register("two/", "P2", "P2.bul", "");
  IniFile->WriteString("Notes", "Text", "not an application");
  IniFile->WriteString("GUI", "Language", "1");
  TAppliList list;
  list.ReadFromFile();
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.GetAppli(0)->FileName, p1);
  EXPECT_EQ(list.GetAppli(1)->FileName, p2);
  EXPECT_EQ(list.GetAppli(2), nullptr);
  EXPECT_EQ(list.GetAppli(-1), nullptr);
}

TEST_F(AppliTest, RemovingErasesTheSectionAndTheUnitListButNotTheProject) {
  const std::string p1 = Register("one/", "P1", "P1.bul", "");
  const std::string p2 = Register("two/", "P2", "P2.bul", "");
  TAppliList list;
  list.ReadFromFile();
  list.RemoveAppli(5);
  EXPECT_EQ(list.Count(), 2);
  list.RemoveAppli(0);
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.GetAppli(0)->FileName, p2);
  EXPECT_FALSE(IniFile->SectionExists(p1));
  EXPECT_FALSE(std::filesystem::exists(ExeDir + "P1.bul"));
  EXPECT_TRUE(std::filesystem::exists(p1));
  // A unit list deleted already: only the section goes.
  std::filesystem::remove(ExeDir + "P2.bul");
  list.RemoveAppli(0);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_FALSE(IniFile->SectionExists(p2));
}

TEST_F(AppliTest, CheckAppliAbortsSilentlyWithoutACurrentApplication) {
  EXPECT_THROW(CheckAppli(), EAbort);
  EXPECT_TRUE(dialogs.Shown().empty());
  Write("proj/P.dpr", ProgramSource("P", {}));
  CurrentAppli = TAppli::CreateFromFile(Path("proj/P.dpr"));
  EXPECT_NO_THROW(CheckAppli());
}

}  // namespace
