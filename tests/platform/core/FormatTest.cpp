#include <gtest/gtest.h>

#include "FixedHost.h"
#include "SysUtils.h"

namespace {

class FormatTest : public ::testing::Test {
 protected:
  FixedHost host;  // US English separators
};

TEST_F(FormatTest, IntegersTextsAndPercent) {
  EXPECT_EQ(Format("%d Draws%sLongest=%d", {12, "\n\r", -3}), "12 Draws\n\rLongest=-3");
  EXPECT_EQ(Format("100%%", {}), "100%");
  EXPECT_EQ(Format("%u", {4000000000u}), "4000000000");
  EXPECT_EQ(Format("%u", {-1}), "4294967295");
  EXPECT_EQ(Format("%x", {255}), "FF");
  EXPECT_EQ(Format("%x", {-1}), "FFFFFFFF");
  EXPECT_EQ(Format("%x", {static_cast<long long>(-1) << 40}), "FFFFFF0000000000");
  EXPECT_EQ(Format("%d", {static_cast<long long>(9007199254740993LL)}), "9007199254740993");
  EXPECT_EQ(Format("%d", {std::numeric_limits<long long>::min()}), "-9223372036854775808");
}

// A 32-bit integer goes in as its own 32 bits: the smallest one is 80000000
// in hexadecimal and 2147483648 unsigned, not a 64-bit pattern.
TEST_F(FormatTest, TheSmallest32BitIntegerUnsignedAndInHexadecimal) {
  const int smallest = std::numeric_limits<int>::min();
  EXPECT_EQ(Format("%x", {smallest}), "80000000");
  EXPECT_EQ(Format("%u", {smallest}), "2147483648");
  EXPECT_EQ(Format("%d", {smallest}), "-2147483648");
}

TEST_F(FormatTest, PrecisionPadsIntegersWithZeros) {
  EXPECT_EQ(Format("%.4d", {7}), "0007");
  EXPECT_EQ(Format("%.4d", {12345}), "12345");
  EXPECT_EQ(Format("%.4d", {-7}), "-0007");
  EXPECT_EQ(Format("%.4x", {10}), "000A");
}

TEST_F(FormatTest, WidthJustificationIndexAndStar) {
  EXPECT_EQ(Format("[%5s]", {"ab"}), "[   ab]");
  EXPECT_EQ(Format("[%-5s]", {"ab"}), "[ab   ]");
  EXPECT_EQ(Format("[%3d]", {12345}), "[12345]");
  EXPECT_EQ(Format("[%*d]", {4, 7}), "[   7]");
  EXPECT_EQ(Format("[%-*d]", {4, 7}), "[7   ]");
  EXPECT_EQ(Format("%.*f", {3, 2.0}), "2.000");
  EXPECT_EQ(Format("%1:s %0:s %s", {"a", "b", "c"}), "b a b");
  EXPECT_EQ(Format("%.2s", {"abcdef"}), "ab");
  EXPECT_EQ(Format("%5.1f|", {3.14159}), "  3.1|");
}

TEST_F(FormatTest, FloatConversions) {
  EXPECT_EQ(Format("%f", {2.0}), "2.00");
  EXPECT_EQ(Format("%.1f%s", {-12.25, "%"}), "-12.3%");
  EXPECT_EQ(Format("%.2f", {2.675}), "2.67");  // the double lies below 2.675
  EXPECT_EQ(Format("%.0f", {0.5}), "1");        // halves round away from zero
  EXPECT_EQ(Format("%.0f", {-2.5}), "-3");
  EXPECT_EQ(Format("%.1f", {-0.04}), "0.0");
  EXPECT_EQ(Format("%n", {1234567.891}), "1,234,567.89");
  EXPECT_EQ(Format("%.0n", {25769803776.0}), "25,769,803,776");
  EXPECT_EQ(Format("%m", {1234.5}), "$1,234.50");
  EXPECT_EQ(Format("%m", {-1234.5}), "($1,234.50)");
  EXPECT_EQ(Format("%e", {1234.5}), "1.23450000000000E+003");
  EXPECT_EQ(Format("%.3e", {-0.00012345}), "-1.23E-004");
  EXPECT_EQ(Format("%g", {0.1}), "0.1");
  EXPECT_EQ(Format("%g", {1e20}), "1E20");
}

TEST_F(FormatTest, FloatsFollowTheDecimalSeparator) {
  FormatSettings.DecimalSeparator = ',';
  FormatSettings.ThousandSeparator = '.';
  EXPECT_EQ(Format("%.1f", {2.25}), "2,3");
  EXPECT_EQ(Format("%n", {1234.5}), "1.234,50");
}

TEST_F(FormatTest, PointerIsFullWidthHex) {
  EXPECT_EQ(Format("%p", {0x1234u}), std::string(2 * sizeof(void*) - 4, '0') + "1234");
}

TEST_F(FormatTest, MismatchRaisesConvertErrorAtCallersSite) {
  const auto expectInvalid = [](const std::string& fmt, std::initializer_list<FormatArg> args) {
    try {
      Format(fmt, args);
      ADD_FAILURE() << fmt << " did not raise";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "Format '" + fmt + "' invalid or incompatible with argument");
    }
  };
  expectInvalid("%d", {1.5});
  expectInvalid("%s", {3});
  expectInvalid("%f", {3});
  expectInvalid("%d %d", {1});
  expectInvalid("%q", {1});
  expectInvalid("abc %", {});
  expectInvalid("%3:d", {1});

  RaiseAddress first, second;
  try { Format("%d", {"x"}); } catch (const EConvertError& e) { first = e.Address(); }
  try { Format("%d", {"x"}); } catch (const EConvertError& e) { second = e.Address(); }
  EXPECT_FALSE(first.IsNil());
  EXPECT_NE(first, second);  // each call site is its own raise address
}

}  // namespace
