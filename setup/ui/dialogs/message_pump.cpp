#include "ui/dialogs/message_pump.h"

#include "base/elapsed.h"
#include "ui/dialogs/model/per_mille.h"
#include "ui/dialogs/screen_metrics.h"

#include <cstdarg>
#include <cstdio>

bool PumpMessages(bool drain) {
  bool served = false;
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    served = true;
    if (msg.message == WM_QUIT) {
      // Leave the request for the loop that owns the program.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    if (!drain) break;
  }
  return served;
}

void ServeUntil(DWORD start, DWORD duration) {
  for (;;) {
    DWORD now = GetTickCount();
    if (TimeHasPassed(start, duration, now)) return;
    if (!PumpMessages(false)) {
      DWORD left = start + duration - now + 1;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, left, QS_ALLINPUT);
    }
  }
}

void WaitServing(DWORD milliseconds) { ServeUntil(GetTickCount(), milliseconds); }

void CentreOnOwner(HWND window) {
  HWND owner = GetParent(window);
  RECT area;
  if (owner) {
    GetWindowRect(owner, &area);
  } else {
    area.left = 0;
    area.top = 0;
    area.right = ScreenWidth();
    area.bottom = ScreenHeight();
  }
  CentreAtPoint(window, (area.left + area.right) / 2, (area.top + area.bottom) / 2);
}

void CentreAtPoint(HWND window, int x, int y) {
  RECT r;
  if (!GetWindowRect(window, &r)) return;
  Origin o = CentredOrigin(x, y, r.right - r.left, r.bottom - r.top, ScreenWidth(), ScreenHeight());
  SetWindowPos(window, nullptr, o.left, o.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

void SetWindowTextFormat(HWND window, const char* format, ...) {
  char text[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  SetWindowTextA(window, text);
}

int DialogUnitsToPixelsX(int x) { return x * LOWORD(GetDialogBaseUnits()) / 4; }
int DialogUnitsToPixelsY(int y) { return y * HIWORD(GetDialogBaseUnits()) / 8; }
