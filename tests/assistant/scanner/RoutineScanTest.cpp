// The routine scan with each set of actions, its statistics, its progress
// and its cancel.
#include <gmock/gmock.h>

#include <algorithm>

#include "FreshScan.h"
#include "ScanActions.h"
#include "ScanTestSupport.h"
#include "ScannerFixture.h"

namespace {

using ::testing::ElementsAre;

// One routine of each code state: Missing, Correct, Incorrect, Ignored.
const std::string Mixed = Crlf({"unit Unit1;", "interface", "implementation", "procedure Missing;", "begin", "  x;",
                                "end;", "procedure Correct;", "begin", "  Try", "    x;",
                                "  Except VIX.Push('Unit1.pas : Procedure Correct'); Raise; End;", "end;",
                                "procedure Incorrect;", "begin", "  Try", "    x;",
                                "  Except VIX.Push('Unit1.pas : Procedure Old'); Raise; End;", "end;",
                                "procedure Ignored;", "begin", "  {Corvane.IgnoreRoutine}", "  x;", "end;", "end."});

class RoutineScanTest : public ScannerTest {
 protected:
  RoutineScanTest() : saved(ScanActions) {}
  ~RoutineScanTest() override { ScanActions = saved; }

  TSourceScanner& ScanMixed() {
    TSourceScanner& s = Load(Mixed);
    s.FillKeyWordsList();
    EXPECT_EQ(s.ErrorCode, 0);
    return s;
  }
  std::vector<int> CodeStates() const {
    std::vector<int> v;
    for (const TRoutineInfo* r : scanner->Routines) v.push_back(r->CodeState);
    return v;
  }
  std::vector<int> States() const {
    std::vector<int> v;
    for (const TRoutineInfo* r : scanner->Routines) v.push_back(r->State);
    return v;
  }

  TScanActions saved;
};

TEST_F(RoutineScanTest, WithNoActionNothingChanges) {
  TSourceScanner& s = ScanMixed();
  ScanActions = {0, 0, 0};
  s.ScanRoutines();
  EXPECT_EQ(s.Text, Mixed);
  EXPECT_EQ(s.FileState, 0);
  EXPECT_THAT(CodeStates(), ElementsAre(1, 2, 3, 4));
  EXPECT_THAT(States(), ElementsAre(-1, -1, -1, 4));
}

TEST_F(RoutineScanTest, AddedBlocksAreNotRemovedInTheSamePass) {
  TSourceScanner& s = ScanMixed();
  ScanActions = {1, 0, 3};
  s.ScanRoutines();
  EXPECT_THAT(CodeStates(), ElementsAre(2, 1, 3, 4));
  EXPECT_THAT(States(), ElementsAre(1, 3, -1, 4));
  EXPECT_EQ(s.FileState, 1);
  EXPECT_EQ(CompareWithFreshScan(s), "");
}

TEST_F(RoutineScanTest, IncorrectBlocksAreUpdatedOrRemoved) {
  TSourceScanner& s = ScanMixed();
  ScanActions = {0, 2, 0};
  s.ScanRoutines();
  EXPECT_NE(s.Text.find("VIX.Push('Unit1.pas : Procedure Incorrect')"), std::string::npos);
  EXPECT_THAT(CodeStates(), ElementsAre(1, 2, 2, 4));
  EXPECT_THAT(States(), ElementsAre(-1, -1, 2, 4));

  ScanMixed();
  ScanActions = {0, 1, 0};
  scanner->ScanRoutines();
  EXPECT_EQ(scanner->Text.find("Procedure Old"), std::string::npos);
  EXPECT_THAT(CodeStates(), ElementsAre(1, 2, 1, 4));
  EXPECT_THAT(States(), ElementsAre(-1, -1, 3, 4));
  EXPECT_EQ(CompareWithFreshScan(*scanner), "");
}

TEST_F(RoutineScanTest, ASecondPassWithTheSameActionsChangesNothingMore) {
  TSourceScanner& s = ScanMixed();
  ScanActions = {0, 2, 3};
  s.ScanRoutines();
  const std::string once = s.Text;
  s.ScanRoutines();
  EXPECT_EQ(s.Text, once);
  EXPECT_EQ(s.Text.find("Ignored;\r\nbegin\r\n  Try"), std::string::npos);  // never acted on
}

// A's begin is in an include file: only B's and C's bodies are here.
const std::string IncludedBegin =
    Crlf({"unit Unit1;", "interface", "implementation", "uses SysUtils, Lumbrick;", "procedure A(x: Integer);",
          "{$I Begin_x64.inc}", "  x := 1;", "end;", "", "procedure B;", "begin", "  Try", "    y;",
          "  Except VIX.Push('Unit1.pas : Procedure B'); Raise; End;", "end;", "", "procedure C;", "begin", "  z;", "end;",
          "end."});

TEST_F(RoutineScanTest, AHeadingWhoseBeginIsElsewhereIsLeftAloneAndNamedAmongTheRefusals) {
  TSourceScanner& s = Load(IncludedBegin);
  s.FillKeyWordsList();
  ASSERT_EQ(s.ErrorCode, 0) << s.GetErrorMessage();
  EXPECT_THAT(CodeStates(), ElementsAre(1, 2, 1));  // A is not rated by B's block
  // Updating the incorrect blocks finds none, pass after pass.
  ScanActions = {0, 2, 0};
  for (int pass = 0; pass < 2; ++pass) {
    s.ScanRoutines();
    EXPECT_EQ(s.Text, IncludedBegin) << pass;
    EXPECT_TRUE(s.RefusedEdits.empty());
  }
  ScanActions = {0, 0, 3};
  s.ScanRoutines();
  ASSERT_EQ(s.RefusedEdits.size(), 1u);
  EXPECT_EQ(s.RefusedEdits[0].RoutineIndex, 0);
  EXPECT_EQ(s.RefusedEdits[0].Reason, "The routine has no begin of its own in this unit");
  EXPECT_THAT(States(), ElementsAre(-1, -1, 1));
  // B's body holds its own block alone: a failure there pushes B's name only.
  const std::string b = s.Text.substr(s.Text.find("procedure B;"), s.Text.find("procedure C;") - s.Text.find("procedure B;"));
  EXPECT_EQ(b, Crlf({"procedure B;", "begin", "  Try", "    y;", "  Except VIX.Push('Unit1.pas : Procedure B'); Raise; End;",
                     "end;", ""}));
  EXPECT_EQ(CompareWithFreshScan(s), "");

  // The refusals are those of the last scan, and of the text loaded.
  ScanActions = {0, 0, 0};
  s.ScanRoutines();
  EXPECT_TRUE(s.RefusedEdits.empty());
  ScanActions = {0, 0, 3};
  s.ScanRoutines();
  EXPECT_EQ(s.RefusedEdits.size(), 1u);
  ASSERT_TRUE(s.LoadSourceFile());
  EXPECT_TRUE(s.RefusedEdits.empty());
}

TEST_F(RoutineScanTest, TheStatisticsCountByCodeStateAndByChange) {
  TSourceScanner& s = ScanMixed();
  s.GetStats(s.Modifications, s.InitialCodeStatus);
  EXPECT_THAT(s.InitialCodeStatus, ElementsAre(1, 1, 1, 1));
  EXPECT_THAT(s.Modifications, ElementsAre(0, 0, 0, -1));  // the fourth is not counted
  ScanActions = {1, 2, 3};
  s.ScanRoutines();
  s.GetStats(s.Modifications, s.ActualCodeStatus);
  EXPECT_THAT(s.ActualCodeStatus, ElementsAre(1, 2, 0, 1));
  EXPECT_THAT(s.Modifications, ElementsAre(1, 1, 1, -1));
}

TEST_F(RoutineScanTest, AUnitWithoutRoutinesCountsZeros) {
  TSourceScanner& s = Load(Crlf({"unit Unit1;", "interface", "implementation", "end."}));
  s.FillKeyWordsList();
  ScanActions = {1, 2, 3};
  s.ScanRoutines();
  s.GetStats(s.Modifications, s.ActualCodeStatus);
  EXPECT_THAT(s.ActualCodeStatus, ElementsAre(0, 0, 0, 0));
  EXPECT_THAT(s.Modifications, ElementsAre(0, 0, 0, -1));
}

TEST_F(RoutineScanTest, ProgressNamesEachRoutine) {
  TSourceScanner& s = ScanMixed();
  RecordingLog log;
  ScanActions = {0, 0, 3};
  s.ScanRoutines();
  s.GetStats(s.Modifications, s.ActualCodeStatus);
  EXPECT_THAT(log.lines, ElementsAre("Routine 1 / 4", "Routine 2 / 4", "Routine 3 / 4", "Routine 4 / 4", "",
                                     "Computing Statistics...", ""));
}

TEST_F(RoutineScanTest, ACancelKeepsTheEditsMadeAndTheWholeText) {
  TSourceScanner& s = Load(Crlf({"unit Unit1;", "interface", "implementation", "procedure A;", "begin", "end;",
                                 "procedure B;", "begin", "end;", "procedure C;", "begin", "end;", "end."}));
  s.FillKeyWordsList();
  RecordingLog log;
  log.CancelAt = "Routine 2 / 3";
  ScanActions = {0, 0, 3};
  EXPECT_THROW(s.ScanRoutines(), EAbort);
  EXPECT_THAT(States(), ElementsAre(1, -1, -1));  // stopped before the second
  EXPECT_EQ(s.FileState, 1);
  EXPECT_EQ(s.Text.substr(s.Text.size() - 6), "end.\r\n");
  EXPECT_THROW(s.GetStats(s.Modifications, s.ActualCodeStatus), EAbort);
  log.cancelled = false;
  EXPECT_EQ(CompareWithFreshScan(s), "");
}

// A list left from a longer text (the file read again, its keywords not
// scanned yet): the scan frees none of the keywords its routines are.
TEST_F(RoutineScanTest, AListThatNoLongerFitsItsTextKeepsEveryRoutine) {
  TSourceScanner& s = ScanMixed();
  s.Text.resize(s.Text.size() / 2);
  s.TextStatus.resize(s.Text.size());
  ScanActions = {1, 2, 3};
  s.ScanRoutines();
  for (const TRoutineInfo* r : s.Routines)
    EXPECT_TRUE(std::any_of(s.Keywords.begin(), s.Keywords.end(), [r](const auto& k) { return k.get() == r; }));
}

}  // namespace
