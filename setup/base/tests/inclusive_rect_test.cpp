#include "base/inclusive_rect.h"

#include <gtest/gtest.h>

namespace {

void ExpectRect(const InclusiveRect& r, int l, int t, int rt, int b) {
  EXPECT_EQ(r.left, l);
  EXPECT_EQ(r.top, t);
  EXPECT_EQ(r.right, rt);
  EXPECT_EQ(r.bottom, b);
}

}  // namespace

TEST(InclusiveRectTest, IntersectionOfOverlappingRectangles) {
  InclusiveRect out = {0, 0, 0, 0};
  ASSERT_TRUE(IntersectRects({0, 0, 10, 10}, {5, 6, 20, 20}, out));
  ExpectRect(out, 5, 6, 10, 10);
}

TEST(InclusiveRectTest, TouchingEdgesCountAsOverlap) {
  InclusiveRect out = {0, 0, 0, 0};
  ASSERT_TRUE(IntersectRects({0, 0, 10, 10}, {10, 10, 20, 20}, out));
  ExpectRect(out, 10, 10, 10, 10);
}

TEST(InclusiveRectTest, DisjointRectanglesHaveNoIntersection) {
  InclusiveRect out = {7, 7, 7, 7};
  EXPECT_FALSE(IntersectRects({0, 0, 10, 10}, {11, 0, 20, 10}, out));
  ExpectRect(out, 7, 7, 7, 7);
}
