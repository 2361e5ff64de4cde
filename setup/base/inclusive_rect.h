// Rectangles of the drawing surface: all four edges inclusive, so the right
// column and the bottom row belong to the rectangle. The platform wants the
// right and bottom edges outside, so a rectangle is widened by one pixel when
// handed over.
#pragma once

struct InclusiveRect {
  int left;
  int top;
  int right;
  int bottom;
};

// Edges as the platform takes them: right and bottom excluded.
struct PlatformEdges {
  int left;
  int top;
  int right;
  int bottom;
};

// Orders each pair of edges so that left <= right and top <= bottom.
void NormaliseRect(InclusiveRect& rect);
// The common part of two normalised rectangles; false (and out untouched)
// when they have no pixel in common. Touching edges share a pixel.
bool IntersectRects(const InclusiveRect& a, const InclusiveRect& b, InclusiveRect& out);
bool RectsOverlap(const InclusiveRect& a, const InclusiveRect& b);
bool RectContains(const InclusiveRect& rect, int x, int y);
// Widens right and bottom by one pixel (saturating at the int limit).
PlatformEdges WidenForPlatform(const InclusiveRect& rect);
