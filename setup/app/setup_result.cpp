#include "app/setup_result.h"

int DecideRestartKind(bool systemIniChanged, bool dosRestart, bool replacedAtRestart) {
  int kind = 0;
  if (systemIniChanged) kind = 1;
  if (dosRestart) kind = 2;
  if (replacedAtRestart && kind != 1) kind += 1;
  return kind;
}

int CompletionResult(int kind, int button, int before) {
  switch (kind) {
    case 0:
      return kSetupInstalled;
    case 1:
    case 2:
      if (button < 0) return kSetupFailed;
      if (button == 0) return kind == 1 ? kSetupRestartWindows : kSetupRestartDos;
      return kSetupInstalled;
    case 3:
      if (button < 0) return kSetupFailed;
      return button == 0 ? kSetupRestartBoth : before;
    default:
      return before;
  }
}
