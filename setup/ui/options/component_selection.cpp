#include "ui/options/component_selection.h"

#include "base/abort_question.h"
#include "base/failure_report.h"
#include "base/product_tables.h"
#include "resources/dialog_ids.h"
#include "ui/options/component_dialog.h"
#include "ui/options/model/component_space.h"
#include "ui/options/model/option_forest.h"

bool RunComponentSelection(const ProductTables& tables, ComponentChoices& choices,
                           FailureReport& reports, DiskSpace& disk, AbortQuestion& abort,
                           HWND owner, ContextHelp* help) {
  if (tables.options.count <= 0) return true;
  OptionForest forest;
  switch (forest.Build(tables)) {
    case kBuilt:
      break;
    case kBuildNoMemory:
      reports.ReportOutOfMemory();
      return false;
    case kBuildRefused:
      return false;
  }
  ComponentTree tree;
  tree.SetRoots(forest.FirstRoot());
  tree.Finish();
  for (;;) {
    ComponentDialog dialog(tree, tables, forest, disk, help);
    const INT_PTR end = RunModalDialog(dialog, owner, MAKEINTRESOURCEA(kDlgComponents));
    if (end == kComponentsChosen && dialog.Initialised()) break;
    if (abort.ConfirmAbort(owner)) return false;
  }
  StoreChoices(tables, forest, choices);
  return true;
}
