// The main window: eight check boxes, the command buttons and the menus.
#pragma once

#include "commands/exit.h"
#include "core/protected_files.h"
#include "operations/operation_view.h"
#include "runtime/form.h"

namespace kelvane {

// The operations and Exit reach it through OperationView and ProgramWindows.
class MainForm : public Form, public OperationView, public ProgramWindows {
 public:
  MainForm() : Form(MainFormLayout()) {}

  // Startup: refuses a second instance, sets the enabled state of the
  // commands from the two folders, shows the window and loads the others.
  // False when the program must end at once.
  bool Form_Load();

  // The check box of a protected file (row 0..7 of the table).
  int RowValue(int row) const override { return Value(ids::chkFirst + row); }
  void SetRowValue(int row, int value) override { SetValue(ids::chkFirst + row, value); }
  void EnableCommand(int id) override { SetEnabled(id, true); }
  void ShowForm(FormId form) override;

  void UnloadAll() override;

  void SelectionRule(int checkBoxId);
  void cmdSelectAll_Click();
  void cmdDeselectAll_Click();
  void cmdSelectDefault_Click();

 protected:
  void OnClick(int id) override;
  void OnClose() override;  // Form_UnLoad
};

// The program's windows, created once.
MainForm& Main();
Form& Secondary(FormId id);

}  // namespace kelvane
