#include <gtest/gtest.h>

#include <set>

#include "Random.h"

namespace {

TEST(RandomTest, FollowsThePlatformsSequence) {
  // State := State * $08088405 + 1; Random(N) := (State * N) shr 32.
  TRandom random(0);
  EXPECT_EQ(random.Random(1000), 0);
  EXPECT_EQ(random.Seed, 1u);
  EXPECT_EQ(random.Random(1000), 31);  // 0x08088406 * 1000 >> 32
  EXPECT_EQ(random.Seed, 0x08088406u);
  TRandom high(0xFFFFFFFFu);
  EXPECT_EQ(high.Seed * 0x08088405u + 1u, 0xF7F77BFCu);
  EXPECT_EQ(high.Random(10), 9);
}

TEST(RandomTest, DrawsStayInRangeAndCoverIt) {
  TRandom random(12345);
  std::set<int> seen;
  for (int i = 0; i < 1000; ++i) {
    const int r = random.Random(10);
    ASSERT_GE(r, 0);
    ASSERT_LT(r, 10);
    seen.insert(r);
  }
  EXPECT_EQ(seen.size(), 10u);
  EXPECT_EQ(random.Random(0), 0);
  EXPECT_EQ(random.Random(-5), 0);
}

TEST(RandomTest, TheSameSeedGivesTheSameDraws) {
  TRandom a(777), b(777);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(a.Random(1000), b.Random(1000));
  RandomGenerator.Seed = 777;
  TRandom c(777);
  EXPECT_EQ(Random(1000), c.Random(1000));
}

}  // namespace
