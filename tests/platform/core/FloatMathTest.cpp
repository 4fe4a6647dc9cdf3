#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "FloatMath.h"

namespace {

void ExpectInvalidOp(double (*f)(double, std::source_location), double x) {
  try {
    f(x, std::source_location::current());
    ADD_FAILURE() << x;
  } catch (const EInvalidOp& e) {
    EXPECT_EQ(e.Message(), "Invalid floating point operation");
    EXPECT_STREQ(e.ClassName(), "EInvalidOp");
  }
}

TEST(FloatMathTest, SquareRootRaisesForNegativeArguments) {
  EXPECT_EQ(Sqrt(100), 10);
  EXPECT_EQ(Sqrt(0), 0);
  ExpectInvalidOp(Sqrt, -100);
  ExpectInvalidOp(Sqrt, -1e-300);
  ExpectInvalidOp(Sqrt, std::numeric_limits<double>::quiet_NaN());
}

TEST(FloatMathTest, CosineRaisesForInfiniteArguments) {
  EXPECT_DOUBLE_EQ(Cos(0), 1);
  EXPECT_LT(Cos(15), 0);
  ExpectInvalidOp(Cos, std::numeric_limits<double>::infinity());
  ExpectInvalidOp(Cos, std::numeric_limits<double>::quiet_NaN());
  // The square root of a negative cosine is the demonstration's failure.
  ExpectInvalidOp(Sqrt, Cos(15));
}

}  // namespace
