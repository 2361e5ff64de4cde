// kiverset: the setup engine's entry. The command-line tail names the
// install source directory; without one the usage box is shown.
#include "app/command_tail.h"
#include "base/message_text.h"
#include "resources/string_ids.h"
#include "ui/message_dialog.h"

#include <windows.h>

namespace {

// Exit codes of the engine (0 installed or usage shown, 1 failed).
constexpr int kSetupInstalled = 0;
constexpr int kSetupFailed = 1;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const char* tail = CommandTail(GetCommandLineA());
  if (*tail == '\0') {
    SetupString usage;
    LoadMessage(usage, kStrUsage);
    ShowErrorBox(nullptr, "%s", usage.Text());
    return kSetupInstalled;
  }
  // The installation object and its sequence are not part of this build
  // yet: a source directory cannot be installed from.
  return kSetupFailed;
}
