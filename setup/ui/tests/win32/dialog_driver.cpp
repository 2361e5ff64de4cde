#include "dialog_driver.h"

namespace uitest {

namespace {

struct Run {
  const char* title;
  std::vector<Step> steps;
  size_t next = 0;
  int idleTicks = 0;
  HWND lastBox = nullptr;
};
Run* g_run = nullptr;

BOOL CALLBACK FindProc(HWND hwnd, LPARAM lParam) {
  auto* found = reinterpret_cast<std::pair<const char*, HWND>*>(lParam);
  char cls[32] = {0};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (IsWindowVisible(hwnd) && lstrcmpA(cls, "#32770") == 0 && TextOf(hwnd) == found->first) {
    found->second = hwnd;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (!g_run) return;
  HWND box = FindBox(g_run->title);
  if (g_run->next < g_run->steps.size()) {
    if (!box) return;
    Step step = g_run->steps[g_run->next];
    if (step.waitFor) {
      box = FindBox(step.waitFor);
      if (!box) return;
    }
    ++g_run->next;
    g_run->idleTicks = 0;
    step.run(box);
    return;
  }
  // All steps played: the box should go; end it if it stays for 5 s.
  if (box && ++g_run->idleTicks > 100) EndDialog(box, kStuck);
}

}  // namespace

HWND FindBox(const char* title) {
  std::pair<const char*, HWND> found{title, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), FindProc, reinterpret_cast<LPARAM>(&found));
  return found.second;
}

std::string TextOf(HWND window) {
  char text[1100] = {0};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

void PostKey(HWND box, UINT key) {
  HWND focus = GetFocus();
  if (!focus || (focus != box && !IsChild(box, focus))) focus = box;
  PostMessageA(focus, WM_KEYDOWN, key, 1);
  PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
}

int Driven(const char* title, std::vector<Step> steps, const std::function<int()>& show) {
  Run run{title, std::move(steps)};
  Run* outer = g_run;
  g_run = &run;
  UINT_PTR timer = SetTimer(nullptr, 0, 50, Tick);
  int result = show();
  KillTimer(nullptr, timer);
  g_run = outer;
  return result;
}

}  // namespace uitest
