#include "ui/options/option_painter.h"

#include <cstring>

namespace {

struct GlyphPoint {
  int x, y;
};

// Outlines relative to the glyph's top-left corner.
constexpr GlyphPoint kPlus[] = {{0, 3}, {3, 3}, {3, 0}, {6, 0}, {6, 3}, {9, 3}, {9, 6},
                                {6, 6}, {6, 9}, {3, 9}, {3, 6}, {0, 6}, {0, 3}};
constexpr GlyphPoint kBar[] = {{0, 3}, {9, 3}, {9, 6}, {0, 6}, {0, 3}};
constexpr GlyphPoint kSquare[] = {{3, 3}, {6, 3}, {6, 6}, {3, 6}, {3, 3}};

void FillWith(HDC dc, const RECT& r, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  if (!brush) return;
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

void Line(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

template <std::size_t N>
void Outline(HDC dc, int left, int top, const GlyphPoint (&points)[N]) {
  MoveToEx(dc, left + points[0].x, top + points[0].y, nullptr);
  for (std::size_t i = 1; i < N; ++i) LineTo(dc, left + points[i].x, top + points[i].y);
}

void PaintBox(HDC dc, const RowPaint& row) {
  const TreeRect& b = row.geometry.box;
  HPEN pen = CreatePen(PS_SOLID, 1, row.kind == 0 ? kTreeGrey : RGB(0, 0, 0));
  HGDIOBJ oldPen = pen ? SelectObject(dc, pen) : nullptr;
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, b.left, b.top, b.right, b.bottom);
  if (row.state == 1) {
    Line(dc, b.left, b.top, b.right, b.bottom);
    Line(dc, b.right - 1, b.top, b.left - 1, b.bottom);
  } else if (row.state == 2) {
    FillWith(dc, RECT{b.left + 1, b.top + 1, b.right - 1, b.bottom - 1}, kTreeGrey);
  }
  SelectObject(dc, oldBrush);
  if (oldPen) SelectObject(dc, oldPen);
  if (pen) DeleteObject(pen);
}

void PaintGlyph(HDC dc, const RowPaint& row) {
  const int x = row.geometry.glyph.left, y = row.geometry.glyph.top;
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  switch (row.glyph) {
    case kGlyphPlus:
      Outline(dc, x, y, kPlus);
      break;
    case kGlyphBar:
      Outline(dc, x, y, kBar);
      break;
    default:
      Outline(dc, x, y, kSquare);
      break;
  }
  HPEN cyan = CreatePen(PS_SOLID, 1, kTreeCyan);
  if (cyan) SelectObject(dc, cyan);
  if (row.glyph == kGlyphSquare) {
    for (int dx = 4; dx <= 5; ++dx)
      for (int dy = 4; dy <= 5; ++dy) SetPixel(dc, x + dx, y + dy, kTreeCyan);
  } else if (cyan) {
    Line(dc, x + 1, y + 4, x + 9, y + 4);
    Line(dc, x + 1, y + 5, x + 9, y + 5);
    if (row.glyph == kGlyphPlus) {
      Line(dc, x + 4, y + 1, x + 4, y + 9);
      Line(dc, x + 5, y + 1, x + 5, y + 9);
    }
  }
  SelectObject(dc, oldPen);
  if (cyan) DeleteObject(cyan);
}

void PaintLabel(HDC dc, const RowPaint& row) {
  const TreeRect& l = row.geometry.label;
  RECT r = {l.left, l.top, l.right, l.bottom};
  const COLORREF window = GetSysColor(COLOR_WINDOW), text = GetSysColor(COLOR_WINDOWTEXT);
  FillWith(dc, r, row.selected ? text : window);
  const COLORREF oldColour = SetTextColor(dc, row.selected ? window : text);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  TextOutA(dc, l.left, l.top, row.text, static_cast<int>(std::strlen(row.text)));
  SetBkMode(dc, oldMode);
  SetTextColor(dc, oldColour);
  if (row.selected && row.focused) DrawFocusRect(dc, &r);
}

}  // namespace

void PaintOptionRow(HDC dc, const RowPaint& row) {
  const RowGeometry& g = row.geometry;
  FillWith(dc, RECT{0, g.row.top, row.clientWidth, g.row.bottom}, GetSysColor(COLOR_WINDOW));
  if (row.kind != 2) PaintBox(dc, row);
  if (row.glyph != kGlyphNone) PaintGlyph(dc, row);
  PaintLabel(dc, row);
}
