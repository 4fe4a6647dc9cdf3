// The protective block's except part: its text for every layout and routine
// text option, and the rating of clauses found in a source against it.
#include "ScannerFixture.h"
#include "SysUtils.h"

namespace {

class BlockTest : public ScannerTest {
 protected:
  BlockTest() {
    method.SetHeader("procedure TForm1.Button1Click(Sender: TObject);");
    plain.SetHeader("function Plain: Integer;");
  }
  std::string Bloc(const TRoutineInfo& r, const std::string& t = "") const {
    return r.BuildExceptBloc("/home/src/Unit1.pas", t);
  }
  std::string RoutineText(std::array<bool, 5> options, const TRoutineInfo& r) {
    CodeOptions.PushParams = options;
    const std::string b = Bloc(r);
    const std::size_t q1 = b.find('\'');
    return b.substr(q1 + 1, b.find('\'', q1 + 1) - q1 - 1);
  }

  TRoutineInfo method{1, kwProcedure};
  TRoutineInfo plain{1, kwFunction};
};

TEST_F(BlockTest, AllOptionsOnInLayoutOne) {
  EXPECT_EQ(Bloc(method), "Except VIX.Push('Unit1.pas : Procedure TForm1.Button1Click(Sender: TObject)'); Raise; End;");
  EXPECT_EQ(Bloc(plain), "Except VIX.Push('Unit1.pas : Function Plain'); Raise; End;");
}

TEST_F(BlockTest, EveryLayout) {
  const std::string r = "'Unit1.pas : Function Plain'";
  CodeOptions.ExceptLines = 1;
  EXPECT_EQ(Bloc(plain, "  "), "Except VIX.Push(" + r + "); Raise; End;");
  CodeOptions.ExceptLines = 2;
  EXPECT_EQ(Bloc(plain, "  "), "Except \r\n  VIX.Push(" + r + "); Raise; End;");
  CodeOptions.ExceptLines = 3;
  EXPECT_EQ(Bloc(plain, "  "), "Except \r\n  VIX.Push(" + r + "); Raise;\r\nEnd;");
  CodeOptions.ExceptLines = 4;
  EXPECT_EQ(Bloc(plain, "\t"), "Except \r\n\tVIX.Push(" + r + ");\r\n\tRaise;\r\nEnd;");
  // Values outside 1 to 4: the opening of layout 2, the closing of layout 1.
  for (int layout : {0, 5}) {
    CodeOptions.ExceptLines = layout;
    EXPECT_EQ(Bloc(plain, "  "), "Except \r\n  VIX.Push(" + r + "); Raise; End;") << layout;
  }
}

TEST_F(BlockTest, VariableOfTheCodeOptions) {
  CodeOptions.QuellumVar = "Guard";
  EXPECT_EQ(Bloc(plain), "Except Guard.Push('Unit1.pas : Function Plain'); Raise; End;");
}

TEST_F(BlockTest, EveryRoutineTextOption) {
  using A = std::array<bool, 5>;
  EXPECT_EQ(RoutineText(A{false, false, false, false, false}, method), "");
  EXPECT_EQ(RoutineText(A{true, false, false, false, false}, method), "Unit1.pas : ");
  EXPECT_EQ(RoutineText(A{false, true, false, false, false}, method), "Procedure ");
  EXPECT_EQ(RoutineText(A{false, false, true, false, false}, method), "TForm1.");
  EXPECT_EQ(RoutineText(A{false, false, false, true, false}, method), "Button1Click");
  EXPECT_EQ(RoutineText(A{false, false, false, false, true}, method), "(Sender: TObject)");
  EXPECT_EQ(RoutineText(A{false, true, true, true, true}, method), "Procedure TForm1.Button1Click(Sender: TObject)");
  EXPECT_EQ(RoutineText(A{true, false, true, true, true}, method), "Unit1.pas : TForm1.Button1Click(Sender: TObject)");
  EXPECT_EQ(RoutineText(A{true, true, false, true, true}, method), "Unit1.pas : Procedure Button1Click(Sender: TObject)");
  EXPECT_EQ(RoutineText(A{true, true, true, false, true}, method), "Unit1.pas : Procedure TForm1.(Sender: TObject)");
  EXPECT_EQ(RoutineText(A{true, true, true, true, false}, method), "Unit1.pas : Procedure TForm1.Button1Click");
  // No class name: no "."; no parameters: no parentheses.
  EXPECT_EQ(RoutineText(A{false, false, true, true, true}, plain), "Plain");
}

TEST_F(BlockTest, EveryCombinationJoinsItsPartsInOrder) {
  const std::string parts[5] = {"Unit1.pas : ", "Procedure ", "TForm1.", "Button1Click", "(Sender: TObject)"};
  for (int mask = 0; mask < 32; ++mask) {
    std::array<bool, 5> options{};
    std::string expected;
    for (int i = 0; i < 5; ++i) {
      options[i] = (mask & (1 << i)) != 0;
      if (options[i]) expected += parts[i];
    }
    EXPECT_EQ(RoutineText(options, method), expected) << mask;
  }
}

TEST_F(BlockTest, AllOptionsOffStillMakesABlock) {
  CodeOptions.PushParams = {false, false, false, false, false};
  EXPECT_EQ(Bloc(method), "Except VIX.Push(''); Raise; End;");
}

TEST_F(BlockTest, RoutineKindsAreCapitalised) {
  TRoutineInfo c(1, kwConstructor);
  c.SetHeader("constructor TA.Create;");
  TRoutineInfo d(1, kwDestructor);
  d.SetHeader("destructor TA.Destroy;");
  EXPECT_EQ(RoutineText({false, true, true, true, false}, c), "Constructor TA.Create");
  EXPECT_EQ(RoutineText({false, true, true, true, false}, d), "Destructor TA.Destroy");
}

TEST_F(BlockTest, QuotesNeverEnterTheRoutineText) {
  // A default value's quotes (its contents are blanks in the code copy) would
  // close the Pascal literal early.
  TRoutineInfo r(1, kwProcedure);
  r.SetHeader("procedure Log(const S: string = '   ');");
  EXPECT_EQ(Bloc(r), "Except VIX.Push('Unit1.pas : Procedure Log(const S: string =    )'); Raise; End;");
  EXPECT_EQ(r.BuildExceptBloc("/src/O'Hara.pas", ""), "Except VIX.Push('OHara.pas : Procedure Log(const S: string =    )'); Raise; End;");
}

// Rating: a routine whose body ends with a clause written by hand.
class RatingTest : public BlockTest {
 protected:
  int Rate(const std::string& clause, const TRoutineInfo& r) {
    const std::string prefix = "begin\r\n  try\r\n    X;\r\n  ";
    const std::string text = prefix + clause + "\r\nend;\r\n";
    // The clause's own end: its last "end".
    const int end = static_cast<int>(prefix.size() + LowerCase(clause).rfind("end")) + 1;
    TExceptClauseInfo info(static_cast<int>(prefix.size()) + 1, kwExcept);
    info.SetCodeState(text, r.BuildExceptBloc("Unit1.pas", ""), end);
    return info.CodeState;
  }
  const std::string routine = "'Unit1.pas : Procedure TForm1.Button1Click(Sender: TObject)'";
};

TEST_F(RatingTest, TheAssistantsBlockWithTheExpectedText) {
  EXPECT_EQ(Rate("Except VIX.Push(" + routine + "); Raise; End;", method), 2);
  EXPECT_EQ(Rate("except vix.push('unit1.pas : procedure tform1.button1click(sender: tobject)'); raise; end;", method), 2);
  EXPECT_EQ(Rate("EXCEPT\r\n      Vix . Push ( " + routine + " ) ;\r\n      RAISE ;\r\n  END;", method), 2);
  EXPECT_EQ(Rate("Except\t\tVIX.Push(" + routine + ");\r\n\tRaise;\r\n  End;", method), 2);
}

TEST_F(RatingTest, EveryLayoutOfTheOptionsRatesEveryLayoutWritten) {
  for (int layout : {1, 2, 3, 4}) {
    CodeOptions.ExceptLines = layout;
    EXPECT_EQ(Rate("Except VIX.Push(" + routine + "); Raise; End;", method), 2) << layout;
    EXPECT_EQ(Rate("Except \r\n    VIX.Push(" + routine + ");\r\n    Raise;\r\n  End;", method), 2) << layout;
  }
}

TEST_F(RatingTest, AnotherRoutineTextIsIncorrect) {
  EXPECT_EQ(Rate("Except VIX.Push('Unit1.pas : Procedure TForm1.OldName(Sender: TObject)'); Raise; End;", method), 3);
  EXPECT_EQ(Rate("Except VIX.Push(''); Raise; End;", method), 3);
  // The same block after a change of the routine text options.
  CodeOptions.PushParams[0] = false;
  EXPECT_EQ(Rate("Except VIX.Push(" + routine + "); Raise; End;", method), 3);
}

TEST_F(RatingTest, ForeignClauses) {
  EXPECT_EQ(Rate("except on E: Exception do ShowMessage(E.Message); end;", method), 0);
  EXPECT_EQ(Rate("Except Guard.Push(" + routine + "); Raise; End;", method), 0);
  EXPECT_EQ(Rate("Except VIX.Push(" + routine + "); Beep; Raise; End;", method), 0);
  EXPECT_EQ(Rate("Except VIX.Push(" + routine + "); Raise; Beep; End;", method), 0);
  EXPECT_EQ(Rate("Except VIX.Push(" + routine + "); End;", method), 0);
  EXPECT_EQ(Rate("ExceptVIX.Push(" + routine + "); Raise; End;", method), 0);
  EXPECT_EQ(Rate("Except VIX.Push(Name); Raise; End;", method), 0);
}

TEST_F(RatingTest, FinallyIsForeign) {
  EXPECT_EQ(Rate("Finally VIX.Push(" + routine + "); Raise; End;", method), 0);
}

TEST_F(RatingTest, ARatingIsRedoneFromScratch) {
  const std::string text = "Except VIX.Push(" + routine + "); Raise; End;";
  TExceptClauseInfo info(1, kwExcept);
  info.SetCodeState(text, method.BuildExceptBloc("Unit1.pas", ""), static_cast<int>(text.rfind("End")) + 1);
  EXPECT_EQ(info.CodeState, 2);
  info.SetCodeState("except end;", method.BuildExceptBloc("Unit1.pas", ""), 8);
  EXPECT_EQ(info.CodeState, 0);
}

}  // namespace
