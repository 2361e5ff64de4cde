// Drives a modal box of this thread from a timer: each tick runs the next
// step on the box once its moment has come (on a slow machine a box takes
// its time to appear or go); a watchdog ends every box with kStuck when a
// step never comes or a box stays after the last one.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace uitest {

constexpr int kStuck = -99;

// One step on the driven box; with waitFor, the step waits for a visible
// dialog of that caption and gets it instead; After(box, f) waits until no
// dialog of that caption is up any more, and gets the driven box.
struct Step {
  template <class F>
  Step(F f) : run(f) {}  // NOLINT: implicit, for brace lists of lambdas
  template <class F>
  Step(const char* box, F f) : waitFor(box), run(f) {}
  template <class F>
  static Step After(const char* box, F f) {
    Step step(f);
    step.gone = box;
    return step;
  }
  const char* waitFor = nullptr;
  const char* gone = nullptr;
  std::function<void(HWND box)> run;
};

// Runs show() (which opens a modal dialog) while the steps are played on
// the top-level dialog found by title, one every tick.
int Driven(const char* title, std::vector<Step> steps, const std::function<int()>& show);

// The visible dialog of this thread with this caption, or null.
HWND FindBox(const char* title);

// Key-down (repeat 1) posted to the focused control of the box.
void PostKey(HWND box, UINT key);
std::string TextOf(HWND window);
// Polls the condition every 20 ms until it holds or the deadline passes.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

}  // namespace uitest
