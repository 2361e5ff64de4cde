// A short notice that needs no answer ("Setting/creating registration
// keys..." and the like): the modeless "DLGMSGDLG" kept up at least a
// minimum time.
#pragma once

#include "ui/dialogs/dialog_object.h"

// The platform has a function of the same name (user32's WaitMessage), so
// the class lives in the engine's namespace.
namespace kiverset {

class WaitMessage : public DialogObject {
 public:
  ~WaitMessage() override;  // closes without waiting
  // True when shown.
  bool Open(HWND owner, const char* text, const char* title, DWORD minimumMs);
  // With wait, serves messages until the minimum time since opening has
  // passed; then destroys the window.
  void Close(bool wait);
  bool IsOpen() const { return Handle() != nullptr; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  DWORD shownAt_ = 0;
  DWORD minimumMs_ = 0;
};

}  // namespace kiverset
