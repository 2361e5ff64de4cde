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
  EXPECT_DOUBLE_EQ(MinReal(0.5, 0.25), 0.25);
  EXPECT_DOUBLE_EQ(MaxReal(0.5, 0.25), 0.5);
}

TEST(NumericTest, RangeTestIncludesBothBoundsInEitherOrder) {
  EXPECT_TRUE(InRange(1, 1, 5));
  EXPECT_TRUE(InRange(5, 1, 5));
  EXPECT_TRUE(InRange(3, 5, 1));
  EXPECT_FALSE(InRange(0, 1, 5));
  EXPECT_FALSE(InRange(6, 5, 1));
  EXPECT_TRUE(InRange(0.5, 0.0, 0.5));
  EXPECT_FALSE(InRange(0.51, 0.0, 0.5));
}

TEST(NumericTest, ModuloIsNeverNegative) {
  EXPECT_EQ(ModuloNonNegative(7, 3), 1);
  EXPECT_EQ(ModuloNonNegative(-7, 3), 2);
  EXPECT_EQ(ModuloNonNegative(-6, 3), 0);
  EXPECT_EQ(ModuloNonNegative(-1, 360), 359);
  EXPECT_EQ(ModuloNonNegative(-7, -3), 2);
  EXPECT_EQ(ModuloNonNegative(5, 0), 0);
  EXPECT_EQ(ModuloNonNegative(INT_MIN, -1), 0);
  EXPECT_EQ(ModuloNonNegative(INT_MIN, INT_MIN), 0);
  EXPECT_EQ(ModuloNonNegative(-1, INT_MIN), INT_MAX);
}

TEST(NumericTest, DistanceOfTwoPoints) {
  EXPECT_DOUBLE_EQ(PointDistance(0, 0, 3, 4), 5.0);
  EXPECT_DOUBLE_EQ(PointDistance(3, 4, 0, 0), 5.0);
  EXPECT_DOUBLE_EQ(PointDistance(-2, -2, -2, -2), 0.0);
  // Far corners must not overflow int arithmetic.
  EXPECT_NEAR(PointDistance(INT_MIN, 0, INT_MAX, 0), 4294967295.0, 1e-3);
}

TEST(NumericTest, DegreesAndRadians) {
  EXPECT_DOUBLE_EQ(DegreesFromRadians(1.0), 57.29577951308232);
  EXPECT_DOUBLE_EQ(RadiansFromDegrees(1.0), 0.017453292519943295);
  EXPECT_NEAR(DegreesFromRadians(M_PI), 180.0, 1e-12);
  EXPECT_NEAR(RadiansFromDegrees(DegreesFromRadians(0.75)), 0.75, 1e-15);
}

TEST(NumericTest, PixelsAndPhysicalUnits) {
  EXPECT_DOUBLE_EQ(PixelsPerMillimetre(1024, 320), 3.2);
  EXPECT_DOUBLE_EQ(PixelsPerMillimetre(1024, 0), 0.0);
  EXPECT_DOUBLE_EQ(PixelsPerPoint(96), 96.0 / 72.0);
  EXPECT_DOUBLE_EQ(PixelsPerPoint(144), 2.0);
  EXPECT_DOUBLE_EQ(MillimetresFromPixels(96, 96), 25.4);
  EXPECT_DOUBLE_EQ(MillimetresFromPixels(48, 96), 12.7);
  EXPECT_DOUBLE_EQ(MillimetresFromPixels(48, 0), 0.0);
}
