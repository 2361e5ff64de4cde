// Where a gauge puts its filled part, its empty part and its caption,
// without the platform. A gauge is horizontal when its client area is at
// least as wide as it is high; a horizontal gauge fills from the left, a
// vertical one from the bottom.
#pragma once

// Client rectangle in the platform's sense: right and bottom are excluded.
struct GaugeArea {
  int left;
  int top;
  int right;
  int bottom;
};

struct GaugeLayout {
  bool horizontal;
  GaugeArea filled;
  GaugeArea empty;
};

bool GaugeIsHorizontal(int width, int height);
// round(value × 0.01 × length), round being add 0.5 and truncate.
int GaugeFilledLength(int value, int length);
GaugeLayout LayOutGauge(const GaugeArea& client, int value);

struct CaptionOrigin {
  int x;
  int y;
};

// The point to write a textWidth × textHeight caption from, centred on the
// client area. A vertical caption reads upwards, so it starts at the bottom
// left of the text's rotated box.
CaptionOrigin GaugeCaptionOrigin(const GaugeArea& client, bool horizontal, int textWidth,
                                 int textHeight);
