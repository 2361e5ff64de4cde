#include "commands/exit.h"

#include "commands/help.h"
#include "runtime/application.h"

namespace kelvane {

void cmdExit_Click(ProgramWindows& windows) {
  static bool exiting = false;
  // Unloading the main window closes it, which enters Exit again.
  if (exiting) return;
  exiting = true;
  windows.UnloadAll();
  CloseHelp();
  app::End();
}

}  // namespace kelvane
