#include "ui/background/background_window.h"

#include "base/failure_report.h"
#include "resources/string_ids.h"
#include "ui/background/model/button_model.h"
#include "ui/background/close_request.h"
#include "ui/background/model/colour_ramp.h"
#include "ui/dialogs/context_help.h"
#include "ui/background/icon_window.h"
#include "ui/background/ramp_painter.h"
#include "ui/background/title_painter.h"

BackgroundWindow::BackgroundWindow(IconWindow& icon, TitleSource& titles)
    : icon_(icon), titles_(titles) {
  icon_.SetBackground(this);
}

BackgroundWindow::~BackgroundWindow() { icon_.SetBackground(nullptr); }

bool BackgroundWindow::Create(FailureReport& reports, const char* productName) {
  WindowClassRecord cls;
  cls.name = kBackgroundClass;
  RegisterSetupClass(cls);
  if (!SetupWindow::Create(cls, FullScreenRecord(WS_POPUP, nullptr))) {
    reports.Report(kFileOpGeneral, kStrNoBackgroundWindow);
    return false;
  }
  SetWindowTextA(Handle(), productName ? productName : "");
  return true;
}

void BackgroundWindow::Minimise() {
  if (!Handle()) return;
  ShowOwnedPopups(Handle(), FALSE);
  ShowWindow(Handle(), SW_HIDE);
  if (icon_.Handle()) ShowWindow(icon_.Handle(), SW_SHOWMINIMIZED);
}

void BackgroundWindow::Restore() {
  if (!Handle()) return;
  if (icon_.Handle()) ShowWindow(icon_.Handle(), SW_HIDE);
  ShowWindow(Handle(), SW_SHOW);
  ShowOwnedPopups(Handle(), TRUE);
}

void BackgroundWindow::EnableMinimiseButton(bool enable) {
  if (minimiseButton_ && IsWindow(minimiseButton_)) EnableWindow(minimiseButton_, enable);
}

void BackgroundWindow::Paint(HDC dc, const InclusiveRect& invalid) {
  RECT client;
  GetClientRect(Handle(), &client);
  const InclusiveRect r{client.left, client.top, client.right - 1, client.bottom - 1};
  PaintRamp(dc, r, invalid, kBackgroundRamp);
  PaintTitle(dc, titles_, client.right, client.bottom);
  PaintBitmap(dc, client.right, client.bottom);
}

void BackgroundWindow::PaintBitmap(HDC dc, int width, int height) {
  HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), "BKBITMAP");
  if (!bitmap) return;
  BITMAP info;
  HDC memory = CreateCompatibleDC(dc);
  if (memory && GetObjectA(bitmap, sizeof info, &info)) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(dc, (width - info.bmWidth) / 2, (height - info.bmHeight) / 2, info.bmWidth,
           info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
  }
  if (memory) DeleteDC(memory);
  DeleteObject(bitmap);
}

void BackgroundWindow::OnCommand(int id, HWND focusBefore) {
  switch (id) {
    case kCloseCommand:
      CloseCurrentDialog(focusBefore, icon_.Handle());
      break;
    case kHelpCommand:
      if (help_) help_->ShowCurrent();
      break;
    case kMinimiseCommand:
      Minimise();
      break;
    default:
      break;
  }
}

LRESULT BackgroundWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(Handle(), &ps);
      if (dc && ps.rcPaint.right > ps.rcPaint.left && ps.rcPaint.bottom > ps.rcPaint.top)
        Paint(dc, InclusiveRect{ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - 1,
                                ps.rcPaint.bottom - 1});
      EndPaint(Handle(), &ps);
      return 0;
    }
    case WM_MOUSEACTIVATE:
      // Do not activate, and discard the click: the background never comes
      // in front of a dialog.
      return MA_NOACTIVATEANDEAT;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    default:
      return SetupWindow::HandleMessage(message, wParam, lParam);
  }
}
