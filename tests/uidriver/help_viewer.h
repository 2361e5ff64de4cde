// The help viewer a program under test opens: found by its window class,
// its topic read, its process ended by id if a test leaves it running.
#pragma once

#include <windows.h>

#include <string>

#include "uidriver.h"

namespace uidriver {

// The viewer's main window (Windows' and Wine's viewers share the class).
inline HWND FindHelpViewer(DWORD* pid = nullptr) {
  HWND viewer = FindWindowA("MS_WINHELP", nullptr);
  if (viewer && pid) GetWindowThreadProcessId(viewer, pid);
  return viewer && IsWindowVisible(viewer) ? viewer : nullptr;
}

// The topic pane is the viewer's child window with the longest text.
inline std::string TopicText(HWND viewer) {
  std::string longest;
  for (const ControlInfo& c : Controls(viewer))
    if (c.text.size() > longest.size()) longest = c.text;
  return longest;
}

// Holds the viewer's process from the moment it is found, and ends it by
// its id if the test leaves it running.
struct ViewerGuard {
  DWORD pid = 0;
  HANDLE process = nullptr;
  bool Hold(HWND viewer) {
    if (!process && viewer && GetWindowThreadProcessId(viewer, &pid))
      process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
    return process != nullptr;
  }
  ~ViewerGuard() {
    if (!process) return;
    if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) TerminateProcess(process, 1);
    CloseHandle(process);
  }
};

}  // namespace uidriver
