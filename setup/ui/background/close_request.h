// Closing the dialog the user is in, for the background's close button and
// the icon window's Close: the walk of close_walk.h over real windows.
#pragma once

#include <windows.h>

// Asks the window to close through its system menu: declines (false) when
// it has no system menu or its Close item is missing, disabled or greyed;
// otherwise posts it the system command Close and accepts.
bool AskWindowToClose(HWND window);

// Starts at focusBefore (the window that had the focus before the close
// button) and asks its dialog, then the thread's top-level windows; skip
// (the icon window) is never asked. The window that accepted, or null.
HWND CloseCurrentDialog(HWND focusBefore, HWND skip);
