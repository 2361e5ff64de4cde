#include "base/inclusive_rect.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

void ExpectRect(const InclusiveRect& r, int l, int t, int rt, int b) {
  EXPECT_EQ(r.left, l);
  EXPECT_EQ(r.top, t);
  EXPECT_EQ(r.right, rt);
  EXPECT_EQ(r.bottom, b);
}

}  // namespace

TEST(InclusiveRectTest, NormaliseOrdersEachPairOfEdges) {
  InclusiveRect r = {10, 20, 2, 4};
  NormaliseRect(r);
  ExpectRect(r, 2, 4, 10, 20);
  InclusiveRect ordered = {1, 2, 3, 4};
  NormaliseRect(ordered);
  ExpectRect(ordered, 1, 2, 3, 4);
}

TEST(InclusiveRectTest, IntersectionOfOverlappingRectangles) {
  InclusiveRect out = {0, 0, 0, 0};
  ASSERT_TRUE(IntersectRects({0, 0, 10, 10}, {5, 6, 20, 20}, out));
  ExpectRect(out, 5, 6, 10, 10);
}

TEST(InclusiveRectTest, TouchingEdgesCountAsOverlap) {
  InclusiveRect out = {0, 0, 0, 0};
  ASSERT_TRUE(IntersectRects({0, 0, 10, 10}, {10, 10, 20, 20}, out));
  ExpectRect(out, 10, 10, 10, 10);
  EXPECT_TRUE(RectsOverlap({0, 0, 10, 10}, {10, 0, 20, 10}));
}

TEST(InclusiveRectTest, DisjointRectanglesHaveNoIntersection) {
  InclusiveRect out = {7, 7, 7, 7};
  EXPECT_FALSE(IntersectRects({0, 0, 10, 10}, {11, 0, 20, 10}, out));
  ExpectRect(out, 7, 7, 7, 7);
  EXPECT_FALSE(RectsOverlap({0, 0, 10, 10}, {0, 11, 10, 20}));
}

TEST(InclusiveRectTest, PointTestIncludesRightAndBottom) {
  InclusiveRect r = {2, 3, 5, 7};
  EXPECT_TRUE(RectContains(r, 2, 3));
  EXPECT_TRUE(RectContains(r, 5, 7));
  EXPECT_FALSE(RectContains(r, 6, 7));
  EXPECT_FALSE(RectContains(r, 5, 8));
  EXPECT_FALSE(RectContains(r, 1, 3));
}

TEST(InclusiveRectTest, WideningAddsOnePixelToRightAndBottom) {
  PlatformEdges e = WidenForPlatform({1, 2, 3, 4});
  EXPECT_EQ(e.left, 1);
  EXPECT_EQ(e.top, 2);
  EXPECT_EQ(e.right, 4);
  EXPECT_EQ(e.bottom, 5);
  PlatformEdges edge = WidenForPlatform({0, 0, INT_MAX, INT_MAX});
  EXPECT_EQ(edge.right, INT_MAX);
  EXPECT_EQ(edge.bottom, INT_MAX);
}
