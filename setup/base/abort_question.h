// The one question behind every Cancel: whether to abandon the installation.
// The install sequence asks it; dialogs that can be cancelled are handed it.
#pragma once

#include <windows.h>

class AbortQuestion {
 public:
  virtual ~AbortQuestion() = default;
  // True when the user abandons the installation; false goes back to where
  // Cancel was pressed.
  virtual bool ConfirmAbort(HWND owner) = 0;
};
