// Test support for programs the utility starts on its own: their windows
// are found among all processes, and each one is ended by its process id.
#pragma once

#include <windows.h>

#include <string>

namespace kelvane_test {

struct StartedWindow {
  HWND hwnd = nullptr;
  DWORD pid = 0;
  std::string caption;
};

// Waits for a visible top-level window of a process other than the tests'
// own, whose caption begins with the prefix and whose class matches
// (nullptr: any class).
StartedWindow WaitStartedWindow(const std::string& captionPrefix, const char* cls, DWORD timeoutMs);
// Ends the process and waits until it is gone.
bool EndProcessById(DWORD pid);

// The stand-in tool built next to the tests.
std::string FakeToolPath();

// Places a copy of the stand-in tool at a path for the duration of a test
// (with the attribute word given) and removes it again.
class PlacedTool {
 public:
  PlacedTool(const std::string& path, DWORD attributes);
  ~PlacedTool();
  PlacedTool(const PlacedTool&) = delete;
  PlacedTool& operator=(const PlacedTool&) = delete;
  bool Placed() const { return placed_; }

 private:
  std::string path_;
  std::string madeFolder_;
  bool placed_ = false;
};

}  // namespace kelvane_test
