#include "ui/background/background_button.h"

bool BackgroundButton::Create(HWND background, int cx, int cy) {
  WindowClassRecord cls;
  cls.name = kBackgroundButtonClass;
  RegisterSetupClass(cls);
  const ButtonOrigin origin = ButtonOriginAt(cx, cy);
  WindowCreationRecord rec;
  rec.left = origin.left;
  rec.top = origin.top;
  rec.width = kButtonWidth;
  rec.height = kButtonHeight;
  rec.parent = background;
  rec.style = WS_POPUP;
  // The identifier stays with the object: a pop-up's identifier field is its
  // menu, and a number there is no menu the platform would accept.
  background_ = background;
  if (!SetupWindow::Create(cls, rec)) return false;
  ShowWindow(Handle(), SW_SHOWNA);
  UpdateWindow(Handle());
  return true;
}

void BackgroundButton::Apply(const PressEffect& effect) {
  if (effect.capture) SetCapture(Handle());
  if (effect.release) ReleaseCapture();
  if (effect.repaint) {
    InvalidateRect(Handle(), nullptr, FALSE);
    UpdateWindow(Handle());
  }
  // Posted, not sent: the command runs after the button has repainted.
  if (effect.postCommand)
    PostMessageA(background_, WM_COMMAND, static_cast<WPARAM>(Command()),
                 reinterpret_cast<LPARAM>(focusBefore_));
}

void BackgroundButton::PaintImage(HDC dc) {
  HBITMAP image = LoadBitmapA(GetModuleHandleA(nullptr),
                              MAKEINTRESOURCEA(ButtonBitmap(index_, press_.ShowsPressed())));
  if (!image) return;
  HDC memory = CreateCompatibleDC(dc);
  if (memory) {
    HGDIOBJ old = SelectObject(memory, image);
    BitBlt(dc, 0, 0, kButtonWidth, kButtonHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
  }
  DeleteObject(image);
}

LRESULT BackgroundButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFOCUS:
      focusBefore_ = reinterpret_cast<HWND>(wParam);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(Handle(), &ps);
      if (dc) PaintImage(dc);
      EndPaint(Handle(), &ps);
      return 0;
    }
    case WM_LBUTTONDOWN:
      Apply(press_.Down());
      return 0;
    case WM_MOUSEMOVE: {
      RECT client;
      GetClientRect(Handle(), &client);
      const POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      Apply(press_.Move(PtInRect(&client, at) != FALSE));
      return 0;
    }
    case WM_LBUTTONUP:
      Apply(press_.Up());
      return 0;
    default:
      return SetupWindow::HandleMessage(message, wParam, lParam);
  }
}
