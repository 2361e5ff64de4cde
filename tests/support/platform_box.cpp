#include "platform_box.h"

namespace uitest {

PlatformBoxAnswerer::PlatformBoxAnswerer(const char* text)
    : text_(text), worker_([this] { Run(); }) {}

PlatformBoxAnswerer::~PlatformBoxAnswerer() { worker_.join(); }

void PlatformBoxAnswerer::Run() {
  DWORD deadline = GetTickCount() + 10000;
  while (GetTickCount() < deadline) {
    HWND box = nullptr;
    while ((box = FindWindowExA(nullptr, box, "#32770", nullptr)) != nullptr) {
      DWORD pid = 0;
      GetWindowThreadProcessId(box, &pid);
      if (pid != GetCurrentProcessId() || !FindWindowExA(box, nullptr, "Static", text_.c_str()))
        continue;
      char title[128] = {0};
      GetWindowTextA(box, title, sizeof title);
      title_ = title;
      seen_ = true;
      PostMessageA(box, WM_COMMAND, IDOK, 0);
      return;
    }
    Sleep(20);
  }
}

}  // namespace uitest
