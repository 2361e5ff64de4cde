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

bool InRange(int value, int bound1, int bound2) {
  return value >= MinInt(bound1, bound2) && value <= MaxInt(bound1, bound2);
}

bool InRange(double value, double bound1, double bound2) {
  return value >= MinReal(bound1, bound2) && value <= MaxReal(bound1, bound2);
}

int ModuloNonNegative(int value, int divisor) {
  if (divisor == 0) return 0;
  long long modulus = divisor < 0 ? -static_cast<long long>(divisor) : divisor;
  long long rest = static_cast<long long>(value) % modulus;
  if (rest < 0) rest += modulus;
  return static_cast<int>(rest);
}

double PointDistance(int x1, int y1, int x2, int y2) {
  double dx = static_cast<double>(x2) - x1;
  double dy = static_cast<double>(y2) - y1;
  return std::sqrt(dx * dx + dy * dy);
}

double PixelsPerMillimetre(int resolutionPixels, int sizeMillimetres) {
  if (sizeMillimetres <= 0) return 0.0;
  return static_cast<double>(resolutionPixels) / sizeMillimetres;
}

double PixelsPerPoint(int logicalPixelsPerInch) { return logicalPixelsPerInch / 72.0; }

double MillimetresFromPixels(int pixels, int logicalPixelsPerInch) {
  if (logicalPixelsPerInch <= 0) return 0.0;
  return pixels * 25.4 / logicalPixelsPerInch;
}
