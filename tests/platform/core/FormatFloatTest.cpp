#include <gtest/gtest.h>

#include "FixedHost.h"
#include "SysUtils.h"

namespace {

class FormatFloatTest : public ::testing::Test {
 protected:
  FixedHost host;
};

TEST_F(FormatFloatTest, ThousandsWholeNumberIsExactForByteCounts) {
  EXPECT_EQ(FormatFloat("0,", 0), "0");
  EXPECT_EQ(FormatFloat("0,", 999), "999");
  EXPECT_EQ(FormatFloat("0,", 1000), "1,000");
  EXPECT_EQ(FormatFloat("0,", 1234567), "1,234,567");
  EXPECT_EQ(FormatFloat("0,", 25769803776.0), "25,769,803,776");
  EXPECT_EQ(FormatFloat("0,", 140737488351232.0), "140,737,488,351,232");
  EXPECT_EQ(FormatFloat("0,", 18446744073709551616.0), "18,446,744,073,709,551,616");  // 2^64
  EXPECT_EQ(FormatFloat("0,", 9007199254740993.0), "9,007,199,254,740,992");  // nearest double
}

TEST_F(FormatFloatTest, ThousandsRoundsHalfAwayFromZero) {
  EXPECT_EQ(FormatFloat("0,", 0.5), "1");
  EXPECT_EQ(FormatFloat("0,", 1234.5), "1,235");
  EXPECT_EQ(FormatFloat("0,", 2.5), "3");
  EXPECT_EQ(FormatFloat("0,", 999.5), "1,000");
  EXPECT_EQ(FormatFloat("0,", 0.49), "0");
  EXPECT_EQ(FormatFloat("0,", -1234567.5), "-1,234,568");
  EXPECT_EQ(FormatFloat("0,", -0.4), "0");
}

TEST_F(FormatFloatTest, UsesTheHostSeparators) {
  FormatSettings.ThousandSeparator = '\xA0';
  FormatSettings.DecimalSeparator = ',';
  EXPECT_EQ(FormatFloat("0,", 1234567), "1\xA0" "234\xA0" "567");
  EXPECT_EQ(FormatFloat("#,##0.00", 1234.5), "1\xA0" "234,50");
}

TEST_F(FormatFloatTest, DigitPlaceholders) {
  EXPECT_EQ(FormatFloat("0.00", 1234), "1234.00");
  EXPECT_EQ(FormatFloat("#.##", 1234), "1234");
  EXPECT_EQ(FormatFloat("#.##", 0.5), ".5");
  EXPECT_EQ(FormatFloat("#,##0.00", -1234), "-1,234.00");
  EXPECT_EQ(FormatFloat("0000", 12), "0012");
  EXPECT_EQ(FormatFloat("#", 0), "");
  EXPECT_EQ(FormatFloat("0.0#", 1.25), "1.25");
  EXPECT_EQ(FormatFloat("0.0#", 1.2), "1.2");
  EXPECT_EQ(FormatFloat("0.000", 2.0625), "2.063");  // an exact half
  EXPECT_EQ(FormatFloat("0.000", 1.0005), "1.000");  // the double lies below the half
  EXPECT_EQ(FormatFloat("00.0", 5), "05.0");
}

TEST_F(FormatFloatTest, SectionsAndLiterals) {
  const char* fmt = "#,##0.00;(#,##0.00);Zero";
  EXPECT_EQ(FormatFloat(fmt, 1234), "1,234.00");
  EXPECT_EQ(FormatFloat(fmt, -1234), "(1,234.00)");
  EXPECT_EQ(FormatFloat(fmt, 0), "Zero");
  EXPECT_EQ(FormatFloat(fmt, 0.001), "Zero");  // zero once rounded
  EXPECT_EQ(FormatFloat("#,##0.00;;Zero", -5), "-5.00");
  EXPECT_EQ(FormatFloat("0 'kg;s'", 5), "5 kg;s");
  EXPECT_EQ(FormatFloat("\"Total: \"0", 5), "Total: 5");
}

TEST_F(FormatFloatTest, Scientific) {
  EXPECT_EQ(FormatFloat("0.000E+00", 1234), "1.234E+03");
  EXPECT_EQ(FormatFloat("0.000E+00", -0.5), "-5.000E-01");
  EXPECT_EQ(FormatFloat("#.###E-0", 1234), "1.234E3");
  EXPECT_EQ(FormatFloat("0.00E+00", 0), "0.00E+00");
}

TEST_F(FormatFloatTest, EmptyFormatIsTheGeneralForm) {
  EXPECT_EQ(FormatFloat("", 2.5), "2.5");
  EXPECT_EQ(FormatFloat("", 1e20), "1E20");
}

}  // namespace
