#include "ui/dialogs/model/per_mille.h"

#include <gtest/gtest.h>

TEST(PerMille, ThousandIsTheWholeExtent) {
  EXPECT_EQ(PerMilleOf(640, 1000), 640);
  EXPECT_EQ(PerMilleOf(1023, 1000), 1023);
  EXPECT_EQ(PerMilleOf(0, 1000), 0);
}

TEST(PerMille, RoundsToNearest) {
  EXPECT_EQ(PerMilleOf(640, 1), 1);       // 0.64
  EXPECT_EQ(PerMilleOf(640, 3), 2);       // 1.92
  EXPECT_EQ(PerMilleOf(600, 5), 3);       // 3.0
  EXPECT_EQ(PerMilleOf(100, 5), 1);       // 0.5 goes up
  EXPECT_EQ(PerMilleOf(100, 4), 0);       // 0.4 goes down
  EXPECT_EQ(PerMilleOf(1024, 333), 341);  // 340.992
}

TEST(PerMille, ProductDoesNotOverflow32Bits) {
  // 3,000,000 × 1000 passes 2^31.
  EXPECT_EQ(PerMilleOf(3000000, 1000), 3000000);
  EXPECT_EQ(PerMilleOf(3000000, 700), 2100000);
}

TEST(CentredOrigin, CentresInsideTheScreen) {
  Origin o = CentredOrigin(320, 240, 100, 50, 640, 480);
  EXPECT_EQ(o.left, 270);
  EXPECT_EQ(o.top, 215);
}

TEST(CentredOrigin, KeepsTheWindowOffTheLastPixel) {
  Origin o = CentredOrigin(630, 470, 100, 50, 640, 480);
  EXPECT_EQ(o.left, 639 - 100);
  EXPECT_EQ(o.top, 479 - 50);
}

TEST(CentredOrigin, NeverAboveOrLeftOfTheScreen) {
  Origin o = CentredOrigin(10, 5, 100, 50, 640, 480);
  EXPECT_EQ(o.left, 0);
  EXPECT_EQ(o.top, 0);
  Origin big = CentredOrigin(320, 240, 800, 600, 640, 480);
  EXPECT_EQ(big.left, 0);
  EXPECT_EQ(big.top, 0);
}
