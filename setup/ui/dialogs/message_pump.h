// Keeping the interface alive during long work, and placing windows.
#pragma once

#include <windows.h>

// Serves waiting messages: all of them when drain is true, else at most one.
// Answers whether any was served. Dialog keys are not filtered for any window.
bool PumpMessages(bool drain);
// Waits the given milliseconds, serving messages meanwhile.
void WaitServing(DWORD milliseconds);
// Serves messages until duration milliseconds have passed since start (tick).
void ServeUntil(DWORD start, DWORD duration);

// Centres the window on its parent or owner, or on the screen when it has
// none, kept on screen.
void CentreOnOwner(HWND window);
// Centres the window at (x, y), kept on screen; moved without repainting.
void CentreAtPoint(HWND window, int x, int y);
// Sets a window's text from a format (at most 511 characters).
void SetWindowTextFormat(HWND window, const char* format, ...);
// Dialog units to pixels: x × base width / 4, y × base height / 8.
int DialogUnitsToPixelsX(int x);
int DialogUnitsToPixelsY(int y);
