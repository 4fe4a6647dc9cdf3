#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "FixedHost.h"
#include "SysUtils.h"

namespace {

class ConversionTest : public ::testing::Test {
 protected:
  FixedHost host;
};

TEST_F(ConversionTest, StrToIntAcceptsWhatTheRunTimeLibraryAccepts) {
  EXPECT_EQ(StrToInt("42"), 42);
  EXPECT_EQ(StrToInt("-42"), -42);
  EXPECT_EQ(StrToInt("+42"), 42);
  EXPECT_EQ(StrToInt("  42"), 42);  // leading blanks are skipped
  EXPECT_EQ(StrToInt("$1F"), 31);
  EXPECT_EQ(StrToInt("0x1f"), 31);
  EXPECT_EQ(StrToInt("-$10"), -16);
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);  // every bit of the Integer
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), std::numeric_limits<int>::min());
  EXPECT_EQ(StrToInt64("9223372036854775807"), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(StrToInt64("$FFFFFFFFFF"), 0xFFFFFFFFFFLL);
}

TEST_F(ConversionTest, StrToIntRefusesTheRest) {
  for (const char* bad : {"", " ", "ZERO", "42 ", "4 2", "2147483648", "-2147483649", "$", "0x", "$100000000",
                          "1.5", "-", "+-1", "\t42"}) {
    int v = 99;
    EXPECT_FALSE(TryStrToInt(bad, v)) << '"' << bad << '"';
    EXPECT_EQ(v, 99);
    EXPECT_EQ(StrToIntDef(bad, -7), -7);
  }
  try {
    StrToInt("ZERO");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'ZERO' is not a valid integer value");
    EXPECT_STREQ(e.ClassName(), "EConvertError");
  }
  EXPECT_THROW(StrToInt64("9223372036854775808"), EConvertError);
}

TEST_F(ConversionTest, IntToTextForms) {
  EXPECT_EQ(IntToStr(-9223372036854775807LL - 1), "-9223372036854775808");
  EXPECT_EQ(IntToHex(255, 4), "00FF");
  EXPECT_EQ(IntToHex(0x12345, 2), "12345");
  EXPECT_EQ(IntToHex(0, 0), "0");
}

TEST_F(ConversionTest, StrToFloatUsesTheDecimalSeparator) {
  EXPECT_DOUBLE_EQ(StrToFloat("2.5"), 2.5);
  EXPECT_DOUBLE_EQ(StrToFloat(" -1.5E3 "), -1500);
  EXPECT_DOUBLE_EQ(StrToFloat(".5"), 0.5);
  EXPECT_DOUBLE_EQ(StrToFloat("7."), 7);
  EXPECT_DOUBLE_EQ(StrToFloat("1e-400"), 0);
  for (const char* bad : {"", "Enter a number", "1,5", "1e", "e5", ".", "1.5.2", "inf", "nan", "0x10", "1e999"}) {
    double v = 0;
    EXPECT_FALSE(TryStrToFloat(bad, v)) << bad;
  }
  try {
    StrToFloat("Enter a number");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'Enter a number' is not a valid floating point value");
  }
  FormatSettings.DecimalSeparator = ',';
  EXPECT_DOUBLE_EQ(StrToFloat("1,25"), 1.25);
  EXPECT_THROW(StrToFloat("1.25"), EConvertError);
}

TEST_F(ConversionTest, FloatToStrGeneralForm) {
  EXPECT_EQ(FloatToStr(0), "0");
  EXPECT_EQ(FloatToStr(0.1), "0.1");
  EXPECT_EQ(FloatToStr(2.5), "2.5");
  EXPECT_EQ(FloatToStr(-2.5), "-2.5");
  EXPECT_EQ(FloatToStr(1e20), "1E20");
  EXPECT_EQ(FloatToStr(1.5e-7), "1.5E-7");
  EXPECT_EQ(FloatToStr(0.0001), "0.0001");
  EXPECT_EQ(FloatToStr(0.00001), "1E-5");
  EXPECT_EQ(FloatToStr(123456789012345.0), "123456789012345");
  EXPECT_EQ(FloatToStr(1234567890123456.0), "1.23456789012346E15");
  EXPECT_EQ(FloatToStr(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(FloatToStr(std::sqrt(2.0)), "1.4142135623731");  // 15 digits, trailing zero dropped
  EXPECT_EQ(FloatToStr(std::numeric_limits<double>::quiet_NaN()), "NAN");
  EXPECT_EQ(FloatToStr(-std::numeric_limits<double>::infinity()), "-INF");
  FormatSettings.DecimalSeparator = ',';
  EXPECT_EQ(FloatToStr(2.5), "2,5");
}

TEST_F(ConversionTest, TrimStripsControlBytesAndBlanks) {
  EXPECT_EQ(Trim(" \t\r\n a b \x01"), "a b");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a "), "  a");
  EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0");  // a no-break space is text
  EXPECT_EQ(Trim("   "), "");
}

TEST_F(ConversionTest, CaseMapping) {
  EXPECT_EQ(UpperCase("abc\xE9"), "ABC\xE9");
  EXPECT_EQ(AnsiUpperCase("abc\xE9\xFF\x9C\xF7\xDF"), "ABC\xC9\x9F\x8C\xF7\xDF");
  EXPECT_EQ(AnsiLowerCase("ABC\xC9\x9F\x8C\xD7"), "abc\xE9\xFF\x9C\xD7");
  EXPECT_EQ(LowerCase("ABC\xC9"), "abc\xC9");
  EXPECT_TRUE(SameText("Section", "sECTION"));
  EXPECT_FALSE(SameText("\xE9", "\xC9"));
  EXPECT_LT(CompareText("abc", "ABD"), 0);
  EXPECT_GT(CompareText("abcd", "ABC"), 0);
  EXPECT_EQ(CompareText("Abc", "aBC"), 0);
  EXPECT_EQ(StringOfChar('-', 3), "---");
  EXPECT_EQ(StringOfChar('-', -1), "");
}

}  // namespace
