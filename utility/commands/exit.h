#pragma once

namespace kelvane {

// Unloads every window, closes help and ends the program; however often it
// is entered, the program ends once.
void cmdExit_Click();

}  // namespace kelvane
