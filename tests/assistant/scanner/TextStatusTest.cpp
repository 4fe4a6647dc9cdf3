// The status string: every state of its state machine, and how it is read.
#include "ScannerFixture.h"

namespace {

struct StatusCase {
  const char* name;
  std::string text;
  std::string status;
};

// "0" code, "1" literal, "2" brace comment, "3" line comment, "4" (* *)
// comment; CR, LF and the characters of a construct left open keep their own.
const StatusCase StatusCases[] = {
    {"PlainCode", "a := b;", "0000000"},
    {"Literal", "s:='x';", "0001110"},
    {"DoubledQuote", "a:='it''s';", "00011111110"},
    {"QuoteOnlyLiteral", "''''", "1111"},
    {"BraceInLiteral", "s:='{x}';", "000111110"},
    {"QuoteInBrace", "x{a'b}y", "0222220"},
    {"ParenWithoutStar", "(a)", "000"},
    {"ParenThenBrace", "({c}", "0222"},
    {"ParenThenQuote", "('a')", "01110"},
    {"DoubleParenThenStar", "((*x*)", "044444"},
    {"SlashWithoutSlash", "a/b", "000"},
    {"SlashThenQuote", "/'a'", "0111"},
    {"ParenStarComment", "(*x*)", "44444"},
    {"StarStarParen", "(*x**)", "444444"},
    {"ParenStarParenDoesNotClose", "(*)x*)", "444444"},
    {"StarsInside", "(***)", "44444"},
    {"LineComment", "x//c\r\ny", "0333\r\n0"},
    {"LineCommentAtEndWithCRLF", "x//c\r\n", "0333\r\n"},
    {"LineCommentAtEndWithoutCRLF", "x//c", "0//c"},
    {"LoneCRInLineComment", "//a\rb\r\nc", "333\r3\r\n0"},
    {"CRCRLFEndsLineComment", "//a\r\r\nb", "333\r\r\n0"},
    {"CRLFInBraceComment", "{a\r\nb}", "22\r\n22"},
    {"CRLFInParenStarComment", "(*\r\n*)", "44\r\n44"},
    {"CRLFInLiteralStays", "'a\r\nb'", "11\r\n11"},
    {"OpenBrace", "x{abc", "0{abc"},
    {"OpenLiteral", "x'ab", "0'ab"},
    {"OpenParenStar", "x(*a*", "0(*a*"},
    {"OpenParenAtEnd", "x(", "0("},
    {"OpenSlashAtEnd", "x/", "0/"},
    {"CodeLineBreaks", "a\r\nb", "0\r\n0"},
    {"Empty", "", ""},
};

class StatusTable : public ScannerTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(StatusTable, MarksEveryCharacter) {
  const StatusCase& c = GetParam();
  TSourceScanner s("Unit1.pas");
  const std::string status = s.ConvertIntoTextStatus(c.text);
  EXPECT_EQ(status, c.status);
  EXPECT_EQ(status.size(), c.text.size());
}

INSTANTIATE_TEST_SUITE_P(States, StatusTable, ::testing::ValuesIn(StatusCases),
                         [](const ::testing::TestParamInfo<StatusCase>& i) { return std::string(i.param.name); });

TEST_F(ScannerTest, CharTextStatusGivesDigitsZeroToFive) {
  EXPECT_EQ(CharTextStatus(0), '0');
  EXPECT_EQ(CharTextStatus(5), '5');
  EXPECT_EQ(CharTextStatus(6), '0');
  EXPECT_EQ(CharTextStatus(-1), '0');
}

TEST_F(ScannerTest, LoadMarksTextAfterTheFinalEnd) {
  TSourceScanner& s = Load("unit U;\r\nend. x\r\ny");
  EXPECT_EQ(s.TextStatus, "0000000\r\n000055\r\n5");
  EXPECT_EQ(s.ErrorCode, 0);
  EXPECT_EQ(s.CharStatus(Pos(s, "y")), 5);
  EXPECT_FALSE(s.CharIsCode(Pos(s, "y")));
}

TEST_F(ScannerTest, FinalEndWithBlanksLineBreakOrCommentBeforeItsDot) {
  for (const std::string tail : {"end .", "end\r\n.", "end {done} .", "END(*x*)."}) {
    TSourceScanner& s = Load("unit U;\r\n" + tail + "z");
    EXPECT_EQ(s.ErrorCode, 0) << tail;
    EXPECT_EQ(s.CharStatus(static_cast<int>(s.Text.size())), 5) << tail;
  }
}

TEST_F(ScannerTest, EndFollowedBySemicolonIsNoFinalEnd) {
  TSourceScanner& s = Load("unit U;\r\nbegin end;\r\n");
  EXPECT_EQ(s.ErrorCode, 1);
  EXPECT_EQ(s.ErrorTitle, "Error in Unit Structure.");
  EXPECT_EQ(s.ErrorText, "Final End Missing in Unit.");
  EXPECT_EQ(s.TextStatus.find('5'), std::string::npos);
}

TEST_F(ScannerTest, FinalEndInsideAnOpenBraceIsNotFound) {
  TSourceScanner& s = Load("unit U;\r\n{ end.");
  EXPECT_EQ(s.ErrorCode, 1);
  EXPECT_EQ(s.CharStatus(Pos(s, "end")), -1);  // an unmarked letter
  EXPECT_EQ(s.CharStatus(Pos(s, "{")), -1);
}

TEST_F(ScannerTest, CharStatusOutsideTheTextAndOnUnmarkedCharacters) {
  TSourceScanner& s = Load("x'a1\r\nend.");
  EXPECT_EQ(s.CharStatus(0), -1);
  EXPECT_EQ(s.CharStatus(static_cast<int>(s.Text.size()) + 1), -1);
  // The literal never closes: its quote reads as code, a digit as its value.
  EXPECT_EQ(s.CharStatus(2), 0);
  EXPECT_TRUE(s.CharIsCode(2));
  EXPECT_EQ(s.CharStatus(3), -1);
  EXPECT_EQ(s.CharStatus(4), 1);
  EXPECT_EQ(s.CharStatus(5), 0);  // CR
  EXPECT_EQ(s.CharStatus(6), 0);  // LF
}

TEST_F(ScannerTest, QuotesOfALiteralAreCodeItsContentsAreNot) {
  TSourceScanner& s = Load("a:='b''c';\r\nend.");
  EXPECT_TRUE(s.CharIsCode(4));   // opening quote
  EXPECT_FALSE(s.CharIsCode(5));  // b
  EXPECT_TRUE(s.CharIsCode(6));   // doubled quote
  EXPECT_TRUE(s.CharIsCode(7));
  EXPECT_FALSE(s.CharIsCode(8));  // c
  EXPECT_TRUE(s.CharIsCode(9));
}

TEST_F(ScannerTest, CopiesKeepCodeOrCodeAndLiterals) {
  TSourceScanner& s = Load("a{c}'s'//x\r\nend. z");
  EXPECT_EQ(s.CopyCode(1, 10), "a   ' '   ");
  EXPECT_EQ(s.NoCommentCopy(1, 10), "a   's'   ");
  // Stops at the end of the text; after-end text is blank in both.
  EXPECT_EQ(s.CopyCode(17, 10), "  ");
  EXPECT_EQ(s.NoCommentCopy(13, 100), "end.  ");
  EXPECT_EQ(s.CopyCode(1, 0), "");
}

}  // namespace
