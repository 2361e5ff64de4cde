// What Backup, Restore and Undo Restore read of and tell the window they run
// from: the ticks of the eight rows, the commands an operation enables when
// it ends, and the notice and error forms it shows. The main form implements
// it, so the operations know no form of their own.
#pragma once

#include "core/form_layout.h"

namespace kelvane {

class OperationView {
 public:
  virtual ~OperationView() = default;
  // The check box of a protected file (row 0..7 of the table).
  virtual int RowValue(int row) const = 0;
  virtual void SetRowValue(int row, int value) = 0;
  // A command of the main window (its button or menu item).
  virtual void EnableCommand(int id) = 0;
  // Shows a notice form or the error form modally.
  virtual void ShowForm(FormId form) = 0;
};

}  // namespace kelvane
