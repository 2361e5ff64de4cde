#include "ui/background/close_request.h"

#include "ui/background/model/close_walk.h"

namespace {

HWND H(WalkWindow w) { return static_cast<HWND>(const_cast<void*>(w)); }

class ThreadWindowsWorld : public CloseWalkWorld {
 public:
  WalkWindow ParentOf(WalkWindow w) override { return GetParent(H(w)); }
  bool IsPopup(WalkWindow w) override {
    return (GetWindowLongPtrA(H(w), GWL_STYLE) & WS_POPUP) != 0;
  }
  bool AskToClose(WalkWindow w) override { return AskWindowToClose(H(w)); }
  std::vector<WalkWindow> ThreadWindows() override {
    std::vector<WalkWindow> windows;
    EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&windows));
    return windows;
  }

 private:
  static BOOL CALLBACK Collect(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<WalkWindow>*>(list)->push_back(window);
    return TRUE;
  }
};

}  // namespace

bool AskWindowToClose(HWND window) {
  if (!IsWindow(window) || !(GetWindowLongPtrA(window, GWL_STYLE) & WS_SYSMENU)) return false;
  HMENU menu = GetSystemMenu(window, FALSE);
  if (!menu) return false;
  const UINT state = GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND);
  if (state == static_cast<UINT>(-1) || (state & (MF_DISABLED | MF_GRAYED))) return false;
  return PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0) != FALSE;
}

HWND CloseCurrentDialog(HWND focusBefore, HWND skip) {
  ThreadWindowsWorld world;
  return H(CloseCurrentWindow(world, focusBefore && IsWindow(focusBefore) ? focusBefore : nullptr,
                              skip));
}
