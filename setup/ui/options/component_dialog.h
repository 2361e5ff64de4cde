// "Select Components To Install" (template 1000): the option tree on the
// left; the selected option's description, the space the chosen files need
// (a figure and a gauge against the size of all files) and the free space
// of a chosen drive on the right. OK ends it with 0, Cancel with 1.
#pragma once

#include "ui/gauges/gauge.h"
#include "ui/prompts/help_dialog.h"
#include "ui/options/option_tree.h"

class DiskSpace;
class OptionForest;
struct ProductTables;
class ComponentDialog;

constexpr int kComponentHelpContext = 11;
constexpr COLORREF kComponentGaugeColour = 0x808080;
constexpr INT_PTR kComponentsChosen = 0;
constexpr INT_PTR kComponentsCancelled = 1;

// The tree of the component dialog: the selected option's description goes
// to the dialog, and after every change the option's copies are brought in
// step and the figures worked out again. It outlives each showing of the
// dialog, keeping its scroll position, expansion and selection.
class ComponentTree : public OptionTree {
 public:
  ComponentTree() : OptionTree(true, true) {}
  void SetDialog(ComponentDialog* dialog) { dialog_ = dialog; }
  void SelectionChanged(OptionNode& node) override;
  void ChangesDone() override;

 private:
  ComponentDialog* dialog_ = nullptr;
};

class ComponentDialog : public HelpDialog {
 public:
  ComponentDialog(ComponentTree& tree, const ProductTables& tables, OptionForest& forest,
                  DiskSpace& disk, ContextHelp* help);
  ~ComponentDialog() override;

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ShowDescription(const OptionNode& node);
  // The copies of each option in step with the one just changed, then the
  // figures again.
  void Resynchronise();

 private:
  void OnInit() override;
  bool OnCommand(int id) override;
  void UpdateFigures();

  ComponentTree& tree_;
  const ProductTables& tables_;
  OptionForest& forest_;
  DiskSpace& disk_;
  Gauge gauge_;
};
