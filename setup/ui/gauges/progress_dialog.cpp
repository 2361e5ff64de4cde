#include "ui/gauges/progress_dialog.h"
#include "resources/dialog_ids.h"

#include <cstdarg>
#include <cstdio>

bool ProgressDialog::Create(HWND parent, int* cancelFlag, COLORREF barColour, HICON icon,
                            int keepActive) {
  if (Handle()) return false;
  cancelFlag_ = cancelFlag;
  keepActive_ = keepActive;
  if (!CreateModelessDialog(*this, parent, MAKEINTRESOURCEA(kDlgProgress))) return false;
  HWND dialog = Handle();
  for (int i = 0; i < 3; ++i) lines_[i] = GetDlgItem(dialog, kFirstLine + i);
  SendDlgItemMessageA(dialog, kIcon, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  if (!bar_.Bind(GetDlgItem(dialog, kBar))) {
    Destroy();
    return false;
  }
  bar_.SetColour(barColour);
  return true;
}

void ProgressDialog::SetTitle(const char* title) {
  if (Handle()) SetWindowTextA(Handle(), title ? title : "");
}

void ProgressDialog::SetLine(int line, const char* format, ...) {
  if (line < 1 || line > 3 || !lines_[line - 1]) return;
  char text[kLineChars + 1];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  SetWindowTextA(lines_[line - 1], text);
}

void ProgressDialog::Show() {
  if (Handle()) ShowWindow(Handle(), SW_SHOW);
}

void ProgressDialog::Destroy() {
  bar_.Unbind();
  for (HWND& line : lines_) line = nullptr;
  if (Handle()) DestroyWindow(Handle());
}

// The window becoming active arrives with the deactivation; a window of
// this process (a billboard, the background) leaves the caption active.
bool ProgressDialog::KeepsCaptionActive(WPARAM becomingActive, LPARAM nowActive) const {
  if (becomingActive || !keepActive_) return false;
  HWND active = reinterpret_cast<HWND>(nowActive);
  if (!active || !IsWindow(active)) return false;
  DWORD process = 0;
  GetWindowThreadProcessId(active, &process);
  return process == GetCurrentProcessId();
}

LRESULT ProgressDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) return FALSE;
      if (cancelFlag_) *cancelFlag_ = 1;
      return TRUE;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) != SC_CLOSE) return FALSE;
      if (cancelFlag_) *cancelFlag_ = 1;
      return TRUE;
    case WM_NCACTIVATE:
      if (!KeepsCaptionActive(wParam, lParam)) return FALSE;
      DefWindowProcA(Handle(), WM_NCACTIVATE, TRUE, 0);
      SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, 1);
      return TRUE;
    default:
      return FALSE;
  }
}
