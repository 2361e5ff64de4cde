// The three operations on the protected files.
#pragma once

namespace kelvane {

void cmdBackup_Click();
void cmdRestore_Click();
void mnuUndo_Click();

}  // namespace kelvane
