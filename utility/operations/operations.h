// The three operations on the protected files.
#pragma once

#include "operations/operation_view.h"

namespace kelvane {

void cmdBackup_Click(OperationView& view);
void cmdRestore_Click(OperationView& view);
void mnuUndo_Click(OperationView& view);

}  // namespace kelvane
