// The code state of a routine: the ignore marker, the assistant's block with
// the current or another routine text, or none.
#include "ScanTestSupport.h"
#include "ScannerFixture.h"

namespace {

class CodeStateTest : public ScannerTest {
 protected:
  TSourceScanner& Scan(std::initializer_list<std::string_view> Implementation) {
    TSourceScanner& s = Load(Crlf({"unit Unit1;", "interface", "implementation"}) + Crlf(Implementation) + "end.\r\n");
    s.FillKeyWordsList();
    EXPECT_EQ(s.ErrorCode, 0) << s.GetErrorMessage();
    return s;
  }
  int State(int Routine) const { return scanner->Routines.at(Routine)->CodeState; }
};

TEST_F(CodeStateTest, TheMarkerInAnyCaseAndPlaceOfTheBodyMeansIgnored) {
  Scan({"procedure A;", "begin", "  {corvane.IGNOREROUTINE}", "end;", "procedure B;", "begin",
        "  x := 1; {Corvane.IgnoreRoutine} y := 2;", "end;"});
  EXPECT_EQ(State(0), 4);
  EXPECT_EQ(State(1), 4);
  EXPECT_EQ(scanner->Routines[1]->State, 4);  // though nothing was changed
}

TEST_F(CodeStateTest, AMarkerOutsideTheBodyCountsForNothing) {
  Scan({"procedure A;", "{Corvane.IgnoreRoutine}", "begin", "end;", "{Corvane.IgnoreRoutine}"});
  EXPECT_EQ(State(0), 1);
  EXPECT_EQ(scanner->Routines[0]->State, -1);
}

TEST_F(CodeStateTest, TheMarkerWinsOverACorrectBlock) {
  Scan({"procedure A;", "begin", "  {Corvane.IgnoreRoutine}", "  Try",
        "  Except VIX.Push('Unit1.pas : Procedure A'); Raise; End;", "end;"});
  EXPECT_EQ(State(0), 4);
}

TEST_F(CodeStateTest, AUsersOwnTryExceptIsForeign) {
  Scan({"procedure A;", "begin", "  try", "    x;", "  except", "    on E: Exception do Log;", "  end;", "end;"});
  EXPECT_EQ(State(0), 1);
  EXPECT_EQ(scanner->GetRoutineClauseIdx(0), -1);
  EXPECT_EQ(static_cast<const TExceptClauseInfo&>(*scanner->Keywords[3]).CodeState, 0);
}

TEST_F(CodeStateTest, ACorrectBlockAfterAnOutdatedOneMakesTheRoutineCorrect) {
  Scan({"procedure A;", "begin", "  try", "    try", "      x;",
        "    except VIX.Push('Unit1.pas : Procedure Old'); raise; end;",
        "  except vix . push ( 'Unit1.pas : Procedure A' ) ; raise ; end;", "end;"});
  EXPECT_EQ(State(0), 2);
  const int clause = scanner->GetRoutineClauseIdx(0);
  ASSERT_NE(clause, -1);
  EXPECT_EQ(scanner->Keywords[clause]->Position, Pos(*scanner, "except vix"));
}

TEST_F(CodeStateTest, AFirstCorrectBlockIsTheClauseThoughAnOutdatedOneFollows) {
  Scan({"procedure A;", "begin", "  try", "    try", "      x;", "    except VIX.Push('Unit1.pas : Procedure A'); raise; end;",
        "  except VIX.Push('Unit1.pas : Procedure Old'); raise; end;", "end;"});
  EXPECT_EQ(State(0), 2);
  const int clause = scanner->GetRoutineClauseIdx(0);
  ASSERT_NE(clause, -1);
  EXPECT_EQ(scanner->Keywords[clause]->Position, Pos(*scanner, "except"));
}

TEST_F(CodeStateTest, WithOnlyOutdatedBlocksTheLastOneIsTheClause) {
  Scan({"procedure A;", "begin", "  try", "    try", "      x;",
        "    except VIX.Push('Unit1.pas : Procedure Old'); raise; end;",
        "  except VIX.Push('Unit1.pas : Procedure Older'); raise; end;", "end;"});
  EXPECT_EQ(State(0), 3);
  EXPECT_EQ(scanner->Keywords[scanner->GetRoutineClauseIdx(0)]->Position, Pos(*scanner, "except", 2));
}

TEST_F(CodeStateTest, ChangedHeadingOrPushOptionsMakeABlockIncorrect) {
  Scan({"procedure TForm1.Click(Sender: TObject);", "begin", "  Try",
        "  Except VIX.Push('Unit1.pas : Procedure TForm1.Click(Sender: TObject)'); Raise; End;", "end;",
        "procedure TForm1.Renamed(Sender: TObject);", "begin", "  Try",
        "  Except VIX.Push('Unit1.pas : Procedure TForm1.Click(Sender: TObject)'); Raise; End;", "end;"});
  EXPECT_EQ(State(0), 2);
  EXPECT_EQ(State(1), 3);
  CodeOptions.PushParams[4] = false;  // the parameters are no longer written
  scanner->CheckRoutineCodeState(0);
  EXPECT_EQ(State(0), 3);
}

TEST_F(CodeStateTest, ABlockOnAnotherVariableOrWithMoreStatementsIsForeign) {
  Scan({"procedure A;", "begin", "  Try", "  Except Other.Push('Unit1.pas : Procedure A'); Raise; End;", "end;",
        "procedure B;", "begin", "  Try", "  Except VIX.Push('Unit1.pas : Procedure B'); Log; Raise; End;", "end;"});
  EXPECT_EQ(State(0), 1);
  EXPECT_EQ(State(1), 1);
}

TEST_F(CodeStateTest, ANestedRoutinesBlockNeverCountsForItsParent) {
  Scan({"procedure Outer;", "  procedure Inner;", "  begin", "    Try",
        "    Except VIX.Push('Unit1.pas : Procedure Inner'); Raise; End;", "  end;", "begin", "  Inner;", "end;"});
  EXPECT_EQ(State(0), 1);
  EXPECT_EQ(State(1), 2);
}

TEST_F(CodeStateTest, OutOfRangeIndicesChangeNothing) {
  Scan({"procedure A;", "begin", "end;"});
  scanner->Routines[0]->CodeState = 3;
  scanner->CheckRoutineCodeState(-1);
  scanner->CheckRoutineCodeState(1);  // the begin keyword
  scanner->CheckRoutineCodeState(3);
  EXPECT_EQ(State(0), 3);
  EXPECT_EQ(scanner->GetRoutineClauseIdx(-1), -1);
  EXPECT_EQ(scanner->GetRoutineClauseIdx(1), -1);
  scanner->CheckRoutineCodeState(0);
  EXPECT_EQ(State(0), 1);
  EXPECT_EQ(VIX->DebugMsg, "");  // set only while the routine is rated
}

}  // namespace
