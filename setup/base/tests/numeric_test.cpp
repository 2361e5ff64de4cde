#include "base/numeric.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

TEST(NumericTest, RoundAddsOneHalfAndTruncatesTowardZero) {
  EXPECT_EQ(RoundToInt(2.4), 2);
  EXPECT_EQ(RoundToInt(2.5), 3);
  EXPECT_EQ(RoundToInt(2.9999), 3);
  EXPECT_EQ(RoundToInt(0.0), 0);
  // Toward zero after adding one half: -1.7 + 0.5 = -1.2 gives -1.
  EXPECT_EQ(RoundToInt(-1.7), -1);
  EXPECT_EQ(RoundToInt(-0.7), 0);
  EXPECT_EQ(RoundToInt(-2.5), -2);
}

TEST(NumericTest, RoundClampsValuesBeyondTheIntRange) {
  EXPECT_EQ(RoundToInt(1e12), INT_MAX);
  EXPECT_EQ(RoundToInt(-1e12), INT_MIN);
  EXPECT_EQ(RoundToInt(std::numeric_limits<double>::infinity()), INT_MAX);
  EXPECT_EQ(RoundToInt(std::nan("")), 0);
  EXPECT_EQ(RoundToInt(2147483646.2), 2147483646);
}

TEST(NumericTest, MinimumAndMaximum) {
  EXPECT_EQ(MinInt(3, -4), -4);
  EXPECT_EQ(MaxInt(3, -4), 3);
}

TEST(NumericTest, PixelsPerMillimetre) {
  EXPECT_DOUBLE_EQ(PixelsPerMillimetre(1024, 320), 3.2);
  EXPECT_DOUBLE_EQ(PixelsPerMillimetre(1024, 0), 0.0);
}
