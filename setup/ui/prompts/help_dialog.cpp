#include "ui/prompts/help_dialog.h"

#include "ui/dialogs/context_help.h"

LRESULT HelpDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      initialised_ = true;
      OnInit();
      return TRUE;
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam)) ? TRUE : FALSE;
    case WM_DESTROY:
      // Only a registration that took place is undone: a hook that could
      // not be set saved no context to restore.
      if (registered_) help_->Unregister();
      registered_ = false;
      return FALSE;
    default:
      return FALSE;
  }
}

void HelpDialog::RegisterHelp(int context) {
  if (help_) registered_ = help_->Register(Handle(), context);
}

void HelpDialog::ShowHelp() {
  if (help_) help_->ShowCurrent();
}
