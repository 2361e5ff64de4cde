// Geometry of the background's title without the platform: where a line
// goes, how wide its characters must be to fill its target width, its drop
// shadow, and the box that holds all lines.
#pragma once

struct TitlePlacement {
  int x;
  int y;
  int targetWidth;
  int charHeight;
};

// Per-mille fields of a line converted for a W × H screen (rounded).
TitlePlacement PlaceTitleLine(int screenWidth, int screenHeight, int xPerMille, int yPerMille,
                              int widthPerMille, int heightPerMille);

// Character width that stretches a text measured at measuredWidth with
// average character width averageWidth to targetWidth (rounded). An empty
// text measures 0: it keeps the font's own width (0).
int StretchedCharWidth(int averageWidth, int targetWidth, int measuredWidth);

struct ShadowOffset {
  int x;
  int y;
};
// (px / 2, py / 2) for a light shadow, (px, py) for a dark one, else none.
ShadowOffset TitleShadowOffset(int shadow, int px, int py);

// The union of the lines' boxes (inclusive of their far corner).
class TitleBounds {
 public:
  void Add(int left, int top, int right, int bottom);
  bool Empty() const { return empty_; }
  int MinX() const { return minX_; }
  int MinY() const { return minY_; }
  int Width() const { return maxX_ - minX_ + 1; }
  int Height() const { return maxY_ - minY_ + 1; }

 private:
  bool empty_ = true;
  int minX_ = 0;
  int minY_ = 0;
  int maxX_ = 0;
  int maxY_ = 0;
};
