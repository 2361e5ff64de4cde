// Dialog objects and their runners. A dialog object is a SetupWindow whose
// window is a dialog made from a template of the program's resources; its
// handler answers non-zero when it handled a message. The shared dialog
// procedure keeps the object in the dialog's user data field from
// initialisation on; messages before that are not handled.
#pragma once

#include "ui/dialogs/setup_window.h"

class DialogObject : public SetupWindow {
 public:
  // Default: nothing handled.
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // True while the object holds a modeless window it made.
  bool OwnsModeless() const { return modeless_ && Handle() != nullptr; }

 private:
  friend bool CreateModelessDialog(DialogObject&, HWND, const char*);
  bool modeless_ = false;
};

// The 3-D look (DS_3DLOOK) is set in a copy of each template when the
// shell record says newLook (CurrentShellInfo); these read and set it.
void SetNewLookFlag(bool on);
bool NewLookFlag();

// The dialog's end code, or -1 when the template cannot be loaded. The
// template is a name (found without regard to case) or MAKEINTRESOURCEA(n).
INT_PTR RunModalDialog(DialogObject& object, HWND owner, const char* templateName);
// The style a runner gives the platform for this template (the copy's under
// the new look); 0 when the template cannot be loaded.
DWORD RunnerTemplateStyle(const char* templateName);
// True when the modeless window exists.
bool CreateModelessDialog(DialogObject& object, HWND owner, const char* templateName);
