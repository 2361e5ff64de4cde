// The boxes in which the file operations show a failure: the engine's
// "Error" box and its out-of-memory box in the program (ui/), a double in
// tests.
#pragma once

#include <windows.h>

class ErrorBoxes {
 public:
  virtual ~ErrorBoxes() = default;
  // The "Error" box with text, owned by owner.
  virtual void ShowError(HWND owner, const char* text) = 0;
  // The system-modal "Fatal error: Out of memory".
  virtual void ShowOutOfMemory() = 0;
};
