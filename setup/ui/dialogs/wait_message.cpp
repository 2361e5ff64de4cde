#include "ui/dialogs/wait_message.h"

#include "resources/dialog_ids.h"
#include "resources/string_ids.h"
#include "ui/dialogs/message_pump.h"

namespace kiverset {

WaitMessage::~WaitMessage() { Close(false); }

bool WaitMessage::Open(HWND owner, const char* text, const char* title, DWORD minimumMs) {
  if (IsOpen()) Close(false);
  if (!CreateModelessDialog(*this, owner, "dlgmsgdlg")) return false;
  shownAt_ = GetTickCount();
  minimumMs_ = minimumMs;
  HWND box = Handle();
  CentreOnOwner(box);
  ShowWindow(box, SW_SHOW);
  SetWindowTextA(box, title ? title : "");
  SetDlgItemTextA(box, kDlgIcon, text ? text : "");
  PumpMessages(true);
  return true;
}

void WaitMessage::Close(bool wait) {
  if (!IsOpen()) return;
  if (wait) ServeUntil(shownAt_, minimumMs_);
  HWND box = Handle();
  if (box) DestroyWindow(box);
}

LRESULT WaitMessage::HandleMessage(UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

}  // namespace kiverset
