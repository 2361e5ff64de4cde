// Window objects: every window of the setup engine is an object that owns
// its platform window and receives the window's messages through a virtual
// handler. The object's address travels as the creation parameter; the
// shared window procedure keeps it in the window's per-window storage from
// the creation message until the destroy message has been handled.
#pragma once

#include <windows.h>

// Per-window storage of every engine class: one slot holding the object's
// address. The shipped i686 build needs exactly the 4 bytes of a 32-bit
// pointer; a 64-bit build needs 8, so the slot is sizeof(LONG_PTR) bytes and
// is read and written with GetWindowLongPtrA/SetWindowLongPtrA at offset 0.
constexpr int kWindowObjectSlotBytes = static_cast<int>(sizeof(LONG_PTR));
constexpr int kWindowObjectSlot = 0;

// Registering a class: menu none, style 0, brush none, arrow cursor, no class
// extra bytes, the object slot, the shared procedure, the program instance.
struct WindowClassRecord {
  const char* name = nullptr;
  UINT style = 0;
  HICON icon = nullptr;
  HBRUSH background = nullptr;
};

// Creating a window; every position and size defaults to CW_USEDEFAULT.
struct WindowCreationRecord {
  int left = CW_USEDEFAULT;
  int top = CW_USEDEFAULT;
  int width = CW_USEDEFAULT;
  int height = CW_USEDEFAULT;
  const char* title = nullptr;
  HWND parent = nullptr;
  DWORD style = 0;
  HMENU menuOrId = nullptr;
};

class SetupWindow {
 public:
  SetupWindow() = default;
  // A window that still exists here is a programmer's error: the developer's
  // check is shown and the window is unbound (its later messages go to the
  // default procedure) but not destroyed.
  virtual ~SetupWindow();
  SetupWindow(const SetupWindow&) = delete;
  SetupWindow& operator=(const SetupWindow&) = delete;

  virtual HWND Handle() const { return hwnd_; }
  // Windows: the message's result. Dialog objects: non-zero when handled.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // True when the window exists. The object is passed as the creation
  // parameter; the class must have been registered with RegisterSetupClass.
  bool Create(const WindowClassRecord& cls, const WindowCreationRecord& rec);
  // Unbinds the object, then destroys the window (the object sees no
  // destroy message).
  void Destroy();

 protected:
  // The platform's default handling for this object's window.
  LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);
  // For dialog objects, which bind through their own procedure.
  void SetHandle(HWND hwnd) { hwnd_ = hwnd; }

 private:
  friend LRESULT CALLBACK SetupWindowProc(HWND, UINT, WPARAM, LPARAM);
  friend INT_PTR CALLBACK SetupDialogProc(HWND, UINT, WPARAM, LPARAM);
  HWND hwnd_ = nullptr;
};

// Registers the class (the result is not checked: a class that already
// exists is fine, creation is what tells).
void RegisterSetupClass(const WindowClassRecord& cls);

LRESULT CALLBACK SetupWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SetupDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
