#include "ui/dialogs/model/per_mille.h"

#include <cstdint>

int PerMilleOf(int extent, int perMille) {
  std::int64_t product = static_cast<std::int64_t>(extent) * perMille;
  std::int64_t half = product < 0 ? -500 : 500;
  return static_cast<int>((product + half) / 1000);
}

Origin CentredOrigin(int x, int y, int width, int height, int screenWidth, int screenHeight) {
  Origin o{x - width / 2, y - height / 2};
  if (o.left + width > screenWidth - 1) o.left = screenWidth - 1 - width;
  if (o.top + height > screenHeight - 1) o.top = screenHeight - 1 - height;
  if (o.left < 0) o.left = 0;
  if (o.top < 0) o.top = 0;
  return o;
}
