// The string helpers the scanner and the model share.
#include <gmock/gmock.h>

#include "ScannerFixture.h"
#include "StringHelpers.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(StringHelpersTest, PosAfterSearchesTheLowerCasedTextAfterStart) {
  EXPECT_EQ(PosAfter("end", "BEGIN END", 0), 7);
  EXPECT_EQ(PosAfter("End", "BEGIN END", 0), -1);  // the sought text is not lower-cased
  EXPECT_EQ(PosAfter("", "BEGIN END", 0), -1);
  EXPECT_EQ(PosAfter("end", "BEGIN END", 7), -1);   // Start itself is no hit
  EXPECT_EQ(PosAfter("end", "BEGIN END", 6), 7);
  EXPECT_EQ(PosAfter("end", "BEGIN END", 9), -1);
  EXPECT_EQ(PosAfter("end", "BEGIN END", 50), -1);
  EXPECT_EQ(PosAfter("end", "END", -3), 1);         // a negative start is the text's start
  EXPECT_EQ(PosAfter("\xe9t\xe9", "\xe9t\xe9", 0), 1);  // bytes above 127 compare as they are
}

TEST(StringHelpersTest, PosBetweenIsStrictlyBeforeTheEnd) {
  EXPECT_EQ(PosBetween("b", "abc", 0, 3), 2);
  EXPECT_EQ(PosBetween("b", "abc", 0, 2), -1);
  EXPECT_EQ(PosBetween("x", "abc", 0, 99), -1);
}

TEST(StringHelpersTest, CleanCode) {
  std::string s = "Except  VIX.Push( 'a' ) ;\r\nRaise ;";
  CleanCode(s);
  EXPECT_EQ(s, "Except VIX.Push('a');Raise;");
  std::string split = "Except\r\n\t  VIX . Push\t(\r\n'a'\t)\r\n;  Raise;  End;  ";
  CleanCode(split);
  std::string oneLine = "Except VIX.Push('a'); Raise; End;";
  CleanCode(oneLine);
  EXPECT_EQ(split, oneLine);
  std::string blanks = " \t\r\n ";
  CleanCode(blanks);
  EXPECT_EQ(blanks, "");
}

TEST(StringHelpersTest, SmallHelpers) {
  EXPECT_EQ(UpperInitial("procedure"), "Procedure");
  EXPECT_EQ(UpperInitial(""), "");
  EXPECT_EQ(UpperInitial("\xe9t\xe9"), "\xe9t\xe9");  // ASCII letters only
  EXPECT_EQ(RightString("abc", 4), "");
  EXPECT_EQ(RightString("abc", 1), "abc");
  EXPECT_EQ(RightString("abc", 3), "c");
  EXPECT_EQ(QuoteFramed("it's"), "'it's'");
  EXPECT_EQ(IIf(true, "a", "b"), "a");
  EXPECT_EQ(IIf(false, "a", "b"), "b");
  std::string s = "a,b;c,,";
  RemoveChars(s, ",;");
  EXPECT_EQ(s, "abc");
  EXPECT_EQ(BoolToString(true), "True");
  EXPECT_EQ(BoolToString(false), "False");
  EXPECT_TRUE(StringToBool("  TRUE "));
  EXPECT_FALSE(StringToBool("yes"));
  EXPECT_FALSE(StringToBool("1"));
}

TEST(StringHelpersTest, FormatInt) {
  EXPECT_EQ(FormatInt(0), "0");
  EXPECT_EQ(FormatInt(999), "999");
  EXPECT_EQ(FormatInt(1000), "1 000");
  EXPECT_EQ(FormatInt(12345), "12 345");
  EXPECT_EQ(FormatInt(1234567), "1234 567");
}

TEST(StringHelpersTest, SplitDelimitedTextIntoStrings) {
  std::vector<std::string> list{"old"};
  SplitDelimitedTextIntoStrings("a;;b", ";", list);
  EXPECT_THAT(list, ElementsAre("a", "", "b"));
  SplitDelimitedTextIntoStrings("a;", ";", list);
  EXPECT_THAT(list, ElementsAre("a"));
  SplitDelimitedTextIntoStrings(";a", ";", list);
  EXPECT_THAT(list, ElementsAre("", "a"));
  SplitDelimitedTextIntoStrings("a<>b<>", "<>", list);
  EXPECT_THAT(list, ElementsAre("a", "b"));
  SplitDelimitedTextIntoStrings("", ";", list);
  EXPECT_THAT(list, IsEmpty());
}

}  // namespace
