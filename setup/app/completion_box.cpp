// The completion box: tells the user setup is done and asks for the restart
// the installation needs; its answer is the run's result.
#include "app/setup_application.h"
#include "base/message_text.h"
#include "resources/string_ids.h"
#include "ui/dialogs/message_dialog.h"

namespace {

struct CompletionBoxKind {
  unsigned text;
  int icon;
  int helpContext;  // -1: none
};

constexpr CompletionBoxKind kKinds[] = {
    {kStrInstalled, MB_ICONINFORMATION, 9},
    {kStrRestartWindows, MB_ICONQUESTION, 7},
    {kStrRestartDos, MB_ICONQUESTION, 8},
    {kStrRestartBoth, MB_ICONINFORMATION, -1},
};

}  // namespace

int SetupApplication::CompletionBox() {
  int kind = product_.RestartKind();
  if (kind == 3) kind = DecideRestartKind(systemIniChanged_, dosRestart_, replacedAtRestart_);
  if (kind >= 0 && kind <= 3) {
    const CompletionBoxKind& look = kKinds[kind];
    SetupString format, title;
    LoadMessage(format, look.text);
    LoadMessage(title, kStrCompletedTitle);
    MessageDialog box;
    box.SetText(format.Text(), productName_);
    box.SetSystemIcon(look.icon);
    if (kind == 1 || kind == 2) {
      SetupString restart, stay;
      LoadMessage(restart, kStrRestart);
      LoadMessage(stay, kStrStayHere);
      box.SetLabels(restart.Text(), stay.Text());
      box.SetCancelButton(1);
    } else {
      box.SetStandardButtons(kind == 0 ? kSetOk : kSetOkCancel);
      box.SetCancelButton(0);
    }
    if (look.helpContext >= 0) box.SetHelp(Help(), look.helpContext);
    const int button = box.Show(background_.Handle(), kind == 3 ? productName_ : title.Text());
    result_ = CompletionResult(kind, button, result_);
  }
  if (result_ == kSetupInstalled) {
    if (HWND progman = FindWindowA("PROGMAN", nullptr)) ShowWindow(progman, SW_RESTORE);
  }
  return result_;
}
