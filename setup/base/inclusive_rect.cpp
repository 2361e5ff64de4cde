#include "base/inclusive_rect.h"

bool IntersectRects(const InclusiveRect& a, const InclusiveRect& b, InclusiveRect& out) {
  InclusiveRect common = {a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                          a.right < b.right ? a.right : b.right,
                          a.bottom < b.bottom ? a.bottom : b.bottom};
  if (common.left > common.right || common.top > common.bottom) return false;
  out = common;
  return true;
}
