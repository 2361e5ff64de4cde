#include "ui/options/model/option_tree_model.h"

#include "base/numeric.h"
#include "ui/options/model/option_node.h"
#include "ui/options/model/option_order.h"

#include <cstdlib>

namespace {

// Where a scroll request takes a position that runs from 0 to end.
int ScrollTarget(ScrollRequest request, int current, int line, int page, int thumb, int end) {
  int target = current;
  switch (request) {
    case kScrollLineBack:
      target = current - line;
      break;
    case kScrollLineOn:
      target = current + line;
      break;
    case kScrollPageBack:
      target = current - page;
      break;
    case kScrollPageOn:
      target = current + page;
      break;
    case kScrollThumb:
      target = thumb;
      break;
    case kScrollStart:
      target = 0;
      break;
    case kScrollEnd:
      target = end;
      break;
  }
  return MaxInt(0, MinInt(target, end));
}

}  // namespace

void OptionTreeModel::Finish() {
  rows_ = NumberRows(firstRoot_);
  firstRow_ = MaxInt(0, MinInt(firstRow_, rows_ - 1));
  firstVisible_ = nullptr;
  RefreshCache();
  MeasureWidest();
}

void OptionTreeModel::SetClientSize(int width, int height) {
  clientWidth_ = MaxInt(0, width);
  clientHeight_ = MaxInt(0, height);
}

bool OptionTreeModel::GlyphShown(const OptionNode& node) const {
  return node.HasChildren() || alwaysGlyph_;
}

bool OptionTreeModel::IsVisible(const OptionNode& node) const {
  for (const OptionNode* p = node.parent; p; p = p->parent)
    if (!p->expanded) return false;
  return true;
}

OptionNode* OptionTreeModel::NodeAtRow(int row) {
  if (row < 0 || row >= rows_ || !firstRoot_) return nullptr;
  OptionNode* node = firstRoot_;
  int from = 0;
  if (firstVisible_ && std::abs(row - firstVisible_->row) < row) {
    node = firstVisible_;
    from = firstVisible_->row;
  }
  const bool longWalk = std::abs(row - from) >= kLongWalkRows;
  if (longWalk) events_.LongWalk(true);
  for (; node && from < row; ++from) node = NextVisible(node);
  for (; node && from > row; --from) node = PreviousVisible(node);
  if (longWalk) events_.LongWalk(false);
  return node;
}

RowGeometry OptionTreeModel::Geometry(OptionNode& node) {
  if (node.labelWidth < 0) measure_.MeasureLabel(node.text, node.labelWidth, node.labelHeight);
  RowPlace place;
  place.depth = node.Depth();
  place.row = node.row;
  place.firstRow = firstRow_;
  place.rowHeight = rowHeight_;
  place.offset = offset_;
  place.hasBox = node.kind != kKindLabel;
  place.hasGlyph = GlyphShown(node);
  place.labelWidth = node.labelWidth;
  place.labelHeight = node.labelHeight;
  return LayOutRow(place);
}

void OptionTreeModel::Press(int x, int y) {
  if (x < 0 || y < 0 || x >= clientWidth_ || y >= clientHeight_) return;
  OptionNode* node = NodeAtRow(firstRow_ + y / rowHeight_);
  if (!node) return;
  switch (HitPart(Geometry(*node), node->kind == kKindBox, node->HasChildren(), x, y)) {
    case kPartLabel:
      Select(*node);
      break;
    case kPartBox:
      Select(*node);
      ToggleCheckOf(*node);
      break;
    case kPartGlyph:
      Select(*node);
      ToggleExpansion(*node);
      break;
    case kPartNone:
      break;
  }
}

void OptionTreeModel::FocusGained() {
  if (!selected_) SelectRow(firstRow_);
}

void OptionTreeModel::Select(OptionNode& node) {
  if (selected_ && IsVisible(*selected_)) events_.RepaintRow(*selected_);
  events_.RepaintRow(node);
  selected_ = &node;
  events_.SelectionChanged(node);
  events_.UpdateNow();
}

void OptionTreeModel::ToggleCheckOf(OptionNode& node) {
  ToggleCheck(node, *this);
  for (OptionNode* n = firstRoot_; n; n = NextVisible(n))
    if (n->changed) events_.NodeChanged(*n);
  events_.ChangesDone();
  // Every mark goes, hidden ones too: one left on a hidden copy would win
  // over the user's next change to another copy of its option.
  ClearChangedMarks(firstRoot_);
  if (!live_) events_.RepaintAll();
  events_.UpdateNow();
}

void OptionTreeModel::ToggleExpansion(OptionNode& node) {
  node.expanded = node.expanded ? 0 : 1;
  // A selection hidden by the collapse moves to the node that hid it, where
  // the keys can go on from.
  const bool selectionHidden = selected_ && !IsVisible(*selected_);
  if (selectionHidden) selected_ = &node;
  rows_ = NumberRows(firstRoot_);
  MeasureWidest();
  firstRow_ = MaxInt(0, MinInt(firstRow_, rows_ - 1));
  offset_ = MinInt(offset_, widest_);
  firstVisible_ = nullptr;
  RefreshCache();
  events_.RangesChanged();
  events_.RepaintAll();
  if (selectionHidden) events_.SelectionChanged(node);
}

void OptionTreeModel::ScrollVertical(ScrollRequest request, int thumb) {
  int target = ScrollTarget(request, firstRow_, 1, FullRows(), thumb, rows_);
  int moved = target - firstRow_;
  if (!moved) return;
  firstRow_ = target;
  RefreshCache();
  events_.Scrolled(moved, 0);
}

void OptionTreeModel::ScrollHorizontal(ScrollRequest request, int thumb) {
  int target = ScrollTarget(request, offset_, rowHeight_, clientWidth_, thumb, widest_);
  int moved = target - offset_;
  if (!moved) return;
  offset_ = target;
  events_.Scrolled(0, moved);
}

void OptionTreeModel::Key(TreeKey key) {
  if (!selected_) {
    SelectRow(firstRow_);
    return;
  }
  OptionNode& node = *selected_;
  switch (key) {
    case kKeyUp:
    case kKeyDown: {
      OptionNode* to = key == kKeyUp ? PreviousVisible(&node) : NextVisible(&node);
      if (to) SelectRow(to->row);
      break;
    }
    case kKeyPageUp:
      SelectRow(MaxInt(0, node.row - FullRows()));
      break;
    case kKeyPageDown:
      SelectRow(MinInt(rows_ - 1, node.row + FullRows()));
      break;
    case kKeyHome:
      SelectRow(0);
      break;
    case kKeyEnd:
      SelectRow(rows_ - 1);
      break;
    case kKeyLeft:
      if (node.HasChildren() && node.expanded)
        ToggleExpansion(node);
      else if (node.parent)
        SelectRow(node.parent->row);
      break;
    case kKeyRight:
      if (node.HasChildren() && !node.expanded)
        ToggleExpansion(node);
      else if (node.HasChildren())
        SelectRow(node.firstChild->row);
      break;
    case kKeyExpand:
    case kKeyCollapse:
      if (node.HasChildren() && (node.expanded != 0) == (key == kKeyCollapse))
        ToggleExpansion(node);
      break;
    case kKeyToggle:
      if (node.kind == kKindBox) ToggleCheckOf(node);
      break;
  }
}

void OptionTreeModel::StateShown(OptionNode& node) {
  if (live_ && IsVisible(node)) events_.RepaintRow(node);
}

int OptionTreeModel::FullRows() const { return MaxInt(1, clientHeight_ / rowHeight_); }

void OptionTreeModel::SelectRow(int row) {
  OptionNode* node = NodeAtRow(row);
  if (!node) return;
  EnsureVisible(*node);
  if (node != selected_) Select(*node);
}

void OptionTreeModel::EnsureVisible(const OptionNode& node) {
  if (node.row < firstRow_)
    ScrollVertical(kScrollThumb, node.row);
  else if (node.row >= firstRow_ + FullRows())
    ScrollVertical(kScrollThumb, node.row - FullRows() + 1);
}

void OptionTreeModel::RefreshCache() { firstVisible_ = NodeAtRow(firstRow_); }

void OptionTreeModel::MeasureWidest() {
  widest_ = 0;
  const int offset = offset_;
  offset_ = 0;
  for (OptionNode* n = firstRoot_; n; n = NextVisible(n))
    widest_ = MaxInt(widest_, Geometry(*n).label.right);
  offset_ = offset;
}
