#include "ui/background/model/colour_ramp.h"

namespace {

int Channel(std::uint32_t colour, int k) { return static_cast<int>((colour >> (8 * k)) & 0xFF); }

// Floor division by the cell size, also for coordinates left of or above 0.
int CellOf(int coordinate) {
  return coordinate >= 0 ? coordinate / kRampCellSize
                         : -((-coordinate + kRampCellSize - 1) / kRampCellSize);
}

}  // namespace

std::uint32_t RampColourAt(const InclusiveRect& client, const RampColours& colours, int x, int y) {
  const long long w = static_cast<long long>(client.right) - client.left + 1;
  const long long h = static_cast<long long>(client.bottom) - client.top + 1;
  const long long u = static_cast<long long>(x) - client.left;
  const long long v = static_cast<long long>(y) - client.top;
  std::uint32_t packed = 0;
  for (int k = 0; k < 3; ++k) {
    const long long base = Channel(colours.topLeft, k);
    const long long dx = Channel(colours.right, k) - base;
    const long long dy = Channel(colours.bottom, k) - base;
    long long value = base;
    if (w > 0) value += u * dx / w;
    if (h > 0) value += v * dy / h;
    packed |= (static_cast<std::uint32_t>(value) & 0xFF) << (8 * k);
  }
  return packed;
}

RampCellRange RampCells(const InclusiveRect& invalid) {
  return RampCellRange{CellOf(invalid.top) - 1, CellOf(invalid.bottom) + 1,
                       CellOf(invalid.left) - 1, CellOf(invalid.right) + 1};
}

std::uint32_t RampCellColour(const InclusiveRect& client, const RampColours& colours, int row,
                             int column) {
  return RampColourAt(client, colours, kRampCellSize * column + kRampCellSize / 2,
                      kRampCellSize * row + kRampCellSize / 2);
}

bool RampCellPart(int row, int column, const InclusiveRect& invalid, InclusiveRect& part) {
  const InclusiveRect cell{kRampCellSize * column, kRampCellSize * row,
                           kRampCellSize * (column + 1), kRampCellSize * (row + 1)};
  return IntersectRects(cell, invalid, part);
}
