// Screen geometry without the platform: per-mille positions of the setup
// background and the placement of a window centred at a point.
#pragma once

// extent × perMille / 1000, multiplied in 64 bits and rounded to nearest
// (halves away from zero), so 1000 gives exactly the extent.
int PerMilleOf(int extent, int perMille);

struct Origin {
  int left;
  int top;
};

// The top-left corner that centres a width × height window at (x, y), moved
// back so the window does not pass the last pixel of a screenWidth ×
// screenHeight screen, then raised to at least 0.
Origin CentredOrigin(int x, int y, int width, int height, int screenWidth, int screenHeight);
