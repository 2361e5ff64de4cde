#include "dialog_driver.h"

#include <gtest/gtest.h>

#include "uidriver.h"

namespace uitest {

namespace {

struct Run {
  const char* title;
  std::vector<Step> steps;
  size_t next = 0;
  DWORD since = GetTickCount();  // the last step, or the end of the steps
};
Run* g_run = nullptr;

bool IsDialog(HWND hwnd) {
  char cls[32] = {0};
  GetClassNameA(hwnd, cls, sizeof cls);
  return IsWindowVisible(hwnd) && lstrcmpA(cls, "#32770") == 0;
}

BOOL CALLBACK FindProc(HWND hwnd, LPARAM lParam) {
  auto* found = reinterpret_cast<std::pair<const char*, HWND>*>(lParam);
  if (IsDialog(hwnd) && TextOf(hwnd) == found->first) {
    found->second = hwnd;
    return FALSE;
  }
  return TRUE;
}

// Every dialog of the thread, nested ones first, so that each modal loop
// can end.
BOOL CALLBACK EndProc(HWND hwnd, LPARAM) {
  if (IsDialog(hwnd)) EndDialog(hwnd, kStuck);
  return TRUE;
}
void EndEveryBox() { EnumThreadWindows(GetCurrentThreadId(), EndProc, 0); }

// A step that waits longer than this for its moment will never get it; a
// box still up this long after the last step was not answered as meant.
// Either way every box is ended, so that the test fails instead of hanging.
constexpr DWORD kStepWaitMs = 30000;
constexpr DWORD kLastBoxMs = 5000;

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (!g_run) return;
  HWND box = FindBox(g_run->title);
  if (g_run->next >= g_run->steps.size()) {
    if (box && GetTickCount() - g_run->since > uidriver::Deadline(kLastBoxMs)) EndEveryBox();
    return;
  }
  const Step& step = g_run->steps[g_run->next];
  HWND target = box && step.waitFor ? FindBox(step.waitFor) : box;
  const bool ready = step.gone ? box && !FindBox(step.gone) : target != nullptr;
  if (!ready) {
    if (GetTickCount() - g_run->since > uidriver::Deadline(kStepWaitMs)) {
      ADD_FAILURE() << "step " << g_run->next << " on \"" << g_run->title << "\" never came";
      g_run->next = g_run->steps.size();
      EndEveryBox();
    }
    return;
  }
  const Step run = step;
  ++g_run->next;
  g_run->since = GetTickCount();
  run.run(step.gone ? box : target);
  g_run->since = GetTickCount();
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
  timeoutMs = uidriver::Deadline(timeoutMs);
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
