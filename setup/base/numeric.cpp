#include "base/numeric.h"

#include <climits>
#include <cmath>

int RoundToInt(double value) {
  double shifted = value + 0.5;
  if (std::isnan(shifted)) return 0;
  // Converting a double outside the int range is undefined; clamp instead.
  if (shifted >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (shifted <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(shifted);
}

double PixelsPerMillimetre(int resolutionPixels, int sizeMillimetres) {
  if (sizeMillimetres <= 0) return 0.0;
  return static_cast<double>(resolutionPixels) / sizeMillimetres;
}
