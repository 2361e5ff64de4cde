// The main window: eight check boxes, the command buttons and the menus.
#pragma once

#include "core/protected_files.h"
#include "runtime/form.h"

namespace kelvane {

class MainForm : public Form {
 public:
  MainForm() : Form(MainFormLayout()) {}

  // Startup: refuses a second instance, sets the enabled state of the
  // commands from the two folders, shows the window and loads the others.
  // False when the program must end at once.
  bool Form_Load();

  // The check box of a protected file (row 0..7 of the table).
  int RowValue(int row) const { return Value(ids::chkFirst + row); }
  void SetRowValue(int row, int value) { SetValue(ids::chkFirst + row, value); }

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
