#include "base/inclusive_rect.h"

#include <climits>

namespace {

void Order(int& low, int& high) {
  if (low > high) {
    int t = low;
    low = high;
    high = t;
  }
}

int Widen(int edge) { return edge == INT_MAX ? INT_MAX : edge + 1; }

}  // namespace

void NormaliseRect(InclusiveRect& rect) {
  Order(rect.left, rect.right);
  Order(rect.top, rect.bottom);
}

bool IntersectRects(const InclusiveRect& a, const InclusiveRect& b, InclusiveRect& out) {
  InclusiveRect common = {a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                          a.right < b.right ? a.right : b.right,
                          a.bottom < b.bottom ? a.bottom : b.bottom};
  if (common.left > common.right || common.top > common.bottom) return false;
  out = common;
  return true;
}

bool RectsOverlap(const InclusiveRect& a, const InclusiveRect& b) {
  InclusiveRect ignored;
  return IntersectRects(a, b, ignored);
}

bool RectContains(const InclusiveRect& rect, int x, int y) {
  return x >= rect.left && x <= rect.right && y >= rect.top && y <= rect.bottom;
}

PlatformEdges WidenForPlatform(const InclusiveRect& rect) {
  return PlatformEdges{rect.left, rect.top, Widen(rect.right), Widen(rect.bottom)};
}
