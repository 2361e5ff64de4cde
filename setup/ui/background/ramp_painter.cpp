#include "ui/background/ramp_painter.h"

namespace {

// Draws the cells for invalid into dc, whose origin is (originX, originY) of
// the client's coordinates.
void DrawCells(HDC dc, const InclusiveRect& client, const InclusiveRect& invalid,
               const RampColours& colours, int originX, int originY) {
  SetBrushOrgEx(dc, -originX, -originY, nullptr);
  const RampCellRange cells = RampCells(invalid);
  for (int i = cells.firstRow; i <= cells.lastRow; ++i) {
    for (int j = cells.firstColumn; j <= cells.lastColumn; ++j) {
      InclusiveRect part;
      if (!RampCellPart(i, j, invalid, part)) continue;
      HBRUSH brush = CreateSolidBrush(RampCellColour(client, colours, i, j));
      if (!brush) continue;
      RECT r = {part.left - originX, part.top - originY, part.right - originX + 1,
                part.bottom - originY + 1};
      FillRect(dc, &r, brush);
      DeleteObject(brush);
    }
  }
}

}  // namespace

void PaintRamp(HDC dc, const InclusiveRect& client, const InclusiveRect& invalid,
               const RampColours& colours) {
  const int width = invalid.right - invalid.left + 1;
  const int height = invalid.bottom - invalid.top + 1;
  if (width <= 0 || height <= 0) return;
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = memory ? CreateCompatibleBitmap(dc, width + 2, height + 2) : nullptr;
  if (!bitmap) {
    if (memory) DeleteDC(memory);
    DrawCells(dc, client, invalid, colours, 0, 0);
    return;
  }
  HGDIOBJ old = SelectObject(memory, bitmap);
  DrawCells(memory, client, invalid, colours, invalid.left, invalid.top);
  BitBlt(dc, invalid.left, invalid.top, width, height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
}
