// The background's colour ramp without the platform: the colour of a point,
// and the 16 × 16 cells that cover an invalid rectangle. Every cell's colour
// depends only on its position in the client rectangle, so a partial repaint
// joins the rest without a seam.
#pragma once

#include "base/inclusive_rect.h"

#include <cstdint>

constexpr int kRampCellSize = 16;

// 0x00BBGGRR colours at the client's top-left corner, at its right edge and
// at its bottom edge.
struct RampColours {
  std::uint32_t topLeft;
  std::uint32_t right;
  std::uint32_t bottom;
};

// Bright blue at the top to dark blue at the bottom.
constexpr RampColours kBackgroundRamp{0xFF0000, 0xFF0000, 0x320000};

// Per channel: base + (u × dx) / w + (v × dy) / h, each division truncated
// toward zero; each channel keeps its low 8 bits.
std::uint32_t RampColourAt(const InclusiveRect& client, const RampColours& colours, int x, int y);

// Rows and columns of the cells drawn for an invalid rectangle: one more on
// every side than the cells it touches.
struct RampCellRange {
  int firstRow;
  int lastRow;
  int firstColumn;
  int lastColumn;
};
RampCellRange RampCells(const InclusiveRect& invalid);

// A cell's colour: the colour at its centre (16j + 8, 16i + 8).
std::uint32_t RampCellColour(const InclusiveRect& client, const RampColours& colours, int row,
                             int column);

// The part of cell (row, column) inside invalid. A cell covers 17 × 17
// pixels (16j to 16(j + 1), both included); neighbours share a line.
// False when the cell has no pixel inside.
bool RampCellPart(int row, int column, const InclusiveRect& invalid, InclusiveRect& part);
