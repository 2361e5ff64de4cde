// Reading and pressing the controls of a driven dialog.
#pragma once

#include "dialog_driver.h"

#include <string>

namespace uitest {

// The control's text, or "<none>" when the dialog has no such control.
inline std::string Item(HWND box, int id) {
  HWND item = GetDlgItem(box, id);
  return item ? TextOf(item) : "<none>";
}

inline void Click(HWND box, int id) {
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

// A handle that no longer names a window.
inline HWND DestroyedWindow() {
  HWND gone = CreateWindowExA(0, "STATIC", "gone", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  DestroyWindow(gone);
  return gone;
}

// The centre of a window's rectangle.
inline POINT CentreOf(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace uitest
