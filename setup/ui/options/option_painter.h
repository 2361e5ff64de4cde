// Painting one row of the component tree: the row's background, the check
// box with its state, the glyph and the label (inverted when selected).
#pragma once

#include <windows.h>

#include "ui/options/model/option_geometry.h"

constexpr COLORREF kTreeGrey = 0x808080;
constexpr COLORREF kTreeCyan = 0xFFFF00;

enum GlyphShape { kGlyphNone, kGlyphPlus, kGlyphBar, kGlyphSquare };

struct RowPaint {
  RowGeometry geometry;
  int clientWidth = 0;
  int kind = 1;   // 0 grey box, 1 box, 2 none
  int state = 0;  // 0, 1 or 2 (grey fill)
  GlyphShape glyph = kGlyphNone;
  bool selected = false;
  bool focused = false;  // the selected label gets the focus rectangle
  const char* text = "";
};

// The tree's font is selected into dc by the caller.
void PaintOptionRow(HDC dc, const RowPaint& row);
