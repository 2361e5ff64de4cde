#include "base/gauge_geometry.h"

#include <gtest/gtest.h>

namespace {

void ExpectArea(const GaugeArea& a, int left, int top, int right, int bottom) {
  EXPECT_EQ(a.left, left);
  EXPECT_EQ(a.top, top);
  EXPECT_EQ(a.right, right);
  EXPECT_EQ(a.bottom, bottom);
}

TEST(GaugeGeometry, SquareIsHorizontal) {
  EXPECT_TRUE(GaugeIsHorizontal(20, 20));
  EXPECT_TRUE(GaugeIsHorizontal(21, 20));
  EXPECT_FALSE(GaugeIsHorizontal(19, 20));
}

TEST(GaugeGeometry, FilledLengthRoundsHalvesUp) {
  EXPECT_EQ(GaugeFilledLength(0, 117), 0);
  EXPECT_EQ(GaugeFilledLength(100, 117), 117);
  EXPECT_EQ(GaugeFilledLength(50, 11), 6);     // 5.5
  EXPECT_EQ(GaugeFilledLength(1, 117), 1);     // 1.17
  EXPECT_EQ(GaugeFilledLength(1, 49), 0);      // 0.49
  EXPECT_EQ(GaugeFilledLength(29, 100), 29);   // 28.999... in floating point
  EXPECT_EQ(GaugeFilledLength(77, 175), 135);  // 134.75
}

TEST(GaugeGeometry, HorizontalFillsFromTheLeft) {
  GaugeLayout l = LayOutGauge(GaugeArea{0, 0, 200, 20}, 45);
  EXPECT_TRUE(l.horizontal);
  ExpectArea(l.filled, 0, 0, 90, 20);
  ExpectArea(l.empty, 90, 0, 200, 20);
}

TEST(GaugeGeometry, VerticalFillsFromTheBottom) {
  GaugeLayout l = LayOutGauge(GaugeArea{0, 0, 16, 175}, 77);
  EXPECT_FALSE(l.horizontal);
  ExpectArea(l.filled, 0, 40, 16, 175);
  ExpectArea(l.empty, 0, 0, 16, 40);
}

TEST(GaugeGeometry, CaptionCentredOnTheArea) {
  // Centre (100, 10) of 200 × 21 (rounded down).
  CaptionOrigin h = GaugeCaptionOrigin(GaugeArea{0, 0, 200, 21}, true, 25, 13);
  EXPECT_EQ(h.x, 100 - 12);
  EXPECT_EQ(h.y, 10 - 6);
  // Reading upwards: starts left of the centre by half the height and below
  // it by half the width.
  CaptionOrigin v = GaugeCaptionOrigin(GaugeArea{0, 0, 17, 175}, false, 25, 13);
  EXPECT_EQ(v.x, 8 - 6);
  EXPECT_EQ(v.y, 87 + 12);
}

}  // namespace
