#include "runtime/application.h"

#include <commctrl.h>

#include "runtime/form.h"

namespace kelvane {
namespace app {

const char kTitle[] = "Configuration Haventide";

namespace {

HINSTANCE g_instance;
HANDLE g_instanceMutex;
Pointer g_pointer = Pointer::Default;
Form* g_main;
HACCEL g_shortcuts;

}  // namespace

bool Init(HINSTANCE instance) {
  g_instance = instance;
  InitCommonControls();
  return Form::RegisterFormClass(instance);
}

HINSTANCE Instance() { return g_instance; }

HFONT Font() {
  // The dialog font of Windows 95: MS Sans Serif, 8 points.
  static HFONT font = [] {
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    HFONT made = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
    return made ? made : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }();
  return font;
}

bool PreviousInstance() {
  g_instanceMutex = CreateMutexA(nullptr, FALSE, "ConfigurationHaventide.kelvane.Instance");
  return g_instanceMutex && GetLastError() == ERROR_ALREADY_EXISTS;
}

std::string ProgramFolder() {
  char path[MAX_PATH + 1] = {0};
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, n);
  std::string::size_type slash = folder.find_last_of('\\');
  if (slash == std::string::npos) return std::string();
  folder.erase(slash);
  // A drive root keeps its separator (C:\).
  if (folder.size() == 2 && folder[1] == ':') folder += '\\';
  return folder;
}

int MsgBox(const std::string& prompt, UINT flags, const char* title) {
  HWND owner = nullptr;
  if (Form* active = Form::Active())
    owner = active->Handle();
  else if (g_main)
    owner = g_main->Handle();
  return MessageBoxA(owner, prompt.c_str(), title ? title : kTitle, flags);
}

void Beep() { MessageBeep(0); }

void SetPointer(Pointer pointer) {
  g_pointer = pointer;
  SetCursor(LoadCursor(nullptr, pointer == Pointer::Hourglass ? IDC_WAIT : IDC_ARROW));
}

Pointer CurrentPointer() { return g_pointer; }

void SetMainForm(Form* form, HACCEL shortcuts) {
  g_main = form;
  g_shortcuts = shortcuts;
}

Form* MainForm() { return g_main; }

void Dispatch(MSG& msg) {
  Form* active = Form::Active();
  if (!active) active = g_main;
  if (active) {
    if (active == g_main && g_shortcuts &&
        TranslateAcceleratorA(g_main->Handle(), g_shortcuts, &msg))
      return;
    // Enter presses the default button, Esc the cancel button.
    if (IsDialogMessageA(active->Handle(), &msg)) {
      active->TrackFocus();
      return;
    }
  }
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
  if (active) active->TrackFocus();
}

void DoEvents() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Dispatch(msg);
  }
}

int Run() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
  return 0;
}

void End() {
  // Nothing is buffered: the process can end where it stands, however
  // deep in modal loops the request came from.
  if (g_instanceMutex) CloseHandle(g_instanceMutex);
  ExitProcess(0);
}

}  // namespace app
}  // namespace kelvane
