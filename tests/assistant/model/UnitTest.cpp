// Units and their unit-list lines.
#include "CommonGlobals.h"
#include "ModelFixture.h"
#include "Unit.h"

namespace {

class UnitTest : public ModelTest {
 protected:
  // A unit source dated 2006-05-01 10:20:30 local time.
  std::string DatedSource(const std::string& Name, const std::string& Text) {
    const std::string path = Write(Name, Text);
    TempDir::SetFileDate(path, 2006, 5, 1, 10, 20, 30);
    return path;
  }
  // The failure of a bad unit-list line.
  std::string Failure(const std::string& Line) {
    try {
      TUnit::CreateFromIniString(Line);
    } catch (const Exception& e) {
      return e.Message();
    }
    return "no failure";
  }
};

TEST_F(UnitTest, AUnitFoundNowIsNewIncludedAndNeverSaved) {
  const std::string path = DatedSource("proj/Unit1.pas", "unit Unit1;");
  TUnit unit(path);
  EXPECT_EQ(unit.FileName, path);
  EXPECT_EQ(unit.Status, "New");
  EXPECT_TRUE(unit.Included);
  EXPECT_FALSE(unit.Selected);
  EXPECT_FALSE(unit.Scanned);
  EXPECT_EQ(unit.LastUpdate, NullDate);
  EXPECT_EQ(unit.FileDate, EncodeDate(2006, 5, 1) + EncodeTime(10, 20, 30, 0));
  ASSERT_TRUE(unit.Scanner);
  EXPECT_EQ(unit.Scanner->FileName, path);
  EXPECT_FALSE(unit.Scanner->Loaded);
  EXPECT_EQ(unit.GetIniString(), path + ";True;1/1/2000 12:00:01 AM;New");
  EXPECT_EQ(unit.GetCheckListString(), "True;" + path + ";1/1/2000 12:00:01 AM;5/1/2006 10:20:30 AM;New");
}

TEST_F(UnitTest, AMissingFileHasNoDate) {
  TUnit unit(Path("proj/Gone.pas"));
  EXPECT_EQ(unit.FileDate, NullDate);
}

TEST_F(UnitTest, AGoodLineGivesEveryStoredField) {
  const std::string path = DatedSource("proj/Unit1.pas", "unit Unit1;");
  auto unit = TUnit::CreateFromIniString(path + ";False;6/15/2006 2:30:45 PM;Ok");
  EXPECT_EQ(unit->FileName, path);
  EXPECT_FALSE(unit->Included);
  EXPECT_EQ(unit->LastUpdate, EncodeDate(2006, 6, 15) + EncodeTime(14, 30, 45, 0));
  EXPECT_EQ(unit->Status, "Ok");
  EXPECT_EQ(unit->FileDate, EncodeDate(2006, 5, 1) + EncodeTime(10, 20, 30, 0));
  EXPECT_FALSE(unit->Selected);
  EXPECT_FALSE(unit->Scanned);
  ASSERT_TRUE(unit->Scanner);
  EXPECT_EQ(unit->Scanner->FileName, path);
  EXPECT_EQ(unit->GetIniString(), path + ";False;6/15/2006 2:30:45 PM;Ok");
}

TEST_F(UnitTest, IncludedReadsTrueForTrueInAnyCaseWithBlanks) {
  for (const auto& [text, included] : std::vector<std::pair<std::string, bool>>{
           {"true", true}, {" True ", true}, {"TRUE", true}, {"Yes", false}, {"1", false}, {"", false}}) {
    EXPECT_EQ(TUnit::CreateFromIniString("/p/U.pas;" + text + ";1/1/2000;Ok")->Included, included) << text;
  }
}

TEST_F(UnitTest, AnyStatusTextAndAPathWithBlanksAreKeptAsWritten) {
  auto unit = TUnit::CreateFromIniString(" /p/U.pas ;True;1/1/2000 12:00:01 AM;OK");
  EXPECT_EQ(unit->FileName, " /p/U.pas ");
  EXPECT_EQ(unit->Status, "OK");
}

TEST_F(UnitTest, MalformedLinesFailWithTheLineAndTheReason) {
  const std::string reason = "\r\nInvalid File Definition in INI File.";
  for (const std::string line : {"/p/U.pas;True;1/1/2000", "/p/U.pas;True;1/1/2000;Ok;More",
                                 "/p/a;b.pas;True;1/1/2000;Ok", "", "/p/U.pas;True;15.06.2006;Ok",
                                 "/p/U.pas;True;;Ok"}) {
    EXPECT_EQ(Failure(line), line + reason) << line;
  }
}

TEST_F(UnitTest, AMalformedLineNamesTheRoutinesItLeft) {
  EXPECT_THROW(TUnit::CreateFromIniString("bad"), Exception);
  EXPECT_EQ(lib->StackList(), (std::vector<std::string>{"Procedure TUnit.IniStringToProperties",
                                                        "Constructor TUnit.CreateFromIniString"}));
}

TEST_F(UnitTest, OnlyPathsWithoutSemicolonOrLineBreakCanBeStored) {
  EXPECT_TRUE(IsStorableUnitPath("/p/My Unit.pas"));
  EXPECT_FALSE(IsStorableUnitPath("/p/a;b/Unit1.pas"));
  EXPECT_FALSE(IsStorableUnitPath("/p/a\nb.pas"));
  EXPECT_FALSE(IsStorableUnitPath("/p/a\rb.pas"));
}

TEST_F(UnitTest, TheSummaryOfAMissingFileIsItsPath) {
  TUnit unit(Path("proj/Gone.pas"));
  EXPECT_EQ(unit.StatusMessage(), Path("proj/Gone.pas"));
}

TEST_F(UnitTest, TheSummaryGivesSizeLinesRoutinesAndCounts) {
  std::string text = "unit Big;\r\n";
  while (text.size() < 1200) text += "// filler line\r\n";
  text += "end.\r\n";
  const std::string path = DatedSource("proj/Big.pas", text);
  TUnit unit(path);
  ASSERT_TRUE(unit.Scanner->LoadSourceFile());
  unit.Scanner->InitialCodeStatus = {1, 2, 3, 4};  // Missing, Correct, Incorrect, Ignored
  unit.Scanner->Modifications = {5, 6, 7, -1};
  const int lines = unit.Scanner->GetLineNum(static_cast<int>(text.size()));
  EXPECT_EQ(unit.StatusMessage(),
            path + "\r\n5/1/2006 10:20:30 AM\r\n\r\n" + "1 " + std::to_string(text.size() - 1000) +
                " Bytes, " + std::to_string(lines) + " Lines\r\n0 Routines\r\n\r\n"
                "Initial Code Status\tCorrect : 2\tIncorrect : 3\tMissing : 1\tIgnored : 4\r\n"
                "Actual Code Status\tCorrect : -1\tIncorrect : -1\tMissing : -1\tIgnored : -1\r\n\r\n"
                "Code Modifications\tAdded : 5\tUpdated : 6\tRemoved : 7");
}

// 13 line breaks: 7 CR LF, 5 LF alone and a CR alone, in a unit left
// unedited for its mix; every break ends a line.
TEST_F(UnitTest, AUnitThatMixesLineBreaksCountsEveryOneOfThem) {
  const std::string text = "unit Mixed;\r\n\ninterface\n\r\nimplementation\r\n\r\n\r\n\n\r// x\r\n\nend.\r\n\n";
  const std::string path = DatedSource("proj/Mixed.pas", text);
  TUnit unit(path);
  ASSERT_TRUE(unit.Scanner->LoadSourceFile());
  ASSERT_NE(unit.Scanner->ErrorCode, 0);  // refused for its mix
  EXPECT_EQ(unit.StatusMessage(),
            path + "\r\n5/1/2006 10:20:30 AM\r\n\r\n" + std::to_string(text.size()) + " Bytes, 14 Lines");
}

}  // namespace
