// The program items phase: the product's group and items in Program Manager.
#include "app/phase_scopes.h"
#include "app/setup_application.h"
#include "base/shell_info.h"
#include "resources/string_ids.h"
#include "ui/dialogs/message_pump.h"

bool SetupApplication::ProgramItemsPhase() {
  InstallInfo& product = product_;
  const int count = product.ProgramItemCount();
  if (count <= 0) return true;
  BusyScope busy(Meter(), 1);
  PhaseStatus status(operations_, background_.Handle(), productName_);
  status.Open(kStrCreatingItems);
  const bool close = product.ProgramManagerCloseFlag() != 0;
  bool done = programManager_.begddepm(CurrentShellInfo().newShell != 0);
  for (int i = 0; i < count && done; ++i) {
    if (!items_.Selected(i)) continue;
    ProgramItem item;
    done = product.GetProgramItem(i, item) &&
           programManager_.AddItem(item.group, item.title, item.commandLine, item.iconPath.Get(),
                                   item.iconIndex, item.workingDirectory.Get()) &&
           !operations_.RecorderFailed();
    PumpMessages(false);
  }
  programManager_.End(close);
  return done;
}
