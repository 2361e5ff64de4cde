#include "ui/options/model/option_geometry.h"

RowGeometry LayOutRow(const RowPlace& p) {
  RowGeometry g;
  const int top = (p.row - p.firstRow) * p.rowHeight;
  const int left = kIndentPixels * p.depth - p.offset;
  const int c = top + p.rowHeight / 2;
  g.centreY = c;

  const int boxLeft = left + kPartGap;
  if (p.hasBox)
    g.box = TreeRect{boxLeft, c - 6, boxLeft + kBoxSize, c + 7};
  else
    g.box = TreeRect{boxLeft, c, boxLeft, c};

  const int glyphLeft = g.box.right + kPartGap;
  const int gy = (g.box.top + g.box.bottom) / 2;
  if (p.hasGlyph)
    g.glyph = TreeRect{glyphLeft, gy - 5, glyphLeft + kGlyphSize, gy + 5};
  else
    g.glyph = TreeRect{glyphLeft, gy, glyphLeft, gy};

  const int labelLeft = g.glyph.right + kPartGap;
  const int labelTop = gy - p.labelHeight / 2;
  g.label = TreeRect{labelLeft, labelTop, labelLeft + p.labelWidth, labelTop + p.labelHeight};
  g.row = TreeRect{left, top, g.label.right, top + p.rowHeight};
  return g;
}

RowPart HitPart(const RowGeometry& g, bool clickableBox, bool hasChildren, int x, int y) {
  if (g.label.Contains(x, y)) return kPartLabel;
  if (clickableBox && g.box.Contains(x, y)) return kPartBox;
  if (hasChildren && g.glyph.Contains(x, y)) return kPartGlyph;
  return kPartNone;
}
