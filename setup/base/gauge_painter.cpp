#include "base/gauge_painter.h"

#include "base/gauge_geometry.h"
#include "base/numeric.h"

#include <cstdio>
#include <cstring>

namespace {

RECT ToRect(const GaugeArea& a) { return RECT{a.left, a.top, a.right, a.bottom}; }

// Bold 9 points; a vertical gauge's caption is turned to read upwards.
HFONT CaptionFont(HDC dc, bool horizontal) {
  int height = -RoundToInt(GetDeviceCaps(dc, LOGPIXELSY) * 9 / 72.0);
  int angle = horizontal ? 0 : 900;
  return CreateFontA(height, 0, angle, angle, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, horizontal ? "MS Sans Serif" : "Arial");
}

}  // namespace

void PaintGauge(HDC dc, const RECT& client, int value, COLORREF colour) {
  GaugeArea area{client.left, client.top, client.right, client.bottom};
  GaugeLayout layout = LayOutGauge(area, value);

  RECT filled = ToRect(layout.filled);
  RECT empty = ToRect(layout.empty);
  HBRUSH brush = CreateSolidBrush(colour);
  if (brush) {
    FillRect(dc, &filled, brush);
    DeleteObject(brush);
  }
  FillRect(dc, &empty, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

  char caption[8];
  std::snprintf(caption, sizeof caption, "%d%%", value);
  int length = static_cast<int>(std::strlen(caption));
  HFONT font = CaptionFont(dc, layout.horizontal);
  HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
  SIZE extent = {0, 0};
  GetTextExtentPoint32A(dc, caption, length, &extent);
  int oldMode = SetBkMode(dc, TRANSPARENT);
  CaptionOrigin origin = GaugeCaptionOrigin(area, layout.horizontal, extent.cx, extent.cy);
  TextOutA(dc, origin.x, origin.y, caption, length);
  SetBkMode(dc, oldMode);
  if (previous) SelectObject(dc, previous);
  if (font) DeleteObject(font);
}
