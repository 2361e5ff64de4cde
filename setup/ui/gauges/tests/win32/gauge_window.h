// A visible pop-up holding static controls for gauges to bind to, and
// reading back what a gauge drew.
#pragma once

#include <windows.h>

namespace uitest {

inline HWND MakeHost(int width, int height) {
  HWND host = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 10, 10, width, height,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  UpdateWindow(host);
  return host;
}

inline HWND MakeStatic(HWND host, int x, int y, int width, int height) {
  HWND control = CreateWindowExA(0, "STATIC", "0%", WS_CHILD | WS_VISIBLE | SS_CENTER, x, y, width,
                                 height, host, nullptr, GetModuleHandleA(nullptr), nullptr);
  UpdateWindow(control);
  return control;
}

// A pixel of the control's client area as it is on screen now.
inline COLORREF PixelOf(HWND control, int x, int y) {
  HDC dc = GetDC(control);
  COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(control, dc);
  return colour;
}

constexpr COLORREF kWhite = RGB(255, 255, 255);

}  // namespace uitest
