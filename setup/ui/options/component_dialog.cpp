#include "ui/options/component_dialog.h"

#include "base/option_record.h"
#include "base/product_tables.h"
#include "resources/dialog_ids.h"
#include "ui/options/model/component_space.h"
#include "ui/options/drive_list.h"
#include "ui/dialogs/message_pump.h"
#include "ui/options/model/option_forest.h"
#include "ui/options/model/option_node.h"
#include "ui/options/model/option_states.h"

void ComponentTree::SelectionChanged(OptionNode& node) {
  if (dialog_) dialog_->ShowDescription(node);
}

void ComponentTree::ChangesDone() {
  if (dialog_) dialog_->Resynchronise();
}

ComponentDialog::ComponentDialog(ComponentTree& tree, const ProductTables& tables,
                                 OptionForest& forest, DiskSpace& disk, ContextHelp* help)
    : HelpDialog(help), tree_(tree), tables_(tables), forest_(forest), disk_(disk) {}

ComponentDialog::~ComponentDialog() { tree_.SetDialog(nullptr); }

LRESULT ComponentDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == kComponentDrives) {
    if (HIWORD(wParam) == CBN_SELCHANGE)
      ShowFreeSpace(GetDlgItem(Handle(), kComponentDrives), GetDlgItem(Handle(), kComponentFree),
                    disk_);
    return TRUE;
  }
  if (message == WM_DESTROY) {
    gauge_.Unbind();
    tree_.SetDialog(nullptr);
  }
  LRESULT handled = HelpDialog::HandleMessage(message, wParam, lParam);
  // The focus was put on OK: the platform must not move it to the first
  // control (the tree).
  return message == WM_INITDIALOG ? FALSE : handled;
}

void ComponentDialog::OnInit() {
  HWND dialog = Handle();
  if (!tree_.Attach(dialog, kComponentTree, kComponentPlaceholder)) {
    EndDialog(dialog, -1);
    return;
  }
  tree_.SetDialog(this);
  gauge_.SetColour(kComponentGaugeColour);
  gauge_.Bind(GetDlgItem(dialog, kComponentGauge));
  HWND drives = GetDlgItem(dialog, kComponentDrives);
  FillDriveList(drives);
  UpdateFigures();
  ShowFreeSpace(drives, GetDlgItem(dialog, kComponentFree), disk_);
  // Shown again after a declined abort, the dialog shows what was chosen.
  if (OptionNode* selected = tree_.Model().Selected()) ShowDescription(*selected);
  CentreOnOwner(dialog);
  SetFocus(GetDlgItem(dialog, IDOK));
  RegisterHelp(kComponentHelpContext);
}

bool ComponentDialog::OnCommand(int id) {
  switch (id) {
    case IDOK:
      EndDialog(Handle(), kComponentsChosen);
      return true;
    case IDCANCEL:
      EndDialog(Handle(), kComponentsCancelled);
      return true;
    case kComponentHelp:
      ShowHelp();
      return true;
    default:
      return false;
  }
}

void ComponentDialog::ShowDescription(const OptionNode& node) {
  OptionRecord record;
  const bool described = ReadOptionRecord(tables_, node.option, record);
  record.description[kOptionDescriptionChars - 1] = '\0';
  SetDlgItemTextA(Handle(), kComponentDescription, described ? record.description : "");
}

void ComponentDialog::Resynchronise() {
  KeepCopiesInStep(forest_, tree_.Model());
  UpdateFigures();
}

void ComponentDialog::UpdateFigures() {
  SpaceFigures f = ComputeSpaceFigures(tables_, forest_);
  SetWindowTextFormat(GetDlgItem(Handle(), kComponentTotal), "%lu K", f.totalShown);
  SetWindowTextFormat(GetDlgItem(Handle(), kComponentRequired), "%lu K", f.chosenShown);
  gauge_.SetValue(f.percent);
}
