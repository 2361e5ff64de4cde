#include "ui/dialogs/setup_window.h"

#include "ui/dialogs/developer_check.h"

namespace {

SetupWindow* ObjectOf(HWND hwnd) {
  return reinterpret_cast<SetupWindow*>(GetWindowLongPtrA(hwnd, kWindowObjectSlot));
}

}  // namespace

SetupWindow::~SetupWindow() {
  if (hwnd_ && IsWindow(hwnd_)) {
    ShowDeveloperCheck(kDelBeforeDestruction);
    // Dialogs keep the object in the user data field, other windows in the
    // object slot; clear whichever holds this object.
    if (ObjectOf(hwnd_) == this) SetWindowLongPtrA(hwnd_, kWindowObjectSlot, 0);
    if (reinterpret_cast<SetupWindow*>(GetWindowLongPtrA(hwnd_, GWLP_USERDATA)) == this)
      SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  }
  hwnd_ = nullptr;
}

LRESULT SetupWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefaultHandling(message, wParam, lParam);
}

LRESULT SetupWindow::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

bool SetupWindow::Create(const WindowClassRecord& cls, const WindowCreationRecord& rec) {
  HWND hwnd =
      CreateWindowExA(0, cls.name, rec.title, rec.style, rec.left, rec.top, rec.width, rec.height,
                      rec.parent, rec.menuOrId, GetModuleHandleA(nullptr), this);
  return hwnd != nullptr && hwnd_ == hwnd;
}

void SetupWindow::Destroy() {
  HWND hwnd = hwnd_;
  if (!hwnd) return;
  if (ObjectOf(hwnd) == this) SetWindowLongPtrA(hwnd, kWindowObjectSlot, 0);
  hwnd_ = nullptr;
  DestroyWindow(hwnd);
}

void RegisterSetupClass(const WindowClassRecord& cls) {
  WNDCLASSA wc = {};
  wc.style = cls.style;
  wc.lpfnWndProc = SetupWindowProc;
  wc.cbClsExtra = 0;
  wc.cbWndExtra = kWindowObjectSlotBytes;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hIcon = cls.icon;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = cls.background;
  wc.lpszMenuName = nullptr;
  wc.lpszClassName = cls.name;
  RegisterClassA(&wc);
}

LRESULT CALLBACK SetupWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  SetupWindow* object = ObjectOf(hwnd);
  if (!object && message == WM_CREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
    object = static_cast<SetupWindow*>(cs->lpCreateParams);
    if (object) {
      SetWindowLongPtrA(hwnd, kWindowObjectSlot, reinterpret_cast<LONG_PTR>(object));
      object->hwnd_ = hwnd;
    }
  }
  if (!object) return DefWindowProcA(hwnd, message, wParam, lParam);
  LRESULT result = object->HandleMessage(message, wParam, lParam);
  if (message == WM_DESTROY) {
    SetWindowLongPtrA(hwnd, kWindowObjectSlot, 0);
    object->hwnd_ = nullptr;
  }
  return result;
}

INT_PTR CALLBACK SetupDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* object = reinterpret_cast<SetupWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!object && message == WM_INITDIALOG) {
    object = reinterpret_cast<SetupWindow*>(lParam);
    if (object) {
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
      object->hwnd_ = hwnd;
    }
  }
  if (!object) return FALSE;
  INT_PTR handled = static_cast<INT_PTR>(object->HandleMessage(message, wParam, lParam));
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    object->hwnd_ = nullptr;
  }
  return handled;
}
