// The five edits, byte for byte, their refusals, and the lookups they share.
// Every edit must leave the keyword list a new scan would give.
#include <set>

#include "FreshScan.h"
#include "RefusalReasons.h"
#include "ScanActions.h"
#include "ScanTestSupport.h"
#include "ScannerFixture.h"

namespace {

const std::string Head = Crlf({"unit Unit1;", "interface", "implementation", "uses SysUtils;"});

class CodeChangesTest : public ScannerTest {
 protected:
  TSourceScanner& Scan(std::initializer_list<std::string_view> Implementation) {
    TSourceScanner& s = Load(Head + Crlf(Implementation) + "end.\r\n");
    s.FillKeyWordsList();
    EXPECT_EQ(s.ErrorCode, 0) << s.GetErrorMessage();
    return s;
  }
  // The text the scanner now holds, with the unit's head and final end.
  static std::string Unit(std::initializer_list<std::string_view> Implementation, bool Secured = true) {
    std::string head = Head;
    if (Secured) head.replace(head.find("SysUtils;"), 9, "SysUtils, Lumbrick;");
    return head + Crlf(Implementation) + "end.\r\n";
  }
  void ExpectExact() const { EXPECT_EQ(CompareWithFreshScan(*scanner), ""); }
};

const std::initializer_list<std::string_view> Click = {
    "procedure TForm1.Click(Sender: TObject);", "var", "  i: Integer;", "begin", "  i := 1;", "  if i > 0 then",
    "    Inc(i);", "end;"};

TEST_F(CodeChangesTest, AddCodeWrapsTheBodyAndIndentsIt) {
  TSourceScanner& s = Scan(Click);
  const std::size_t before = s.Keywords.size();
  const int delta = s.AddCode(0, 1);
  const std::string expected =
      Unit({"procedure TForm1.Click(Sender: TObject);", "var", "  i: Integer;", "begin", "  Try", "    i := 1;",
            "    if i > 0 then", "      Inc(i);",
            "  Except VIX.Push('Unit1.pas : Procedure TForm1.Click(Sender: TObject)'); Raise; End;", "end;"});
  EXPECT_EQ(s.Text, expected);
  // The uses clause's ", Lumbrick" is not part of the result.
  EXPECT_EQ(delta, static_cast<int>(expected.size() - Unit(Click, false).size()) - 10);
  EXPECT_EQ(s.Keywords.size(), before + 3);
  EXPECT_EQ(s.Routines[0]->State, 1);
  EXPECT_EQ(s.Routines[0]->CodeState, 2);
  EXPECT_EQ(s.FileState, 1);
  ExpectExact();
}

TEST_F(CodeChangesTest, TheFourLayoutsAndANestedRoutine) {
  const std::initializer_list<std::string_view> nested = {"procedure Outer;", "  procedure Inner;", "  begin",
                                                          "    x;", "  end;", "begin", "  Inner;", "end;"};
  CodeOptions.ExceptLines = 4;
  TSourceScanner& s = Scan(nested);
  s.AddCode(1, 1);
  EXPECT_EQ(s.Text, Unit({"procedure Outer;", "  procedure Inner;", "  begin", "    Try", "      x;", "    Except ",
                          "      VIX.Push('Unit1.pas : Procedure Inner');", "      Raise;", "    End;", "  end;", "begin",
                          "  Inner;", "end;"}));
  ExpectExact();

  CodeOptions.ExceptLines = 3;
  Scan(nested).AddCode(0, 1);
  EXPECT_EQ(scanner->Text, Unit({"procedure Outer;", "  procedure Inner;", "  begin", "    x;", "  end;", "begin",
                                 "  Try", "    Inner;", "  Except ", "    VIX.Push('Unit1.pas : Procedure Outer'); Raise;",
                                 "  End;", "end;"}));
  ExpectExact();

  CodeOptions.ExceptLines = 2;
  Scan(nested).AddCode(0, 1);
  EXPECT_EQ(scanner->Text, Unit({"procedure Outer;", "  procedure Inner;", "  begin", "    x;", "  end;", "begin",
                                 "  Try", "    Inner;", "  Except ",
                                 "    VIX.Push('Unit1.pas : Procedure Outer'); Raise; End;", "end;"}));
  ExpectExact();
}

TEST_F(CodeChangesTest, AnEmptyBodyGetsTheTryLineThenTheBlockLine) {
  // Nothing to measure an indentation on: the end line gives none.
  TSourceScanner& s = Scan({"procedure A;", "begin", "end;"});
  s.AddCode(0, 1);
  EXPECT_EQ(s.Text, Unit({"procedure A;", "begin", "Try", "Except VIX.Push('Unit1.pas : Procedure A'); Raise; End;",
                          "end;"}));
  ExpectExact();
}

TEST_F(CodeChangesTest, CodeOnTheBeginAndEndLinesStaysOutsideTheBlock) {
  TSourceScanner& s = Scan({"procedure A;", "begin Start;", "  Work;", "  Finish; end;"});
  s.AddCode(0, 1);
  EXPECT_EQ(s.Text, Unit({"procedure A;", "begin Start;", "  Try", "    Work;",
                          "  Except VIX.Push('Unit1.pas : Procedure A'); Raise; End;", "  Finish; end;"}));
  ExpectExact();
}

TEST_F(CodeChangesTest, ALibraryUnitAlreadyInUseIsNotAddedAgain) {
  TSourceScanner& s = Load(Crlf({"unit Unit1;", "interface", "uses lumbrick;", "implementation", "procedure A;",
                                 "begin", "end;", "procedure B;", "begin", "end;", "end."}));
  s.FillKeyWordsList();
  const std::string before = s.Text;
  const int a = s.AddCode(0, 1);
  const int b = s.AddCode(1, 1);
  EXPECT_EQ(static_cast<int>(s.Text.size() - before.size()), a + b);
  EXPECT_EQ(s.Text.find("Uses Lumbrick"), std::string::npos);
}

TEST_F(CodeChangesTest, RemoveCodeGivesBackTheOriginalText) {
  for (int layout = 1; layout <= 4; ++layout) {
    CodeOptions.ExceptLines = layout;
    TSourceScanner& s = Scan({"procedure A;", "", "  procedure B(x: Integer);", "  begin", "    {", "      note }",
                              "    x := 1;", "", "  end;", "", "begin", "\tB(2); // tab", "  (* c *)", "end;"});
    const std::string original = s.Text;
    ASSERT_GT(s.AddCode(0, 1), 0);
    ASSERT_GT(s.AddCode(1, 1), 0);
    ExpectExact();
    const int a = s.RemoveCode(0);
    const int b = s.RemoveCode(1);
    EXPECT_LT(a, 0);
    EXPECT_LT(b, 0);
    std::string expected = original;
    expected.replace(expected.find("SysUtils;"), 9, "SysUtils, Lumbrick;");
    EXPECT_EQ(s.Text, expected) << "layout " << layout;
    EXPECT_EQ(s.Routines[0]->State, 3);
    EXPECT_EQ(s.Routines[0]->CodeState, 1);
    ExpectExact();
  }
}

TEST_F(CodeChangesTest, WithoutReindentingTheBodyKeepsItsIndentation) {
  CodeOptions.ReindentAddedCode = false;
  TSourceScanner& s = Scan({"procedure A;", "begin", "  x;", "end;"});
  s.AddCode(0, 1);
  EXPECT_EQ(s.Text, Unit({"procedure A;", "begin", "  Try", "  x;", "  Except VIX.Push('Unit1.pas : Procedure A'); Raise; End;",
                          "end;"}));
  CodeOptions.ReindentRemovedCode = false;
  CodeOptions.ReindentAddedCode = true;
  Scan({"procedure A;", "begin", "  Try", "    x;", "  Except VIX.Push('Unit1.pas : Procedure A'); Raise; End;", "end;"});
  scanner->RemoveCode(0);
  EXPECT_EQ(scanner->Text, Unit({"procedure A;", "begin", "    x;", "end;"}, false));
  ExpectExact();
}

TEST_F(CodeChangesTest, UpdateCodeRewritesTheRoutineTextOnly) {
  TSourceScanner& s = Scan({"function Sum(a, b: Integer): Integer;", "begin", "  Try", "    Result := a + b;",
                            "  except VIX.Push('Unit1.pas : Function Add(a, b: Integer)'); raise; end;", "end;"});
  ASSERT_EQ(s.Routines[0]->CodeState, 3);
  const int delta = s.UpdateCode(0);
  EXPECT_EQ(s.Text, Unit({"function Sum(a, b: Integer): Integer;", "begin", "  Try", "    Result := a + b;",
                          "  except VIX.Push('Unit1.pas : Function Sum(a, b: Integer)'); raise; end;", "end;"}));
  EXPECT_EQ(delta, 0);  // Sum and Add have the same length
  EXPECT_EQ(s.Routines[0]->State, 2);
  EXPECT_EQ(s.Routines[0]->CodeState, 2);
  ExpectExact();
}

TEST_F(CodeChangesTest, TheIgnoreMarkerGoesInWithTheTabulationAndOutAgain) {
  TSourceScanner& s = Scan({"procedure Outer;", "  procedure Inner;", "  begin", "    x;", "  end;", "begin", "  Inner;",
                            "end;"});
  const std::string original = s.Text;
  EXPECT_GT(s.AddIgnoreCode(1), 0);
  EXPECT_EQ(s.Text, Unit({"procedure Outer;", "  procedure Inner;", "  begin", "  {Corvane.IgnoreRoutine}", "    x;",
                          "  end;", "begin", "  Inner;", "end;"}, false));
  EXPECT_EQ(s.Routines[1]->CodeState, 4);
  EXPECT_EQ(s.Routines[1]->State, 4);
  ExpectExact();
  EXPECT_EQ(s.RemoveIgnoreCode(0), 0);  // none there
  EXPECT_EQ(s.RemoveIgnoreCode(1), -27);
  EXPECT_EQ(s.Text, original);
  EXPECT_EQ(s.Routines[1]->State, 3);
  EXPECT_EQ(s.Routines[1]->CodeState, 1);
  ExpectExact();
}

TEST_F(CodeChangesTest, AsmOneLineAndLFOnlyRoutinesAreNeverEdited) {
  TSourceScanner& s = Scan({"procedure A; assembler;", "asm", "  nop", "end;", "procedure B; begin x; end;",
                            "procedure C;", "begin", "  Try", "  Except VIX.Push('Unit1.pas : Procedure C'); Raise; End;",
                            "end;"});
  const std::string before = s.Text;
  for (int r : {0, 1}) {
    EXPECT_EQ(s.AddCode(r, 1), 0);
    EXPECT_EQ(s.LastRefusal, r == 0 ? "" : RefusedOneLine);  // an asm body is simply not edited
    EXPECT_EQ(s.UpdateCode(r), 0);
    EXPECT_EQ(s.RemoveCode(r), 0);
    EXPECT_EQ(s.AddIgnoreCode(r), 0);
    EXPECT_EQ(s.LastRefusal, r == 0 ? "" : RefusedOneLine);
    EXPECT_EQ(s.RemoveIgnoreCode(r), 0);
    EXPECT_EQ(s.LastRefusal, "");  // no marker to remove
  }
  EXPECT_EQ(s.Text, before);

  // The same routine with LF line breaks in a CR LF unit.
  s.Text.replace(s.Text.find("begin\r\n  Try"), 7, "begin\n");
  s.Text.replace(s.Text.find("Try\r\n"), 5, "Try\n");
  s.TextStatus = s.ConvertIntoTextStatus(s.Text);
  s.SetTextAfterEndStatus();
  s.FillKeyWordsList();
  const std::string lf = s.Text;
  EXPECT_EQ(s.AddCode(2, 1), 0);
  EXPECT_EQ(s.LastRefusal, RefusedStructureError);  // a begin before a bare LF is no keyword
  EXPECT_EQ(s.Text, lf);

  // A bare LF between the statements of a sound routine (a loaded file would
  // be refused whole: it would mix conventions).
  TSourceScanner& t = Scan({"procedure D;", "begin", "  x;", "  y;", "end;"});
  t.Text.replace(t.Text.find("x;\r\n"), 4, "x; \n");
  t.TextStatus = t.ConvertIntoTextStatus(t.Text);
  EXPECT_EQ(t.AddCode(0, 1), 0);
  EXPECT_EQ(t.LastRefusal, RefusedLineBreaks);
}

TEST_F(CodeChangesTest, ABlockThatWouldBreakTheSourceIsRefused) {
  TSourceScanner& s = Scan({
      "procedure KeywordOnBeginLine;", "begin try", "  x;", "finally", "  y;", "end;", "end;",
      "procedure CommentOpenOnBeginLine;", "begin { a comment", "  over two lines }", "  x;", "end;",
      "procedure UnfinishedStatement;", "begin if Ready then", "  x;", "  y;", "end;",
      "procedure KeywordOnEndLine;", "begin", "  x;", "  begin y; end; end;",
  });
  const std::string before = s.Text;
  const char* reasons[] = {RefusedKeywordsOnLines, RefusedBlockInComment, RefusedSplitStatement, RefusedKeywordsOnLines};
  for (int r = 0; r < 4; ++r) {
    EXPECT_EQ(s.AddCode(r, 1), 0) << r;
    EXPECT_EQ(s.LastRefusal, reasons[r]) << r;
  }
  EXPECT_EQ(s.Text, before);
  EXPECT_GT(s.AddIgnoreCode(0), 0);  // a marker breaks nothing there
  EXPECT_EQ(s.LastRefusal, "");
  EXPECT_EQ(s.AddIgnoreCode(1), 0);  // inside a comment it would close it
  EXPECT_EQ(s.LastRefusal, RefusedMarkerInComment);
  ExpectExact();
}

TEST_F(CodeChangesTest, ARoutineInsideAnotherRoutinesBodyIsNeverEdited) {
  // An anonymous method: a routine keyword within a body.
  TSourceScanner& s = Scan({"procedure Outer;", "begin", "  Run(", "    procedure", "    begin", "      x;", "    end", "  );", "end;",
                            "procedure Plain;", "begin", "  y;", "end;"});
  ASSERT_EQ(s.Routines.size(), 3u);
  EXPECT_EQ(s.AddCode(0, 1), 0);
  EXPECT_EQ(s.LastRefusal, RefusedHoldsRoutine);
  EXPECT_EQ(s.AddCode(1, 1), 0);
  EXPECT_EQ(s.LastRefusal, RefusedInsideBody);
  EXPECT_EQ(s.AddIgnoreCode(1), 0);
  EXPECT_GT(s.AddCode(2, 1), 0);  // the others are still secured
  EXPECT_EQ(s.LastRefusal, "");
}

TEST_F(CodeChangesTest, NothingIsEditedAfterAStructureError) {
  TSourceScanner& s = Load(Head + Crlf({"procedure A;", "begin", "  x;", "end;", "end;"}) + "end.\r\n");
  s.FillKeyWordsList();
  ASSERT_EQ(s.ErrorCode, 52);
  EXPECT_EQ(s.AddCode(0, 1), 0);
  EXPECT_EQ(s.LastRefusal, RefusedStructureError);
  EXPECT_EQ(s.AddIgnoreCode(0), 0);
}

TEST_F(CodeChangesTest, ARemovalThatWouldTakeMoreThanTheBlockIsRefused) {
  TSourceScanner& s = Scan({
      "procedure NoSemicolon;", "begin", "  Try", "    x;", "  Except VIX.Push('Unit1.pas : Procedure NoSemicolon'); Raise; End",
      "end;", "procedure SingleStatement;", "begin", "  if a then try", "    x; y;",
      "  except VIX.Push('Unit1.pas : Procedure SingleStatement'); raise; end", "  else z;", "end;",
      "procedure ThenTry;", "begin", "  if a then try", "    x; y;", "  except VIX.Push('Unit1.pas : Procedure ThenTry'); raise; end;",
      "end;"});
  ASSERT_EQ(s.Routines[0]->CodeState, 2);
  ASSERT_EQ(s.Routines[1]->CodeState, 2);
  ASSERT_EQ(s.Routines[2]->CodeState, 2);
  const std::string before = s.Text;
  EXPECT_EQ(s.RemoveCode(0), 0);  // the first ";" after the block ends the routine
  EXPECT_EQ(s.LastRefusal, RefusedBlockEnd);
  EXPECT_EQ(s.RemoveCode(1), 0);  // without the try, y would run whatever a is
  EXPECT_EQ(s.LastRefusal, RefusedBlockEnd);
  EXPECT_EQ(s.RemoveCode(2), 0);
  EXPECT_EQ(s.LastRefusal, RefusedMeaning);
  EXPECT_EQ(s.Text, before);
}

// A finally clause written before the block's Except shares its End: the
// three keywords of the block cannot go while that clause still needs them.
TEST_F(CodeChangesTest, ARemovalIsRefusedWhileAnotherClauseDependsOnTheBlocksEnd) {
  const std::initializer_list<std::string_view> shared = {
      "procedure Shared;", "begin", "  Try", "    x;", "  Finally", "    y;",
      "  Except VIX.Push('Unit1.pas : Procedure Shared'); Raise; End;", "end;"};
  // By the routine scan (the counted links) and by a routine button (the walk
  // over the keyword list).
  const TScanActions saved = ScanActions;
  ScanActions = {1, 1, 0};
  TSourceScanner& s = Scan(shared);
  ASSERT_EQ(s.Routines[0]->CodeState, 2);
  const std::string before = s.Text;
  s.ScanRoutines();
  ScanActions = saved;
  ASSERT_EQ(s.RefusedEdits.size(), 1u);
  EXPECT_EQ(s.RefusedEdits[0].Reason, RefusedKeywordsDepend);
  EXPECT_EQ(s.Text, before);
  EXPECT_EQ(s.RemoveCode(0), 0);
  EXPECT_EQ(s.LastRefusal, RefusedKeywordsDepend);
  EXPECT_EQ(s.Text, before);
  ExpectExact();
}

TEST_F(CodeChangesTest, AMarkerInsideALiteralIsNotDeleted) {
  TSourceScanner& s = Scan({"procedure A;", "begin", "  s := '{Corvane.IgnoreRoutine}';", "end;", "procedure B;", "begin",
                            "  // {Corvane.IgnoreRoutine} here", "end;"});
  EXPECT_EQ(s.Routines[0]->CodeState, 4);
  EXPECT_EQ(s.RemoveIgnoreCode(0), 0);
  EXPECT_EQ(s.LastRefusal, RefusedMarkerEmbedded);
  EXPECT_EQ(s.RemoveIgnoreCode(1), -23);  // inside a line comment it may go
  EXPECT_NE(s.Text.find("  //  here"), std::string::npos);
  ExpectExact();
}

TEST_F(CodeChangesTest, AParameterListOverSeveralLinesGivesAOneLineLiteral) {
  TSourceScanner& s = Scan({"procedure A(x,", "    y: Integer);", "begin", "end;"});
  s.AddCode(0, 1);
  EXPECT_NE(s.Text.find("VIX.Push('Unit1.pas : Procedure A(x, y: Integer)');"), std::string::npos);
  ExpectExact();
}

TEST_F(CodeChangesTest, AddCodeOnAMarkedRoutineLeavesItIgnored) {
  TSourceScanner& s = Scan({"procedure A;", "begin", "  {Corvane.IgnoreRoutine}", "  x;", "end;"});
  EXPECT_GT(s.AddCode(0, 2), 0);
  EXPECT_EQ(s.Routines[0]->CodeState, 4);
  ExpectExact();
}

TEST_F(CodeChangesTest, LinesEndingInCrCrLfAreSecuredAndGivenBack) {
  std::string text = Head + Crlf(Click) + Crlf({"procedure B;", "begin", "  y; // note", "end;"}) + "end.\r\n";
  for (std::size_t p = 0; (p = text.find("\r\n", p)) != std::string::npos; p += 3) text.insert(p, "\r");
  TSourceScanner& s = Load(text);
  s.FillKeyWordsList();
  ASSERT_EQ(s.ErrorCode, 0) << s.GetErrorMessage();
  for (int r : {0, 1}) {
    EXPECT_GT(s.AddCode(r, 1), 0) << r;
    EXPECT_EQ(s.LastRefusal, "");
    ExpectExact();
  }
  EXPECT_NE(s.Text.find("begin\r\r\n  Try\r\n    i := 1;\r\r\n"), std::string::npos);
  for (int r : {0, 1}) EXPECT_LT(s.RemoveCode(r), 0) << r;
  ExpectExact();
  text.replace(text.find("SysUtils;"), 9, "SysUtils, Lumbrick;");
  EXPECT_EQ(s.Text, text);
}

TEST_F(CodeChangesTest, ABeginIndentedApartFromItsBodyComesBackByteForByte) {
  for (int layout = 1; layout <= 4; ++layout) {
    CodeOptions.ExceptLines = layout;
    TSourceScanner& s = Scan({"procedure A;", "var", "  i: Integer;", "  begin", "    i := 1;", "    if i > 0 then",
                              "      Inc(i); { over", "      two lines }", "  end;", "procedure Outer;", "  procedure Inner;",
                              "    begin", "      x;", "    end;", "  begin", "    Inner;", "  end;"});
    const std::string original = s.Text;
    for (int r : {0, 1, 2}) ASSERT_GT(s.AddCode(r, 1), 0) << r;
    ExpectExact();
    for (int r : {2, 0, 1}) ASSERT_LT(s.RemoveCode(r), 0) << r;
    ExpectExact();
    std::string expected = original;
    expected.replace(expected.find("SysUtils;"), 9, "SysUtils, Lumbrick;");
    EXPECT_EQ(s.Text, expected) << "layout " << layout;
  }
}

TEST_F(CodeChangesTest, RemovalLeavesANestedBeginLineHoldingTheTryAsItWas) {
  TSourceScanner& s = Scan({"procedure Outer;", "  procedure Inner;", "  begin Try", "    x;",
                            "  Except VIX.Push('Unit1.pas : Procedure Inner'); Raise; End;", "  end;", "begin", "  Inner;",
                            "end;"});
  ASSERT_EQ(s.Routines[1]->CodeState, 2);
  EXPECT_LT(s.RemoveCode(1), 0);
  EXPECT_EQ(s.Text, Unit({"procedure Outer;", "  procedure Inner;", "  begin ", "  x;", "  end;", "begin", "  Inner;",
                          "end;"}, false));
  ExpectExact();
}

TEST_F(CodeChangesTest, TheMarkerGoesInAndOutOfAParenStarComment) {
  TSourceScanner& s = Scan({"procedure A;", "begin (* a note", "  over lines *)", "  x;", "end;"});
  const std::string original = s.Text;
  EXPECT_GT(s.AddIgnoreCode(0), 0);
  EXPECT_EQ(s.Text, Unit({"procedure A;", "begin (* a note", "  {Corvane.IgnoreRoutine}", "  over lines *)", "  x;", "end;"},
                         false));
  EXPECT_EQ(s.Routines[0]->CodeState, 4);
  ExpectExact();
  EXPECT_LT(s.RemoveIgnoreCode(0), 0);
  EXPECT_EQ(s.Text, original);
  ExpectExact();
}

TEST_F(CodeChangesTest, AMarkerWhoseRemovalWouldJoinItsNeighboursStays) {
  TSourceScanner& s = Scan({"procedure A;", "begin", "  x := a{Corvane.IgnoreRoutine}b;", "end;", "procedure B;", "begin",
                            "  (* note *{Corvane.IgnoreRoutine}) still a note *)", "end;", "procedure C;", "begin",
                            "  (*{Corvane.IgnoreRoutine}*) x;", "end;"});
  const std::string before = s.Text;
  for (int r : {0, 1}) {
    EXPECT_EQ(s.RemoveIgnoreCode(r), 0) << r;
    EXPECT_EQ(s.LastRefusal, RefusedMarkerJoins) << r;
  }
  EXPECT_EQ(s.Text, before);
  EXPECT_EQ(s.RemoveIgnoreCode(2), -23);  // "(**)" is still a whole comment
  ExpectExact();
}

TEST_F(CodeChangesTest, EveryRefusalReasonIsItsOwnText) {
  std::set<std::string> texts;
  for (const char* reason : AllRefusalReasons) {
    EXPECT_FALSE(std::string(reason).empty());
    EXPECT_EQ(std::string(reason).find(" //"), std::string::npos);  // the translator's comment mark
    texts.insert(reason);
  }
  EXPECT_EQ(texts.size(), AllRefusalReasons.size());
}

TEST_F(CodeChangesTest, TheLookups) {
  TSourceScanner& s = Scan({"procedure A;", "begin", "  try", "  finally", "  end;", "end;", "procedure B;", "begin",
                            "  {Corvane.IgnoreRoutine}", "end;"});
  // procedure begin try finally end end procedure begin end
  EXPECT_EQ(s.GetTryClauseIdx(3), 2);
  EXPECT_EQ(s.GetTryClauseIdx(2), -1);   // not a clause
  EXPECT_EQ(s.GetTryClauseIdx(42), -1);  // out of range
  EXPECT_EQ(s.GetKeywordAfterEnd(s.Routines[0]), 6);
  EXPECT_EQ(s.GetKeywordAfterEnd(s.Routines[1]), -1);
  EXPECT_EQ(s.GetKeywordAfterEnd(nullptr), -1);
  std::string code;
  s.GetRoutineCode(s.Routines[1], code);
  EXPECT_EQ(code, "procedure B;\r\nbegin\r\n  {Corvane.IgnoreRoutine}\r\nend;");
  s.GetRoutineCode(nullptr, code);
  EXPECT_EQ(code, "");
  EXPECT_EQ(s.GetRoutineIgnoreCodePos(s.Routines[1]), Pos(s, "{Corvane"));
  EXPECT_EQ(s.GetRoutineIgnoreCodePos(s.Routines[0]), -1);
  EXPECT_EQ(s.GetRoutineIgnoreCodePos(nullptr), -1);
}

}  // namespace
