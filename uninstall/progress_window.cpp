#include "progress_window.h"

#include "base/gauge_painter.h"
#include "resource_ids.h"
#include "shared_file_dialog.h"

namespace {

constexpr COLORREF kBarColour = 0x800000;  // dark blue

}  // namespace

bool ProgressWindow::Open(const std::string& caption, const std::string& notice) {
  caption_ = caption;
  notice_ = notice;
  window_ = CreateDialogParamA(GetModuleHandleA(nullptr), "REMOVAL", nullptr, DialogProc,
                               reinterpret_cast<LPARAM>(this));
  if (!window_) return false;
  Pump();
  return true;
}

void ProgressWindow::Close() {
  if (window_) DestroyWindow(window_);
  window_ = nullptr;
}

INT_PTR CALLBACK ProgressWindow::DialogProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    reinterpret_cast<ProgressWindow*>(lParam)->window_ = window;
  }
  auto* self = reinterpret_cast<ProgressWindow*>(GetWindowLongPtrA(window, DWLP_USER));
  return self ? self->OnMessage(message, wParam, lParam) : FALSE;
}

INT_PTR ProgressWindow::OnMessage(UINT message, WPARAM, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowTextA(window_, caption_.c_str());
      SetDlgItemTextA(window_, kDlgNotice, notice_.c_str());
      return TRUE;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->CtlID != kDlgGauge) return FALSE;
      PaintGauge(item->hDC, item->rcItem, value_, kBarColour);
      return TRUE;
    }
    case WM_CLOSE:
      return TRUE;  // the removal cannot stop halfway
    default:
      return FALSE;
  }
}

void ProgressWindow::Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (window_ && IsDialogMessageA(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void ProgressWindow::Progress(int done, int total, const std::string& subject) {
  if (!window_) return;
  const int value = total > 0 ? static_cast<int>(static_cast<long long>(done) * 100 / total) : 100;
  SetDlgItemTextA(window_, kDlgSubject, subject.c_str());
  if (value != value_) {
    value_ = value;
    HWND gauge = GetDlgItem(window_, kDlgGauge);
    InvalidateRect(gauge, nullptr, FALSE);
    UpdateWindow(gauge);
  }
  Pump();
}

SharedAnswer ProgressWindow::RemoveSharedFile(const std::string& path) {
  return AskRemoveSharedFile(window_, path);
}
