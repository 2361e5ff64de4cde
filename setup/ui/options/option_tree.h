// The component tree's window (class "wndclassopttree"): a scrollable tree
// of check boxes made in place of a placeholder control of a dialog. The
// rules live in OptionTreeModel; this paints, scrolls, takes the mouse and
// the keyboard, and tells its owner through three virtual operations.
//
// Keys (the tree takes the focus with Tab): Up, Down, Page Up, Page Down,
// Home and End move the selection; Space toggles its box; "+" and Right
// expand, "-" and Left collapse (Right on an expanded group goes to its
// first child, Left on anything else to its parent).
#pragma once

#include "ui/options/model/option_tree_model.h"
#include "ui/dialogs/setup_window.h"

class OptionNode;

class OptionTree : public SetupWindow, private OptionTreeEvents, private LabelMeasure {
 public:
  static const char kClassName[];

  OptionTree(bool alwaysShowGlyph, bool liveRepaint);
  ~OptionTree() override;

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // What the owner hears (the model's events of the same names); the base
  // versions do nothing.
  void SelectionChanged(OptionNode& node) override;
  void NodeChanged(OptionNode& node) override;
  void ChangesDone() override;

  // The roots, linked as siblings (the tree does not own them).
  void SetRoots(OptionNode* firstRoot) { model_.SetRoots(firstRoot); }
  // Numbers the rows and measures them in the tree's font.
  void Finish() { model_.Finish(); }
  // Hides the placeholder and makes the tree window in its place, with its
  // rectangle, next to it in the tab order, under identifier id. False when
  // there is no placeholder or the window cannot be made.
  bool Attach(HWND dialog, int id, int placeholderId);

  OptionTreeModel& Model() { return model_; }
  HWND OwnerDialog() const { return dialog_; }

  // A key (a virtual key, or a character) and what it does in the tree.
  struct KeyBinding {
    WPARAM key;
    TreeKey treeKey;
  };

 private:
  void Paint();
  void ResetScrollBars();
  void OnKey(const KeyBinding* bindings, int count, WPARAM key);

  // OptionTreeEvents
  void RepaintRow(const OptionNode& node) override;
  void RepaintAll() override;
  void UpdateNow() override;
  void Scrolled(int rows, int pixels) override;
  void RangesChanged() override;
  void LongWalk(bool begins) override;
  // LabelMeasure
  void MeasureLabel(const char* text, int& width, int& height) override;

  OptionTreeModel model_;
  HFONT font_ = nullptr;
  HWND dialog_ = nullptr;
  HCURSOR savedCursor_ = nullptr;
  bool pressing_ = false;
  bool focused_ = false;
};
