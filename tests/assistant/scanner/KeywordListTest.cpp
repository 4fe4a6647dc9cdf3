// The keyword scan: what it lists, the levels and links it sets, the
// structure errors it records, its progress texts and its cancel.
#include <gmock/gmock.h>

#include "KeywordKinds.h"
#include "ScanTestSupport.h"
#include "ScannerFixture.h"
#include "Translator.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

class KeywordListTest : public ScannerTest {
 protected:
  // Loads a unit made of a standard head, the given implementation lines
  // and the final end, and scans it.
  TSourceScanner& Scan(std::initializer_list<std::string_view> Implementation) {
    std::string text = Crlf({"unit Unit1;", "", "interface", "", "uses SysUtils;", "", "implementation", ""});
    text += Crlf(Implementation);
    text += "end.\r\n";
    TSourceScanner& s = Load(text);
    s.FillKeyWordsList();
    return s;
  }

  static std::vector<std::string> Kinds(const TSourceScanner& S) {
    std::vector<std::string> k;
    for (const auto& kw : S.Keywords) k.push_back(kw->GetKeyword());
    return k;
  }
  static std::vector<int> Levels(const TSourceScanner& S) {
    std::vector<int> l;
    for (const auto& kw : S.Keywords) l.push_back(kw->Level);
    return l;
  }
};

TEST_F(KeywordListTest, ListsTheKeywordsOfTheImplementationInCodeOnly) {
  TSourceScanner& s = Scan({"procedure A; { begin end }", "var s: string;", "begin",
                            "  s := 'try end; case'; // asm end", "  (* finally *)", "end;"});
  ASSERT_EQ(s.ErrorCode, 0) << s.GetErrorMessage();
  EXPECT_THAT(Kinds(s), ElementsAre("procedure", "begin", "end"));
  ASSERT_EQ(s.Routines.size(), 1u);
  EXPECT_EQ(s.Routines[0]->Header, "procedure A;");
  EXPECT_EQ(s.Routines[0]->kiBegin, s.Keywords[1].get());
  EXPECT_EQ(s.Routines[0]->kiEnd, s.Keywords[2].get());
}

TEST_F(KeywordListTest, TheInterfaceAndTheTextAfterTheFinalEndAreNotScanned) {
  TSourceScanner& s = Load(Crlf({"unit Unit1;", "interface", "procedure A;", "type T = record a: Integer; end;",
                                 "implementation", "procedure A;", "begin", "end;", "end.", "procedure B;",
                                 "begin", "end;"}));
  s.FillKeyWordsList();
  ASSERT_EQ(s.ErrorCode, 0);
  EXPECT_THAT(Kinds(s), ElementsAre("procedure", "begin", "end"));  // "end." is no keyword
}

TEST_F(KeywordListTest, AUnitWithoutImplementationInCodeGetsError2AndEmptyLists) {
  TSourceScanner& s = Load(Crlf({"unit Unit1;", "interface", "{ implementation }", "const S = 'implementation';",
                                 "procedure A;", "begin", "end;", "end."}));
  s.FillKeyWordsList();
  EXPECT_EQ(s.ErrorCode, 2);
  EXPECT_TRUE(s.Keywords.empty());
  EXPECT_TRUE(s.Routines.empty());
  EXPECT_EQ(s.GetErrorMessage(), "Error 2: Error in Unit Structure.\r\nImplementation Keyword Missing.");
}

TEST_F(KeywordListTest, ARecordedErrorStopsEveryFurtherScan) {
  TSourceScanner& s = Scan({"procedure A;", "begin", "end;"});
  ASSERT_EQ(s.Keywords.size(), 3u);
  s.SetErrorMessage(3, "t", "x");
  s.Text.insert(s.Text.find("procedure"), "procedure B; begin end;\r\n");
  s.TextStatus = s.ConvertIntoTextStatus(s.Text);
  RecordingLog log;
  s.FillKeyWordsList();
  EXPECT_EQ(s.Keywords.size(), 3u);
  EXPECT_TRUE(log.lines.empty());
}

TEST_F(KeywordListTest, ALoadWithoutFinalEndPreventsTheScan) {
  TSourceScanner& s = Load(Crlf({"unit Unit1;", "interface", "implementation", "procedure A;", "begin", "end;"}));
  EXPECT_EQ(s.ErrorCode, 1);
  s.FillKeyWordsList();
  EXPECT_EQ(s.ErrorCode, 1);
  EXPECT_TRUE(s.Keywords.empty());
  EXPECT_EQ(s.GetErrorMessage(), "Error 1: Error in Unit Structure.\r\nFinal End Missing in Unit.");
}

TEST_F(KeywordListTest, EverythingFromInitializationOnIsDropped) {
  TSourceScanner& s = Scan({"procedure A;", "begin", "end;", "initialization", "  begin", "  end;", "finalization",
                            "  try", "  finally", "  end;"});
  ASSERT_EQ(s.ErrorCode, 0);
  EXPECT_THAT(Kinds(s), ElementsAre("procedure", "begin", "end"));
}

TEST_F(KeywordListTest, TypesDeclaredInTheImplementationGoThroughTheirEnd) {
  TSourceScanner& s = Scan({"type", "  TPair = record", "    case Integer of", "      0: (a: Integer);",
                            "      1: (b: Byte);", "  end;", "  THelper = class(TObject)", "    procedure Go;",
                            "    constructor Create;", "  end;", "  TRef = class of THelper;", "procedure A;",
                            "begin", "end;"});
  ASSERT_EQ(s.ErrorCode, 0) << s.GetErrorMessage();
  EXPECT_THAT(Kinds(s), ElementsAre("procedure", "begin", "end"));
}

TEST_F(KeywordListTest, AClassMethodDeclaredAfterAnOrdinaryOneLeavesItBehind) {
  TSourceScanner& s = Scan({"type", "  THelper = class", "    procedure Go;", "    class function Make: THelper;",
                            "  end;", "procedure A;", "begin", "end;"});
  EXPECT_EQ(s.ErrorCode, 101);
  EXPECT_EQ(s.ErrorTitle, "Error in Routine at line 11");
  EXPECT_EQ(s.ErrorText, ">>> procedure Go; <<<\r\nNo Begin Found.");
}

TEST_F(KeywordListTest, ANestedRecordTypeLeavesAnUnexpectedEnd) {
  TSourceScanner& s = Scan({"type", "  TOuter = record", "    Inner: record", "      a: Integer;", "    end;",
                            "  end;", "procedure A;", "begin", "end;"});
  EXPECT_EQ(s.ErrorCode, 52);
  EXPECT_EQ(s.GetErrorMessage(), "Error 52: Error in Keywords at line 14\r\nUnexpected end");
  EXPECT_FALSE(s.Keywords.empty());  // kept for display
}

TEST_F(KeywordListTest, ForwardAndExternalDeclarationsLeaveNoKeyword) {
  TSourceScanner& s = Scan({"procedure Later; forward;", "function Outside(a: Integer): Integer; external 'lib';",
                            "procedure Later;", "begin", "end;"});
  ASSERT_EQ(s.ErrorCode, 0) << s.GetErrorMessage();
  EXPECT_THAT(Kinds(s), ElementsAre("procedure", "begin", "end"));
}

TEST_F(KeywordListTest, AForwardConstructorRecordsError120AndAbortsSilently) {
  RecordingLog log;
  TSourceScanner& s = Load(Crlf({"unit Unit1;", "interface", "implementation", "constructor TA.Create; forward;",
                                 "procedure A;", "begin", "end;", "end."}));
  EXPECT_THROW(s.FillKeyWordsList(), EAbort);
  EXPECT_EQ(s.ErrorCode, 120);
  EXPECT_EQ(s.GetErrorMessage(), "Error 120: Error in Routines.\r\nInvalid External or Forward Clause.");
  EXPECT_TRUE(s.Routines.empty());
  EXPECT_EQ(log.lines.back(), "");  // the progress line was cleared
}

TEST_F(KeywordListTest, ExceptAndFinallyHaveTheLevelOfTheirTry) {
  TSourceScanner& s = Scan({"procedure A;", "begin", "  try", "    x;", "  except", "    try", "    finally",
                            "    end;", "  end;", "end;"});
  ASSERT_EQ(s.ErrorCode, 0);
  EXPECT_THAT(Kinds(s), ElementsAre("procedure", "begin", "try", "except", "try", "finally", "end", "end", "end"));
  EXPECT_THAT(Levels(s), ElementsAre(1, 1, 2, 2, 3, 3, 3, 2, 1));
  EXPECT_EQ(static_cast<const TExceptClauseInfo&>(*s.Keywords[3]).kiEnd, s.Keywords[7].get());
  EXPECT_EQ(static_cast<const TExceptClauseInfo&>(*s.Keywords[5]).kiEnd, s.Keywords[6].get());
}

TEST_F(KeywordListTest, AFlatTryExceptGivesTheLevelsOfThePart) {
  TSourceScanner& s = Scan({"procedure A;", "begin", "  try", "  except", "  end;", "end;"});
  EXPECT_THAT(Levels(s), ElementsAre(1, 1, 2, 2, 2, 1));
}

TEST_F(KeywordListTest, ANestedRoutineIsOneLevelDeeperAndKeepsItsOwnLinks) {
  TSourceScanner& s = Scan({"procedure Outer;", "  function Inner: Integer;", "  begin", "    Result := 1;",
                            "  end;", "begin", "  Inner;", "end;"});
  ASSERT_EQ(s.ErrorCode, 0);
  EXPECT_THAT(Levels(s), ElementsAre(1, 2, 2, 2, 1, 1));
  ASSERT_EQ(s.Routines.size(), 2u);
  EXPECT_EQ(s.Routines[0]->kiBegin, s.Keywords[4].get());
  EXPECT_EQ(s.Routines[0]->kiEnd, s.Keywords[5].get());
  EXPECT_EQ(s.Routines[1]->kiBegin, s.Keywords[2].get());
  EXPECT_EQ(s.Routines[1]->Name, "Inner");
}

TEST_F(KeywordListTest, AProceduralTypeLeavesARoutineWithoutBegin) {
  TSourceScanner& s = Scan({"type", "  TCallback = procedure(Sender: TObject);", "procedure A;", "begin", "end;"});
  EXPECT_EQ(s.ErrorCode, 101);
  EXPECT_EQ(s.ErrorTitle, "Error in Routine at line 10");
  EXPECT_EQ(s.ErrorText, ">>> procedure(Sender: TObject); <<<\r\nNo Begin Found.");
}

TEST_F(KeywordListTest, AnEndWithoutOpenerIsUnexpected) {
  TSourceScanner& s = Scan({"procedure A;", "begin", "end;", "end;"});
  EXPECT_EQ(s.ErrorCode, 52);
  EXPECT_EQ(s.ErrorTitle, "Error in Keywords at line 12");
}

TEST_F(KeywordListTest, ARoutineWithoutItsEndGetsError102) {
  TSourceScanner& s = Scan({"procedure A;", "begin", "  x;"});
  EXPECT_EQ(s.ErrorCode, 102);
  EXPECT_EQ(s.ErrorText, ">>> procedure A; <<<\r\nNo End Found.");
}

TEST_F(KeywordListTest, AnEndBeforeTheBeginGetsError104) {
  // The case closes A's level; a begin of A's level comes only later.
  TSourceScanner& s = Scan({"procedure A;", "case", "end;", "begin", "begin", "end;", "end;"});
  EXPECT_EQ(s.ErrorCode, 104);
  EXPECT_EQ(s.ErrorTitle, "Error in Routine at line 9");
  EXPECT_EQ(s.ErrorText, ">>> procedure A; <<<\r\nInvalid End.");
}

TEST_F(KeywordListTest, AHeadingWithoutABeginBeforeTheNextRoutineHasNoBody) {
  // A's begin is in an include file; the case closes A's level before B.
  // A is not given B's begin: it has none, and the unit is sound.
  TSourceScanner& s = Scan({"procedure A;", "{$I ABegin.inc}", "case", "end;", "procedure B;", "begin", "end;"});
  EXPECT_EQ(s.ErrorCode, 0) << s.GetErrorMessage();
  ASSERT_EQ(s.Routines.size(), 2u);
  EXPECT_EQ(s.Routines[0]->kiBegin, nullptr);
  EXPECT_EQ(s.Routines[0]->kiEnd, nullptr);
  EXPECT_EQ(s.Routines[0]->CodeState, 1);
  EXPECT_EQ(s.Routines[1]->kiBegin->Position, Pos(s, "begin\r\nend;"));
}

TEST_F(KeywordListTest, AnExceptWithoutEndGetsError151) {
  TSourceScanner& s = Scan({"begin", "  try", "  except"});
  EXPECT_EQ(s.ErrorCode, 151);
  EXPECT_EQ(s.GetErrorMessage(), "Error 151: Error in Except Clause at line 11\r\nexcept: No End Found.");
}

TEST_F(KeywordListTest, AnUnreadableUsesClauseGetsError3AndNoCodeStates) {
  TSourceScanner& s = Load(Crlf({"unit Unit1;", "interface", "implementation", "uses Classes,", "  Lumbrick in",
                                 "procedure A;", "begin", "end;", "end."}));
  s.FillKeyWordsList();
  EXPECT_EQ(s.ErrorCode, 3);
  ASSERT_EQ(s.Routines.size(), 1u);
  EXPECT_EQ(s.Routines[0]->CodeState, 2);  // not rated
}

TEST_F(KeywordListTest, TheFirstErrorFoundStays) {
  TSourceScanner& s = Scan({"end;", "procedure A;", "procedure B;", "begin"});
  EXPECT_EQ(s.ErrorCode, 52);
}

TEST_F(KeywordListTest, ASoundScanRatesEveryRoutine) {
  TSourceScanner& s = Scan({"procedure A;", "begin", "  {Corvane.IgnoreRoutine}", "end;", "procedure B;", "begin",
                            "end;"});
  ASSERT_EQ(s.ErrorCode, 0);
  EXPECT_EQ(s.Routines[0]->CodeState, 4);
  EXPECT_EQ(s.Routines[0]->State, 4);
  EXPECT_EQ(s.Routines[1]->CodeState, 1);
  EXPECT_EQ(s.Routines[1]->State, -1);
}

TEST_F(KeywordListTest, GetKeywordsListCountsAHitAtStartAndSortsByPosition) {
  TSourceScanner& s = Load(Crlf({"unit Unit1;", "implementation", "begin end;", "end."}));
  const int begin = Pos(s, "begin");
  const int kinds[] = {kwEnd, kwBegin};
  const auto list = s.GetKeywordsList(kinds, begin);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0]->Position, begin);
  EXPECT_EQ(list[0]->Keyword, kwBegin);
  EXPECT_EQ(list[1]->Keyword, kwEnd);
  EXPECT_TRUE(s.GetKeywordsList(kinds, begin + 1).size() == 1u);
}

TEST_F(KeywordListTest, TheDebugListingIndentsByLevelAndSeparatesOutermostRoutines) {
  TSourceScanner& s = Scan({"procedure A;", "  procedure B;", "  begin", "  end;", "begin", "  try", "  except",
                            "  end;", "end;", "function C: Integer;", "begin", "end;"});
  ASSERT_EQ(s.ErrorCode, 0);
  const std::string expected =
      "procedure A (" + std::to_string(Pos(s, "procedure A")) + ") {State=-1 CodeState=1 Begin=" +
      std::to_string(s.Routines[0]->kiBegin->Position) + " End=" + std::to_string(s.Routines[0]->kiEnd->Position) +
      "}\r\n    procedure B (" + std::to_string(Pos(s, "procedure B")) + ") {State=-1 CodeState=1 Begin=" +
      std::to_string(s.Routines[1]->kiBegin->Position) + " End=" + std::to_string(s.Routines[1]->kiEnd->Position) +
      "}\r\n    begin  (" + std::to_string(s.Keywords[2]->Position) + ", 11)\r\n    end  (" +
      std::to_string(s.Keywords[3]->Position) + ", 15)\r\nbegin  (" + std::to_string(s.Keywords[4]->Position) +
      ", 11)\r\n    try  (" + std::to_string(s.Keywords[5]->Position) + ", 13)\r\n    except (" +
      std::to_string(s.Keywords[6]->Position) + ") {CodeState=0 End=" + std::to_string(s.Keywords[7]->Position) +
      "}\r\n    end  (" + std::to_string(s.Keywords[7]->Position) + ", 15)\r\nend  (" +
      std::to_string(s.Keywords[8]->Position) + ", 15)\r\n\r\nfunction C: Integer (" + std::to_string(Pos(s, "function C")) +
      ") {State=-1 CodeState=1 Begin=" + std::to_string(s.Keywords[10]->Position) +
      " End=" + std::to_string(s.Keywords[11]->Position) + "}\r\nbegin  (" + std::to_string(s.Keywords[10]->Position) +
      ", 11)\r\nend  (" + std::to_string(s.Keywords[11]->Position) + ", 15)";
  EXPECT_EQ(s.DebugGetKeyWordsText(), expected);
}

TEST_F(KeywordListTest, ProgressTextsComeInTheOrderOfTheSteps) {
  RecordingLog log;
  TSourceScanner& s = Scan({"procedure A;", "begin", "end;"});
  ASSERT_EQ(s.ErrorCode, 0);
  EXPECT_THAT(log.lines,
              ElementsAreArray({"Searching Keywords...", "Cleaning Keywords...", "Keyword 1 / 3 (1)", "Keyword 2 / 3 (1)",
                                "Keyword 3 / 3 (1)", "Keyword 1 / 3 (2)", "Keyword 2 / 3 (2)", "Keyword 3 / 3 (2)",
                                "Keyword 1 / 3 (3)", "Keyword 2 / 3 (3)", "Keyword 3 / 3 (3)", "Updating Routine List",
                                "Checking Routine List", "Checking Keyword 1 / 3", "Checking Keyword 2 / 3",
                                "Checking Keyword 3 / 3", "Checking Interface Uses Clause",
                                "Checking Implementation Uses Clause", "", ""}));
}

TEST_F(KeywordListTest, ACancelEndsTheScanSilentlyAndLeavesNoFreedRoutine) {
  RecordingLog log;
  log.CancelAt = "Keyword 2 / 3 (2)";
  TSourceScanner& s = Load(Crlf({"unit Unit1;", "interface", "implementation", "procedure A;", "begin", "end;", "end."}));
  EXPECT_THROW(s.FillKeyWordsList(), EAbort);
  EXPECT_EQ(s.ErrorCode, 0);
  EXPECT_EQ(s.Keywords.size(), 3u);
  EXPECT_TRUE(s.Routines.empty());

  // Cancelled in the structure check itself, with the routine list built.
  RecordingLog second;
  second.CancelAt = "Checking Keyword 1 / 3";
  EXPECT_THROW(s.FillKeyWordsList(), EAbort);
  ASSERT_EQ(s.Routines.size(), 1u);
  EXPECT_EQ(s.Routines[0], s.Keywords[0].get());
}

TEST_F(KeywordListTest, TheErrorTextsAreTranslatedPieceByPiece) {
  dir.Write("Dialogs.ini", "[Text]\r\n1=Error in Routine at line\r\n2=No End Found.\r\n3=Error\r\n");
  dir.Write("DialogsFr.ini", "[Text]\r\n0001=Erreur de routine ligne\r\n0002=Fin introuvable.\r\n0003=Erreur\r\n");
  TTextTranslator translator(dir.Path());
  TextTranslator = &translator;
  Language = 2;
  TSourceScanner& s = Scan({"procedure A;", "begin"});
  TextTranslator = nullptr;
  EXPECT_EQ(s.ErrorCode, 102);
  // The heading, the marks around it and the line number stay as they are.
  EXPECT_EQ(s.ErrorTitle, "Erreur de routine ligne 9");
  EXPECT_EQ(s.ErrorText, ">>> procedure A; <<<\r\nFin introuvable.");
}

// Constructs that compile and yet make the scan refuse the whole unit; the
// README lists them among what the assistant does not do.

// The scan knows no operator routine: the bodies of the class operators are
// begin ... end pairs of no routine, and the second one after a method
// falls below the unit's level.
TEST_F(KeywordListTest, TwoClassOperatorsAfterAMethodAreAnUnexpectedBegin) {
  TSourceScanner& s = Load(Crlf({"unit Unit1;", "interface", "type", "  TVec = record", "    X: Integer;",
                                 "    function Len: Integer;", "    class operator Add(const A, B: TVec): TVec;",
                                 "    class operator Equal(const A, B: TVec): Boolean;", "  end;", "implementation",
                                 "function TVec.Len: Integer;", "begin", "  Result := X;", "end;",
                                 "class operator TVec.Add(const A, B: TVec): TVec;", "begin", "  Result.X := A.X + B.X;",
                                 "end;", "class operator TVec.Equal(const A, B: TVec): Boolean;", "begin",
                                 "  Result := A.X = B.X;", "end;", "end."}));
  s.FillKeyWordsList();
  EXPECT_EQ(s.GetErrorMessage(), "Error 52: Error in Keywords at line 20\r\nUnexpected begin");
}

// The anonymous method's end closes the routine, whose own end is then one
// too many.
TEST_F(KeywordListTest, AnAnonymousMethodFollowedByACompoundStatementLeavesNoEnd) {
  TSourceScanner& s = Scan({"procedure Run;", "var", "  F: TProc;", "begin", "  F := procedure", "    begin",
                            "      WriteLn('a');", "    end;", "  begin", "    F;", "  end;", "end;"});
  EXPECT_EQ(s.GetErrorMessage(), "Error 102: Error in Routine at line 9\r\n>>> procedure Run; <<<\r\nNo End Found.");
}

// The directives are comments to the scan: both branches are read as one.
TEST_F(KeywordListTest, HeadingsInTwoBranchesLeaveOneWithoutBegin) {
  TSourceScanner& s = Scan({"{$IFDEF X}", "procedure Run(A: Integer);", "{$ELSE}", "procedure Run(A, B: Integer);",
                            "{$ENDIF}", "begin", "  WriteLn('run');", "end;"});
  EXPECT_EQ(s.GetErrorMessage(),
            "Error 101: Error in Routine at line 10\r\n>>> procedure Run(A: Integer); <<<\r\nNo Begin Found.");
}

TEST_F(KeywordListTest, BeginsInTwoBranchesLeaveTheRoutineWithoutEnd) {
  TSourceScanner& s = Scan({"procedure Run;", "{$IFDEF X}", "begin", "  WriteLn('x');", "{$ELSE}", "begin",
                            "  WriteLn('y');", "{$ENDIF}", "end;"});
  EXPECT_EQ(s.GetErrorMessage(), "Error 102: Error in Routine at line 9\r\n>>> procedure Run; <<<\r\nNo End Found.");
}

}  // namespace
