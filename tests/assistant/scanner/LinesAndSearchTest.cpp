// Line helpers and token searches, at the text's edges and next to comments
// and literals.
#include "LineBreaks.h"
#include "ScannerFixture.h"

namespace {

class LinesTest : public ScannerTest {
 protected:
  // a1 b2 CR3 LF4 c5 d6 CR7 LF8 e9 f10
  TSourceScanner& Three() { return Load("ab\r\ncd\r\nef"); }
};

TEST_F(LinesTest, FindCRLFForwardAndBackward) {
  TSourceScanner& s = Three();
  EXPECT_EQ(s.FindCRLF(0, true), 3);
  EXPECT_EQ(s.FindCRLF(1, true), 3);
  EXPECT_EQ(s.FindCRLF(3, true), 7);  // P itself is not looked at
  EXPECT_EQ(s.FindCRLF(7, true), -1);
  EXPECT_EQ(s.FindCRLF(10, false), 7);
  EXPECT_EQ(s.FindCRLF(8, false), 3);  // the LF must lie before P
  EXPECT_EQ(s.FindCRLF(4, false), -1);
  EXPECT_EQ(s.FindCRLF(1, false), -1);
}

TEST_F(LinesTest, StartAndEndOfLine) {
  TSourceScanner& s = Three();
  for (int p : {1, 2, 3, 4}) EXPECT_EQ(s.GetStartOfLine(p), 1) << p;
  EXPECT_EQ(s.GetStartOfLine(5), 5);
  EXPECT_EQ(s.GetStartOfLine(10), 9);
  EXPECT_EQ(s.GetEndOfLine(1), 4);
  EXPECT_EQ(s.GetEndOfLine(5), 8);
  EXPECT_EQ(s.GetEndOfLine(9), 10);  // a last line without a line break
  EXPECT_EQ(s.GetEndOfLine(10), 10);
  EXPECT_EQ(s.GetEndOfLine(3), 8);  // on a CR: the end of the following line
}

TEST_F(LinesTest, GetLineKeepsItsLineBreak) {
  TSourceScanner& s = Three();
  EXPECT_EQ(s.GetLine(1), "ab\r\n");
  EXPECT_EQ(s.GetLine(6), "cd\r\n");
  EXPECT_EQ(s.GetLine(10), "ef");
}

TEST_F(LinesTest, LineNumbers) {
  TSourceScanner& s = Three();
  EXPECT_EQ(s.GetLineNum(1), 1);
  EXPECT_EQ(s.GetLineNum(3), 1);
  EXPECT_EQ(s.GetLineNum(4), 2);  // the LF that completes a break counts
  EXPECT_EQ(s.GetLineNum(5), 2);
  EXPECT_EQ(s.GetLineNum(9), 3);
  EXPECT_EQ(s.GetLineNum(10), 3);
  EXPECT_EQ(s.GetLineNum(1000), 3);
}

TEST_F(LinesTest, CRCRLFIsOneLineBreakEverywhere) {
  // a1 b2 CR3 CR4 LF5 c6 d7
  TSourceScanner& s = Load("ab\r\r\ncd");
  EXPECT_EQ(s.FindCRLF(1, true), 4);
  EXPECT_EQ(s.GetStartOfLine(6), 6);
  EXPECT_EQ(s.GetEndOfLine(1), 5);
  EXPECT_EQ(s.GetLineNum(6), 2);
  EXPECT_EQ(s.GetLine(2), "ab\r\r\n");
}

TEST_F(LinesTest, EveryKindOfLineBreakCountsOne) {
  EXPECT_EQ(CountLineBreaks(""), 0);
  EXPECT_EQ(CountLineBreaks("a\r\nb\nc\rd"), 3);
  EXPECT_EQ(CountLineBreaks("\r\r\n\n\r"), 3);  // CR CR LF is one
  EXPECT_EQ(CountLineBreaks("\n\r\r"), 3);
}

TEST_F(LinesTest, AnLFEndsAPairOnlyAfterACR) {
  const TLineFeeds feeds = CountLineFeeds("\nab\r\n\r\r\nc\n\r");
  EXPECT_EQ(feeds.Paired, 2);
  EXPECT_EQ(feeds.Lone, 2);
  EXPECT_EQ(LineBreakStyleOf(feeds), TLineBreakStyle::Mixed);
}

TEST_F(LinesTest, LineBreaksAtTheTextsEdges) {
  // CR1 LF2 x3 CR4 LF5
  TSourceScanner& s = Load("\r\nx\r\n");
  EXPECT_EQ(s.FindCRLF(0, true), 1);
  EXPECT_EQ(s.FindCRLF(1, true), 4);
  EXPECT_EQ(s.FindCRLF(6, false), 4);
  EXPECT_EQ(s.FindCRLF(3, false), 1);
  EXPECT_EQ(s.GetStartOfLine(1), 1);
  EXPECT_EQ(s.GetStartOfLine(3), 3);
  EXPECT_EQ(s.GetEndOfLine(3), 5);
  EXPECT_EQ(s.GetLine(3), "x\r\n");
  EXPECT_EQ(s.GetLineNum(5), 3);
  EXPECT_EQ(s.FindCharInCodeAfter('\n', 4), 5);  // the last position
}

TEST_F(LinesTest, EmptyText) {
  TSourceScanner& s = Load("");
  EXPECT_EQ(s.FindCRLF(1, true), -1);
  EXPECT_EQ(s.GetStartOfLine(1), 1);
  EXPECT_EQ(s.GetEndOfLine(1), 0);
  EXPECT_EQ(s.GetLine(1), "");
  EXPECT_EQ(s.GetLineNum(1), 1);
}

class TokenTest : public ScannerTest {
 protected:
  int Find(const std::string& text, const std::string& token = "begin", int from = 0) {
    return Load(text).FindToken(token, LeftDelimiters, from, RightDelimiters);
  }
};

TEST_F(TokenTest, DelimitedOnBothSides) {
  EXPECT_EQ(Find("begin x"), 1);
  EXPECT_EQ(Find("BeGiN x"), 1);
  EXPECT_EQ(Find("a:begin "), 3);
  EXPECT_EQ(Find("a;begin "), 3);
  EXPECT_EQ(Find("\tbegin\t"), 2);
  EXPECT_EQ(Find("begin(x"), 1);
  EXPECT_EQ(Find("x;\r\nbegin "), 5);   // after the LF of a line break
  EXPECT_EQ(Find("x begin\r\ny"), 3);   // before the CR of a line break
}

TEST_F(TokenTest, NotTakenWhenTouchedByLettersDigitsOrADot) {
  EXPECT_EQ(Find("xbegin y"), -1);
  EXPECT_EQ(Find("beginx y"), -1);
  EXPECT_EQ(Find("1begin y"), -1);
  EXPECT_EQ(Find("begin1 y"), -1);
  EXPECT_EQ(Find("begin. y"), -1);
  EXPECT_EQ(Find(",begin y"), -1);
}

TEST_F(TokenTest, TakenWhenTouchingCommentsOrLiterals) {
  EXPECT_EQ(Find("{c}begin{c}"), 4);
  EXPECT_EQ(Find("(*c*)begin(*c*)"), 6);
  EXPECT_EQ(Find("'a'begin'b'"), 4);
  EXPECT_EQ(Find("x//c\r\nbegin//d\r\n"), 7);
}

TEST_F(TokenTest, NotTakenInsideCommentsOrLiterals) {
  EXPECT_EQ(Find("'begin' {begin} (*begin*) //begin\r\n"), -1);
  EXPECT_EQ(Find("{begin} begin "), 9);
}

TEST_F(TokenTest, TextEdges) {
  EXPECT_EQ(Find("x begin"), -1);        // must be followed by a character
  EXPECT_EQ(Find("x begin\ny\r\n"), -1);  // a bare LF in a CR LF text is no right delimiter
  EXPECT_EQ(Find("begin begin "), 1);
  EXPECT_EQ(Find("begin begin ", "begin", 1), 7);  // From is never a hit
  EXPECT_EQ(Find("", "begin"), -1);
  EXPECT_EQ(Find("begin ", ""), -1);
}

TEST_F(TokenTest, OverlappingOccurrenceIsMissed) {
  EXPECT_EQ(Find("x aab y", "aab"), 3);
  // "aa" then "a": the pass restarts at the third "a" and never sees "aab".
  EXPECT_EQ(Find("x aaab y", "aab"), -1);
}

TEST_F(TokenTest, CheckTokenDelimitorsAtTheEdges) {
  TSourceScanner& s = Load("x begin");
  EXPECT_FALSE(s.CheckTokenDelimitors("begin", LeftDelimiters, 3, RightDelimiters));
  EXPECT_FALSE(s.CheckTokenDelimitors("begin", LeftDelimiters, 0, RightDelimiters));
  TSourceScanner& t = Load("end.x");
  EXPECT_TRUE(t.CheckTokenDelimitors("end", LeftDelimiters, 1, ".")); // position 1: no left side
  EXPECT_TRUE(t.CheckRightDelimitedToken("end", ".", 1));
  EXPECT_FALSE(t.CheckRightDelimitedToken("end", ",", 1));
}

TEST_F(TokenTest, PosAfterInCodeSkipsCommentsAndLiterals) {
  TSourceScanner& s = Load("{end} 'end' END;");
  EXPECT_EQ(s.PosAfterInCode("end", 0), 13);
  EXPECT_EQ(s.PosAfterInCode("end", 13), -1);
  EXPECT_EQ(s.PosAfterInCode("", 0), -1);
}

TEST_F(TokenTest, FindCharInCodeAfter) {
  TSourceScanner& s = Load("{;}';';");
  EXPECT_EQ(s.FindCharInCodeAfter(';', 0), 7);
  EXPECT_EQ(s.FindCharInCodeAfter('\'', 0), 4);  // the quotes of a literal are code
  EXPECT_EQ(s.FindCharInCodeAfter('\'', 4), 6);
  EXPECT_EQ(s.FindCharInCodeAfter(';', 7), -1);
}

TEST_F(TokenTest, FindFirstSignificantChar) {
  TSourceScanner& s = Load(" \t\r\n{c}(*d*)//e\r\nx");
  const int x = static_cast<int>(s.Text.size());
  EXPECT_EQ(s.FindFirstSignificantChar(1), x);
  EXPECT_EQ(s.FindFirstSignificantChar(x), x);  // From itself counts
  EXPECT_EQ(Load("   ").FindFirstSignificantChar(1), -1);
}

TEST_F(TokenTest, FindRightDelimitedTokenPassesOverOtherEnds) {
  TSourceScanner& s = Load("x end; legend. y end {c}\r\n . z");
  int dot = 0;
  int token = 0;
  ASSERT_TRUE(s.FindRightDelimitedToken("end", '.', dot, token, 0));
  EXPECT_EQ(token, Pos(s, "end", 3));
  EXPECT_EQ(dot, Pos(s, " . ") + 1);
  EXPECT_FALSE(Load("x end; y").FindRightDelimitedToken("end", '.', dot, token, 0));
  EXPECT_EQ(token, -1);
}

}  // namespace
