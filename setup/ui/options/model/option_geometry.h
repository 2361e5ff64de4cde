// Where the parts of a tree row lie in the tree's client area: the row, the
// check box, the glyph (plus, bar or small square) and the label. Each level
// of depth indents by 25 pixels; rectangles exclude their right and bottom
// edges.
#pragma once

constexpr int kIndentPixels = 25;
constexpr int kBoxSize = 13;
constexpr int kGlyphSize = 10;
constexpr int kPartGap = 3;

struct TreeRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// What the layout of one row depends on.
struct RowPlace {
  int depth = 0;
  int row = 0;
  int firstRow = 0;
  int rowHeight = 0;
  int offset = 0;  // horizontal scroll, pixels
  bool hasBox = true;
  bool hasGlyph = false;
  int labelWidth = 0;
  int labelHeight = 0;
};

struct RowGeometry {
  TreeRect row;  // ends at the label's right edge
  TreeRect box;  // zero-wide at (left, centre) without a box
  TreeRect glyph;
  TreeRect label;
  int centreY = 0;
};

RowGeometry LayOutRow(const RowPlace& place);

// What a press at a point of a row acts on.
enum RowPart { kPartNone = 0, kPartLabel = 1, kPartBox = 2, kPartGlyph = 3 };

// The label first, then the box (only a clickable one), then the glyph
// (only a node with children).
RowPart HitPart(const RowGeometry& g, bool clickableBox, bool hasChildren, int x, int y);
