// Rectangles with all four edges inclusive, as the background paints them:
// the right column and the bottom row belong to the rectangle.
#pragma once

struct InclusiveRect {
  int left;
  int top;
  int right;
  int bottom;
};

// The common part of two normalised rectangles; false (and out untouched)
// when they have no pixel in common. Touching edges share a pixel.
bool IntersectRects(const InclusiveRect& a, const InclusiveRect& b, InclusiveRect& out);
