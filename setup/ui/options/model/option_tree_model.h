// The component tree without the platform: which node shows on which row,
// where its parts lie, what a press or a key does to it, and how far the
// tree is scrolled. What the window must do about it (repaint, scroll its
// content, show the wait cursor) and what the owner must hear (selection,
// changes) goes out through OptionTreeEvents.
#pragma once

#include "ui/options/model/option_geometry.h"
#include "ui/options/model/option_states.h"

class OptionNode;

// The size of a label in the tree's font.
class LabelMeasure {
 public:
  virtual ~LabelMeasure() = default;
  virtual void MeasureLabel(const char* text, int& width, int& height) = 0;
};

class OptionTreeEvents {
 public:
  virtual ~OptionTreeEvents() = default;
  virtual void RepaintRow(const OptionNode& node) = 0;  // a visible node's row
  virtual void RepaintAll() = 0;
  virtual void UpdateNow() = 0;
  // The first row moved by rows, the offset by pixels (one of them 0).
  virtual void Scrolled(int rows, int pixels) = 0;
  // The number of rows or the widest row changed.
  virtual void RangesChanged() = 0;
  // Around a walk of 500 rows or more.
  virtual void LongWalk(bool begins) = 0;
  virtual void SelectionChanged(OptionNode& node) = 0;
  virtual void NodeChanged(OptionNode& node) = 0;
  virtual void ChangesDone() = 0;
};

constexpr int kLongWalkRows = 500;

enum ScrollRequest {
  kScrollLineBack,
  kScrollLineOn,
  kScrollPageBack,
  kScrollPageOn,
  kScrollThumb,
  kScrollStart,
  kScrollEnd,
};

enum TreeKey {
  kKeyUp,
  kKeyDown,
  kKeyPageUp,
  kKeyPageDown,
  kKeyHome,
  kKeyEnd,
  kKeyLeft,   // collapse, else to the parent
  kKeyRight,  // expand, else to the first child
  kKeyToggle,
  kKeyExpand,
  kKeyCollapse,
};

class OptionTreeModel : public StateObserver {
 public:
  OptionTreeModel(bool alwaysShowGlyph, bool liveRepaint, LabelMeasure& measure,
                  OptionTreeEvents& events)
      : alwaysGlyph_(alwaysShowGlyph), live_(liveRepaint), measure_(measure), events_(events) {}

  // The roots, linked as siblings; the model does not own them.
  void SetRoots(OptionNode* firstRoot) { firstRoot_ = firstRoot; }
  // Numbers the rows, measures the labels, works out the widest row.
  void Finish();
  void SetRowHeight(int pixels) { rowHeight_ = pixels > 0 ? pixels : 1; }
  void SetClientSize(int width, int height);

  int RowHeight() const { return rowHeight_; }
  int FirstRow() const { return firstRow_; }
  int Offset() const { return offset_; }
  int RowCount() const { return rows_; }
  int WidestRow() const { return widest_; }
  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  // Rows a paint covers from the first visible one.
  int PaintRows() const { return clientHeight_ / rowHeight_ + 1; }
  OptionNode* Selected() const { return selected_; }
  OptionNode* FirstRoot() const { return firstRoot_; }
  bool GlyphShown(const OptionNode& node) const;
  bool IsVisible(const OptionNode& node) const;

  // The node on a row, null past the last one.
  OptionNode* NodeAtRow(int row);
  RowGeometry Geometry(OptionNode& node);

  // A left press at a client point.
  void Press(int x, int y);
  // The tree took the focus other than by a press: with nothing selected,
  // the first visible row is.
  void FocusGained();
  void Select(OptionNode& node);
  void ToggleCheckOf(OptionNode& node);
  void ToggleExpansion(OptionNode& node);
  void ScrollVertical(ScrollRequest request, int thumb);
  void ScrollHorizontal(ScrollRequest request, int thumb);
  void Key(TreeKey key);

  void StateShown(OptionNode& node) override;

 private:
  int FullRows() const;
  void ScrollToRow(int row);
  void EnsureVisible(const OptionNode& node);
  void SelectRow(int row);
  void RefreshCache();
  void MeasureWidest();

  bool alwaysGlyph_;
  bool live_;
  LabelMeasure& measure_;
  OptionTreeEvents& events_;
  OptionNode* firstRoot_ = nullptr;
  OptionNode* selected_ = nullptr;
  OptionNode* firstVisible_ = nullptr;  // the cached node of the first row
  int rowHeight_ = 1;
  int firstRow_ = 0;
  int offset_ = 0;
  int widest_ = 0;
  int rows_ = 0;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
};
