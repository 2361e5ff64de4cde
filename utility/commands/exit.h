#pragma once

namespace kelvane {

// The windows Exit unloads: the main window first, then every other one in
// the order they were loaded. The main form implements it.
class ProgramWindows {
 public:
  virtual ~ProgramWindows() = default;
  virtual void UnloadAll() = 0;
};

// Unloads every window, closes help and ends the program; however often it
// is entered, the program ends once.
void cmdExit_Click(ProgramWindows& windows);

}  // namespace kelvane
