// Uses clauses: locating and listing them, and adding the library's unit.
#include <gmock/gmock.h>

#include "FreshScan.h"
#include "RefusalReasons.h"
#include "ScanActions.h"
#include "ScanTestSupport.h"
#include "ScannerFixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class UsesTest : public ScannerTest {
 protected:
  std::vector<std::string> List(const std::string& text, int which) { return Load(text).GetUsesClauseSources(which); }
  // Every keyword still stands on its own text after an edit.
  static void ExpectKeywordsInPlace(const TSourceScanner& s) {
    for (const auto& k : s.Keywords)
      EXPECT_TRUE(SameTextAt(s.Text, k->Position, k->GetKeyword())) << k->GetKeyword() << " at " << k->Position;
  }
  static bool SameTextAt(const std::string& text, int p, const std::string& word) {
    if (p < 1 || p - 1 + word.size() > text.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
      if (std::tolower(static_cast<unsigned char>(text[p - 1 + i])) != word[i]) return false;
    return true;
  }
  // The status string an edit keeps equals the one a fresh load builds.
  void ExpectStatusAsFreshLoad(const TSourceScanner& s) {
    TSourceScanner fresh(dir.Write("Fresh.pas", s.Text));
    ASSERT_TRUE(fresh.LoadSourceFile());
    EXPECT_EQ(s.TextStatus, fresh.TextStatus);
  }
};

const char* const UnitWithBoth =
    "unit U;\r\ninterface\r\nuses A, B in 'b.pas' {comment}, C;\r\n"
    "implementation\r\nuses D;\r\nend.";

TEST_F(UsesTest, ListsPlainEntriesAndQuotedPaths) {
  EXPECT_THAT(List(UnitWithBoth, 1), ElementsAre("A", "b.pas", "C"));
  EXPECT_EQ(scanner->ErrorCode, 0);
  EXPECT_THAT(List(UnitWithBoth, 2), ElementsAre("D"));
  EXPECT_THAT(List(UnitWithBoth, 0), ElementsAre("A", "b.pas", "C"));
  EXPECT_THAT(List(UnitWithBoth, 7), ElementsAre("D"));
}

TEST_F(UsesTest, CommentsAndLineBreaksInsideEntries) {
  const std::string text = "unit U;\r\ninterface\r\nuses {first} Sys{x}Utils (* why *),\r\n  Foo\r\n  Bar, // last\r\n  Classes;\r\nimplementation\r\nend.";
  EXPECT_THAT(List(text, 1), ElementsAre("Sys Utils", "Foo Bar", "Classes"));
}

TEST_F(UsesTest, ProjectClauseWithPathsAsWritten) {
  const std::string text =
      "program P;\r\n\r\nuses\r\n  Forms,\r\n  Unit1 in '..\\src\\Unit1.pas' {Form1},\r\n  Unit2 in 'Unit2.pas';\r\n\r\n"
      "{$R *.res}\r\n\r\nbegin\r\nend.";
  EXPECT_THAT(List(text, 0), ElementsAre("Forms", "..\\src\\Unit1.pas", "Unit2.pas"));
}

TEST_F(UsesTest, EmptyClauseGivesOneEmptyEntry) {
  EXPECT_THAT(List("unit U;\r\ninterface\r\nuses ;\r\nimplementation\r\nend.", 1), ElementsAre(""));
  EXPECT_EQ(scanner->ErrorCode, 0);
}

TEST_F(UsesTest, WithoutInterfaceClauseBothSelectorsGiveTheImplementationClause) {
  const std::string text = "unit U;\r\ninterface\r\nimplementation\r\nuses Windows, Lumbrick;\r\nend.";
  EXPECT_THAT(List(text, 1), ElementsAre("Windows", "Lumbrick"));
  EXPECT_THAT(List(text, 2), ElementsAre("Windows", "Lumbrick"));
}

TEST_F(UsesTest, NoClause) {
  EXPECT_THAT(List("unit U;\r\ninterface\r\nimplementation\r\nend.", 1), IsEmpty());
  EXPECT_THAT(List("unit U;\r\ninterface\r\nuses A;\r\nend.", 2), IsEmpty());  // no implementation
  EXPECT_EQ(scanner->ErrorCode, 0);
}

TEST_F(UsesTest, ClauseWithoutSemicolonIsError3) {
  EXPECT_THAT(List("unit U\r\ninterface\r\nuses A, B\r\n", 1), IsEmpty());
  EXPECT_EQ(scanner->ErrorCode, 3);
  EXPECT_EQ(scanner->ErrorTitle, "Error in Unit Structure.");
  EXPECT_EQ(scanner->ErrorText, "Invalid Uses Clause.");
}

TEST_F(UsesTest, PathWithoutQuotesIsError3AndEndsTheList) {
  EXPECT_THAT(List("unit U;\r\ninterface\r\nuses A, B in C, D;\r\nimplementation\r\nend.", 1), ElementsAre("A"));
  EXPECT_EQ(scanner->ErrorCode, 3);
  // Quotes beyond the entry's comma do not count.
  EXPECT_THAT(List("unit U;\r\ninterface\r\nuses A in B, C 'x';\r\nimplementation\r\nend.", 1), IsEmpty());
  EXPECT_EQ(scanner->ErrorCode, 3);
  // A comma inside the quoted path is no separator.
  EXPECT_THAT(List("unit U;\r\ninterface\r\nuses A in 'a, b.pas', B;\r\nimplementation\r\nend.", 1),
              ElementsAre("a, b.pas", "B"));
  EXPECT_EQ(scanner->ErrorCode, 0);
}

TEST_F(UsesTest, ListingClearsAnEarlierError) {
  TSourceScanner& s = Load("unit U;\r\ninterface\r\nuses A;\r\nimplementation\r\n");
  ASSERT_EQ(s.ErrorCode, 1);  // no final end
  EXPECT_THAT(s.GetUsesClauseSources(1), ElementsAre("A"));
  EXPECT_EQ(s.ErrorCode, 0);
}

TEST_F(UsesTest, GetUsesClauseLeavesTheEndAloneWhenNoClause) {
  TSourceScanner& s = Load("unit U;\r\ninterface\r\nuses A;\r\nimplementation\r\nend.");
  int usesPos = 0;
  int endPos = 99;
  s.GetUsesClause(2, usesPos, endPos);
  EXPECT_EQ(usesPos, -1);
  EXPECT_EQ(endPos, 99);
  s.GetUsesClause(1, usesPos, endPos);
  EXPECT_EQ(usesPos, Pos(s, "uses"));
  EXPECT_EQ(endPos, Pos(s, ";", 2));
}

TEST_F(UsesTest, LibraryUnitInUse) {
  const auto inUse = [this](const std::string& text, const std::string& name = "Unit1.pas") {
    return Load(text, name).IsQuellumUnitInUse();
  };
  const std::string head = "unit U;\r\ninterface\r\n";
  EXPECT_TRUE(inUse(head + "implementation\r\nuses Windows, LUMBRICK, Forms;\r\nend."));
  EXPECT_TRUE(inUse(head + "implementation\r\nuses Windows, lumbrick;\r\nend."));
  EXPECT_TRUE(inUse(head + "uses Lumbrick;\r\nimplementation\r\nend."));
  EXPECT_TRUE(inUse(head + "implementation\r\nuses Windows,Lumbrick;\r\nend."));  // right after a comma
  EXPECT_TRUE(inUse(head + "implementation\r\nend.", "Lumbrick.pas"));          // the library's own unit
  EXPECT_TRUE(inUse(head + "implementation\r\nend.", "LUMBRICK.Old.pas"));
  EXPECT_FALSE(inUse(head + "implementation\r\nuses LumbrickX, XLumbrick;\r\nend."));
  EXPECT_FALSE(inUse(head + "implementation\r\nuses Windows {Lumbrick};\r\nend."));
  EXPECT_FALSE(inUse(head + "implementation\r\nuses Windows;\r\nvar Lumbrick: Integer;\r\nend."));
  EXPECT_FALSE(inUse(head + "implementation\r\nend.", "Lumbricks.pas"));
}

TEST_F(UsesTest, AddsToTheImplementationClause) {
  TSourceScanner& s = Load("unit U;\r\ninterface\r\nuses Classes;\r\nimplementation\r\n\r\nuses SysUtils;\r\n\r\n"
                           "procedure P;\r\nbegin\r\nend;\r\n\r\nend.");
  AddRoutine(s, Pos(s, "procedure"), Pos(s, "begin"), Pos(s, "end;"));
  const int before = s.Keywords[0]->Position;
  s.AddQuellumUnitInUse();
  EXPECT_EQ(s.Text, "unit U;\r\ninterface\r\nuses Classes;\r\nimplementation\r\n\r\nuses SysUtils, Lumbrick;\r\n\r\n"
                    "procedure P;\r\nbegin\r\nend;\r\n\r\nend.");
  EXPECT_EQ(s.FileState, 1);
  EXPECT_EQ(s.Keywords[0]->Position, before + 10);
  ExpectKeywordsInPlace(s);
  ExpectStatusAsFreshLoad(s);
}

TEST_F(UsesTest, AddsANewClauseAfterTheImplementationLine) {
  TSourceScanner& s = Load("unit U;\r\ninterface\r\nuses Classes;\r\nimplementation // here\r\n"
                           "procedure P;\r\nbegin\r\nend;\r\n\r\nend.");
  AddRoutine(s, Pos(s, "procedure"), Pos(s, "begin"), Pos(s, "end;"));
  s.AddQuellumUnitInUse();
  EXPECT_EQ(s.Text, "unit U;\r\ninterface\r\nuses Classes;\r\nimplementation // here\r\n\r\nUses Lumbrick;\r\n"
                    "procedure P;\r\nbegin\r\nend;\r\n\r\nend.");
  EXPECT_EQ(s.TextStatus.size(), s.Text.size());
  EXPECT_EQ(s.FileState, 1);
  ExpectKeywordsInPlace(s);
  ExpectStatusAsFreshLoad(s);
}

TEST_F(UsesTest, TheImplementationClauseIsLookedAtBesideTheInterfaceOne) {
  const std::string text = "unit U;\r\ninterface\r\nuses Windows;\r\nimplementation\r\nuses Forms, Lumbrick;\r\nend.";
  TSourceScanner& s = Load(text);
  EXPECT_TRUE(s.IsQuellumUnitInUse());
  s.AddQuellumUnitInUse();
  EXPECT_EQ(s.Text, text);
  EXPECT_EQ(s.FileState, 0);
}

TEST_F(UsesTest, ANewClauseGoesPastACommentThatRunsOnFromTheImplementationLine) {
  TSourceScanner& s = Load("unit U;\r\ninterface\r\nimplementation { notes\r\n  more notes\r\n\r\n  end of notes }\r\n"
                           "\r\nprocedure P;\r\nbegin\r\nend;\r\n\r\nend.");
  AddRoutine(s, Pos(s, "procedure"), Pos(s, "begin"), Pos(s, "end;"));
  s.AddQuellumUnitInUse();
  EXPECT_EQ(s.Text, "unit U;\r\ninterface\r\nimplementation { notes\r\n  more notes\r\n\r\n  end of notes }\r\n"
                    "\r\nUses Lumbrick;\r\n\r\nprocedure P;\r\nbegin\r\nend;\r\n\r\nend.");
  ExpectKeywordsInPlace(s);
  ExpectStatusAsFreshLoad(s);
}

TEST_F(UsesTest, ANewClauseGoesRightAfterTheKeywordWhenCodeFollowsItFirst) {
  // The clause must open the section: not after the constant.
  for (const std::string rest : {" const X = 1;\r\n", " (* a comment *) const X = 1;\r\n",
                                 " { a comment\r\n  ending here } const X = 1;\r\n"}) {
    TSourceScanner& s = Load("unit U;\r\ninterface\r\nimplementation" + rest + "procedure P;\r\nbegin\r\nend;\r\nend.");
    AddRoutine(s, Pos(s, "procedure"), Pos(s, "begin"), Pos(s, "end;"));
    s.AddQuellumUnitInUse();
    EXPECT_EQ(s.Text, "unit U;\r\ninterface\r\nimplementation\r\nUses Lumbrick;\r\n" + rest +
                          "procedure P;\r\nbegin\r\nend;\r\nend.");
    ExpectKeywordsInPlace(s);
    ExpectStatusAsFreshLoad(s);
  }
}

TEST_F(UsesTest, ASecondAdditionChangesNothing) {
  TSourceScanner& s = Load("unit U;\r\ninterface\r\nimplementation\r\nprocedure P;\r\nbegin\r\nend;\r\nend.");
  s.AddQuellumUnitInUse();
  const std::string once = s.Text;
  s.FileState = 0;
  s.AddQuellumUnitInUse();
  EXPECT_EQ(s.Text, once);
  EXPECT_EQ(s.FileState, 0);
}

TEST_F(UsesTest, NothingIsAddedToTheLibrarysOwnUnitOrAUnitUsingIt) {
  const std::string text = "unit Lumbrick;\r\ninterface\r\nimplementation\r\nend.";
  TSourceScanner& s = Load(text, "Lumbrick.pas");
  s.AddQuellumUnitInUse();
  EXPECT_EQ(s.Text, text);
  EXPECT_EQ(s.FileState, 0);
  const std::string other = "unit U;\r\ninterface\r\nuses lumbrick;\r\nimplementation\r\nend.";
  TSourceScanner& t = Load(other);
  t.AddQuellumUnitInUse();
  EXPECT_EQ(t.Text, other);
}

TEST_F(UsesTest, NothingIsAddedWithoutAnImplementationSection) {
  const std::string text = "unit U;\r\ninterface\r\nend.";
  TSourceScanner& s = Load(text);
  s.AddQuellumUnitInUse();
  EXPECT_EQ(s.Text, text);
  EXPECT_EQ(s.FileState, 0);
}

// Each branch holding its own routines: the clause for the configurations
// without one goes far past the first routine, which the scan edits first.
TEST_F(UsesTest, EachBranchWithItsOwnRoutinesGetsTheUnit) {
  const TScanActions saved = ScanActions;
  ScanActions = {0, 0, 3};
  TSourceScanner& s = Load(Crlf({"unit Unit1;", "interface", "implementation", "{$IFDEF X}", "uses SysUtils;",
                                 "procedure A;", "begin", "  x;", "end;", "{$ELSE}", "procedure A;", "begin", "  y;",
                                 "end;", "{$ENDIF}", "end."}));
  s.FillKeyWordsList();
  s.ScanRoutines();
  ScanActions = saved;
  EXPECT_EQ(s.Text, Crlf({"unit Unit1;", "interface", "implementation", "{$IFDEF X}", "uses SysUtils, Lumbrick;",
                          "procedure A;", "begin", "  Try", "    x;",
                          "  Except VIX.Push('Unit1.pas : Procedure A'); Raise; End;", "end;", "{$ELSE}",
                          "{$IF NOT DECLARED(TLumbrick)}", "Uses Lumbrick;", "{$IFEND}", "procedure A;", "begin",
                          "  Try", "    y;", "  Except VIX.Push('Unit1.pas : Procedure A'); Raise; End;", "end;",
                          "{$ENDIF}", "end."}));
  EXPECT_EQ(CompareWithFreshScan(s), "");
}

// Secured again, after a routine was added: the guard written the first time
// serves, and the new block is the only change.
TEST_F(UsesTest, AUnitThatHoldsTheGuardGetsNoSecondOne) {
  const TScanActions saved = ScanActions;
  ScanActions = {0, 0, 3};
  const auto text = [](std::string_view Body) {
    return Crlf({"unit Unit1;", "interface", "implementation", "{$IFDEF X}", "uses SysUtils, Lumbrick;", "{$ENDIF}",
                 "{$IF NOT DECLARED(TLumbrick)}", "Uses Lumbrick;", "{$IFEND}", "", "procedure A;", "begin", Body,
                 "end;", "end."});
  };
  TSourceScanner& s = Load(text("  x;"));
  s.FillKeyWordsList();
  s.ScanRoutines();
  ScanActions = saved;
  EXPECT_EQ(s.Text, text("  Try\r\n    x;\r\n  Except VIX.Push('Unit1.pas : Procedure A'); Raise; End;"));
}

// Once every configuration has read a clause, a later block without
// {$ELSE} leaves a configuration without clause nowhere.
TEST_F(UsesTest, ADirectiveBlockWithoutElseAfterTheClausesAddsNoGuard) {
  const TScanActions saved = ScanActions;
  ScanActions = {0, 0, 3};
  const auto text = [](std::string_view Clause1, std::string_view Clause2, std::string_view Body) {
    return Crlf({"unit Unit1;", "interface", "implementation", "{$IFDEF X}", Clause1, "{$ELSE}", Clause2, "{$ENDIF}",
                 "{$IFDEF DEBUG}", "const", "  Trace = True;", "{$ENDIF}", "", "procedure A;", "begin", Body, "end;",
                 "end."});
  };
  TSourceScanner& s = Load(text("uses SysUtils;", "uses Classes;", "  x;"));
  s.FillKeyWordsList();
  s.ScanRoutines();
  ScanActions = saved;
  EXPECT_EQ(s.Text, text("uses SysUtils, Lumbrick;", "uses Classes, Lumbrick;",
                         "  Try\r\n    x;\r\n  Except VIX.Push('Unit1.pas : Procedure A'); Raise; End;"));
}

// What the file held at the last read decides where the library unit goes:
// its clauses changed on disk, under conditions now, they are looked at
// again.
TEST_F(UsesTest, AUnitReadAgainAfterItsClausesChangedIsPlannedAfresh) {
  const TScanActions saved = ScanActions;
  ScanActions = {0, 0, 3};
  const auto text = [](std::string_view Head, std::string_view Body) {
    return "unit Unit1;\r\ninterface\r\nimplementation\r\n" + std::string(Head) + "procedure A;\r\nbegin\r\n" +
           std::string(Body) + "\r\nend;\r\nend.\r\n";
  };
  const std::string block = "  Try\r\n    x;\r\n  Except VIX.Push('Unit1.pas : Procedure A'); Raise; End;";
  TSourceScanner& s = Load(text("uses SysUtils;\r\n", "  x;"));
  s.FillKeyWordsList();
  s.ScanRoutines();
  ASSERT_EQ(s.Text, text("uses SysUtils, Lumbrick;\r\n", block));
  dir.Write("Unit1.pas", text("{$IFDEF X}\r\nuses SysUtils;\r\n{$ELSE}\r\nuses Classes;\r\n{$ENDIF}\r\n", "  x;"));
  ASSERT_TRUE(s.LoadSourceFile());
  s.FillKeyWordsList();
  s.ScanRoutines();
  ScanActions = saved;
  EXPECT_EQ(s.Text, text("{$IFDEF X}\r\nuses SysUtils, Lumbrick;\r\n{$ELSE}\r\nuses Classes, Lumbrick;\r\n{$ENDIF}\r\n", block));
  EXPECT_EQ(CompareWithFreshScan(s), "");
}

// Where the directives leave no safe place for the library unit, no block is
// written: every routine says why, by the routine scan and by a button, and
// the text stays as it was.
TEST_F(UsesTest, ConditionalShapesWithoutASafePlaceRefuseTheUnitsBlocks) {
  const TScanActions saved = ScanActions;
  ScanActions = {0, 0, 3};
  for (const std::string head : {
           // Named under a condition: added, it would be named twice there.
           "interface\r\nimplementation\r\nuses SysUtils{$IFDEF X}, Lumbrick{$ENDIF};\r\n",
           "interface\r\n{$IFDEF X}\r\nuses Lumbrick;\r\n{$ENDIF}\r\nimplementation\r\nuses SysUtils;\r\n",
           // The clause's ";" under another condition than its "uses".
           "interface\r\nimplementation\r\nuses SysUtils{$IFDEF X}, Classes;{$ELSE};{$ENDIF}\r\n",
       }) {
    const std::string text = "unit Unit1;\r\n" + head + "procedure P;\r\nbegin\r\n  x;\r\nend;\r\nend.";
    TSourceScanner& s = Load(text);
    s.FillKeyWordsList();
    ASSERT_EQ(s.ErrorCode, 0) << head;
    s.ScanRoutines();
    ASSERT_EQ(s.RefusedEdits.size(), 1u) << head;
    EXPECT_EQ(s.RefusedEdits[0].Reason, RefusedConditionalUses);
    EXPECT_EQ(s.AddCode(0, 1), 0);
    EXPECT_EQ(s.LastRefusal, RefusedConditionalUses);
    EXPECT_EQ(s.Text, text);
    EXPECT_EQ(s.FileState, 0);
  }
  ScanActions = saved;
}

}  // namespace
