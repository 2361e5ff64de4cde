// Small numeric helpers of the setup engine, and the conversions between
// device pixels and physical units used by the drawing surface.
#pragma once

// Adds 0.5 and truncates toward zero. Values beyond the int range give the
// nearest int bound; NaN gives 0.
int RoundToInt(double value);

inline int MinInt(int a, int b) { return a < b ? a : b; }
inline int MaxInt(int a, int b) { return a > b ? a : b; }
inline double MinReal(double a, double b) { return a < b ? a : b; }
inline double MaxReal(double a, double b) { return a > b ? a : b; }

// True when value lies between the two bounds, both included; the bounds
// may come in either order.
bool InRange(int value, int bound1, int bound2);
bool InRange(double value, double bound1, double bound2);

// value modulo |divisor| in [0, |divisor|); 0 when divisor is 0.
int ModuloNonNegative(int value, int divisor);

double PointDistance(int x1, int y1, int x2, int y2);

inline double DegreesFromRadians(double radians) { return radians * 57.29577951308232; }
inline double RadiansFromDegrees(double degrees) { return degrees * 0.017453292519943295; }

// Resolution in pixels over the size in millimetres; 0 when the size is not
// positive (information contexts of some devices report none).
double PixelsPerMillimetre(int resolutionPixels, int sizeMillimetres);
// Logical pixels per inch over 72.
double PixelsPerPoint(int logicalPixelsPerInch);
// pixels × 25.4 / logical pixels per inch; 0 when that is not positive.
double MillimetresFromPixels(int pixels, int logicalPixelsPerInch);
