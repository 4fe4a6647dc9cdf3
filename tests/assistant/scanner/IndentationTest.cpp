// Indentation: tabulation and margin measured in sources indented with blanks
// and with TABs; lines shifted by one unit and back; empty lines removed.
#include "ScannerFixture.h"

namespace {

class IndentTest : public ScannerTest {
 protected:
  // A routine from its keyword's text on: the first "begin" and "end;" after.
  TRoutineInfo& Routine(TSourceScanner& s, const std::string& keyword, int occurrence = 1) {
    const int p = Pos(s, keyword, occurrence);
    const int b = static_cast<int>(s.Text.find("begin", p - 1)) + 1;
    const int e = static_cast<int>(s.Text.find("end;", b - 1)) + 1;
    return AddRoutine(s, p, b, e);
  }
  static void ExpectStatusInStep(const TSourceScanner& s) {
    EXPECT_EQ(s.TextStatus, s.ConvertIntoTextStatus(s.Text));
  }
};

TEST_F(IndentTest, TabulationOfBlanksAndOfTabs) {
  TSourceScanner& s = Load("procedure P;\r\nbegin\r\n  A;\r\n  B;\r\nend;\r\n");
  const TRoutineInfo& p = Routine(s, "procedure");
  EXPECT_EQ(s.GetRoutineTabulation(&p), "  ");
  EXPECT_EQ(s.GetRoutineMargin(&p), "");
  TSourceScanner& t = Load("procedure P;\r\nbegin\r\n\tA;\r\nend;\r\n");
  EXPECT_EQ(t.GetRoutineTabulation(&Routine(t, "procedure")), "\t");
}

TEST_F(IndentTest, TabulationSkipsEmptyLinesAndComments) {
  TSourceScanner& s = Load("procedure P;\r\nbegin // start\r\n\r\n   {only a comment}\r\n  {c}\t X;\r\nend;\r\n");
  // Blanks inside comments are skipped; those around a comment count.
  EXPECT_EQ(s.GetRoutineTabulation(&Routine(s, "procedure")), "  \t ");
}

TEST_F(IndentTest, NestedRoutineTakesTheOutermostRoutinesTabulation) {
  TSourceScanner& s = Load(
      "procedure Outer;\r\n"
      "  procedure Inner;\r\n"
      "  begin\r\n"
      "      X;\r\n"
      "  end;\r\n"
      "begin\r\n"
      "   Y;\r\n"
      "end;\r\n");
  TRoutineInfo& outer = AddRoutine(s, Pos(s, "procedure"), Pos(s, "begin", 2), Pos(s, "end;", 2));
  TRoutineInfo& inner = AddRoutine(s, Pos(s, "procedure", 2), Pos(s, "begin"), Pos(s, "end;"));
  EXPECT_EQ(s.GetLevel1Routine(&inner), &outer);
  EXPECT_EQ(s.GetLevel1Routine(&outer), &outer);
  EXPECT_EQ(s.GetRoutineTabulation(&inner), "   ");
  EXPECT_EQ(s.GetRoutineMargin(&inner), "  ");
  EXPECT_EQ(s.GetRoutineMargin(&outer), "");
}

TEST_F(IndentTest, MarginOfAnIndentedBegin) {
  TSourceScanner& s = Load("  procedure P;\r\n    begin\r\n      A;\r\n    end;\r\n");
  EXPECT_EQ(s.GetRoutineMargin(&Routine(s, "procedure")), "    ");
}

TEST_F(IndentTest, NoRoutineOrNoBeginOrBeginOnTheLastLine) {
  TSourceScanner& s = Load("procedure P;\r\n  begin");
  EXPECT_EQ(s.GetRoutineTabulation(nullptr), "");
  EXPECT_EQ(s.GetRoutineMargin(nullptr), "");
  TRoutineInfo& p = AddRoutine(s, 1, Pos(s, "begin"), 1);
  EXPECT_EQ(s.GetRoutineTabulation(&p), "");  // no line after the begin line
  EXPECT_EQ(s.GetRoutineMargin(&p), "  ");
  p.kiBegin = nullptr;
  EXPECT_EQ(s.GetRoutineTabulation(&p), "");
  EXPECT_EQ(s.GetRoutineMargin(&p), "");
}

const char* const Body =
    "begin\r\n"
    "  A;\r\n"
    "\r\n"
    "  {c}\r\n"
    "  B;\r\n"
    "end;";

// T goes right before each line's first code character: after the line's own
// indentation, and before the CR of an empty or comment-only line.
TEST_F(IndentTest, AddingShiftsEveryLineOfTheRangeTheLastIncluded) {
  TSourceScanner& s = Load(Body);
  s.AdaptBlockAddedTabulation(Pos(s, "A"), Pos(s, "B;") + 1, "\t");
  EXPECT_EQ(s.Text,
            "begin\r\n"
            "  \tA;\r\n"
            "\t\r\n"
            "  {c}\t\r\n"
            "  \tB;\r\n"
            "end;");
  ExpectStatusInStep(s);
}

TEST_F(IndentTest, AddingThreeBlanks) {
  TSourceScanner& s = Load(Body);
  s.AdaptBlockAddedTabulation(Pos(s, "\r\n") + 2, Pos(s, "B;"), "   ");
  EXPECT_EQ(s.Text,
            "begin\r\n"
            "     A;\r\n"
            "   \r\n"
            "  {c}   \r\n"
            "     B;\r\n"
            "end;");
  ExpectStatusInStep(s);
}

TEST_F(IndentTest, RangeBoundsAreClamped) {
  TSourceScanner& s = Load("a\r\nb");
  s.AdaptBlockAddedTabulation(-5, 1000, "  ");
  EXPECT_EQ(s.Text, "  a\r\n  b");
  ExpectStatusInStep(s);
  s.AdaptBlockAddedTabulation(5, 4, "  ");  // an empty range
  s.AdaptBlockAddedTabulation(1, 4, "");
  EXPECT_EQ(s.Text, "  a\r\n  b");
}

TEST_F(IndentTest, AddingThenRemovingRestoresTheText) {
  for (const std::string t : {"\t", "  ", "   "}) {
    TSourceScanner& s = Load(Body);
    const std::string status = s.TextStatus;
    s.AdaptBlockAddedTabulation(Pos(s, "A"), Pos(s, "B;"), t);
    s.AdaptBlockRemovedTabulation(Pos(s, "A"), Pos(s, "B;"), t);
    EXPECT_EQ(s.Text, Body);
    EXPECT_EQ(s.TextStatus, status);
  }
}

TEST_F(IndentTest, RemovingOnlyTakesTheExactUnitBeforeTheFirstCodeCharacter) {
  TSourceScanner& s = Load("\tA := 1;\r\n    B;\r\n C;\r\n  {x}D;\r\n");
  s.AdaptBlockRemovedTabulation(1, static_cast<int>(s.Text.size()), "  ");
  EXPECT_EQ(s.Text, "\tA := 1;\r\n  B;\r\n C;\r\n  {x}D;\r\n");
  ExpectStatusInStep(s);
}

TEST_F(IndentTest, IsLineEmpty) {
  // a1 CR2 LF3 _4 _5 _6 CR7 LF8 {9 c10 }11 CR12 LF13 b14
  TSourceScanner& s = Load("a\r\n   \r\n{c}\r\nb");
  int start = -7;
  int len = -7;
  EXPECT_TRUE(s.IsLineEmpty(5, start, len));
  EXPECT_EQ(start, 4);
  EXPECT_EQ(len, 5);  // with its CR LF
  EXPECT_TRUE(s.IsLineEmpty(7, start, len));
  EXPECT_TRUE(s.IsLineEmpty(8, start, len));
  EXPECT_EQ(start, 4);
  EXPECT_FALSE(s.IsLineEmpty(10, start, len));  // a comment is no blank
  EXPECT_FALSE(s.IsLineEmpty(1, start, len));
  start = len = -7;
  EXPECT_FALSE(s.IsLineEmpty(0, start, len));
  EXPECT_FALSE(s.IsLineEmpty(15, start, len));
  EXPECT_EQ(start, -7);
  EXPECT_EQ(len, -7);
}

TEST_F(IndentTest, RemoveLineIfEmpty) {
  TSourceScanner& s = Load("a\r\n \t \r\n\r\nb\r\n  ");
  s.RemoveLineIfEmpty(1);
  EXPECT_EQ(s.Text, "a\r\n \t \r\n\r\nb\r\n  ");
  s.RemoveLineIfEmpty(5);
  EXPECT_EQ(s.Text, "a\r\n\r\nb\r\n  ");
  s.RemoveLineIfEmpty(4);  // an empty line, by its CR
  EXPECT_EQ(s.Text, "a\r\nb\r\n  ");
  s.RemoveLineIfEmpty(7);  // a last line without a line break
  EXPECT_EQ(s.Text, "a\r\nb\r\n");
  ExpectStatusInStep(s);
}

}  // namespace
