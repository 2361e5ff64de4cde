// Small numeric helpers of the setup engine: its rounding rule, integer
// bounds and the screen's pixels per millimetre.
#pragma once

// Adds 0.5 and truncates toward zero. Values beyond the int range give the
// nearest int bound; NaN gives 0.
int RoundToInt(double value);

inline int MinInt(int a, int b) { return a < b ? a : b; }
inline int MaxInt(int a, int b) { return a > b ? a : b; }

// Resolution in pixels over the size in millimetres; 0 when the size is not
// positive (information contexts of some devices report none).
double PixelsPerMillimetre(int resolutionPixels, int sizeMillimetres);
