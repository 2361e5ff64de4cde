// A UI driver for end-to-end tests: starts a Windows program, finds its
// windows, reads its controls, presses buttons and keys, answers message
// boxes, and (through an agent DLL it hooks into the program) reads and
// chooses menu items and reads tooltips. Every wait has a deadline.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace uidriver {

// Default deadline for waits, in milliseconds.
constexpr DWORD kWait = 10000;

// A wait of timeoutMs as this run allows it: HVT_TIME_FACTOR times as long
// (the tests of a route whose Wine runs in a software-emulated VM). Every
// wait below is stretched so; a test waiting by itself calls it too.
DWORD Deadline(DWORD timeoutMs);

// Polls until the condition holds or the deadline passes.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kWait);

// A file beside the test program itself.
std::string BesideTest(const std::string& fileName);
// The program under test: in the folder that HVT_PROGRAM_DIR names (a Unix
// path; the ship build's programs, where this machine runs them), else beside
// the test program (its own build of them).
std::string ProgramUnderTest(const std::string& fileName);

class Program {
 public:
  Program() = default;
  ~Program();  // ends the process if it still runs
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Start(const std::string& commandLine, const std::string& folder = std::string());
  // Takes on a process another program started (found by FindProcess), to
  // wait for it and end it as if this one had started it.
  bool Attach(DWORD pid);
  DWORD Id() const { return pid_; }
  bool Running() const;
  // Waits for the process to end; false on timeout.
  bool WaitExit(DWORD timeoutMs, DWORD* exitCode = nullptr);
  void Kill();

 private:
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
};

// The id of a running process whose program file is named fileName
// (case-insensitive, without folder); 0 when none runs.
DWORD FindProcess(const std::string& fileName);

// A visible top-level window of the process whose caption and/or class
// match exactly (nullptr: any).
HWND FindTopWindow(DWORD pid, const char* caption, const char* cls = nullptr);
HWND WaitTopWindow(DWORD pid, const char* caption, const char* cls = nullptr,
                   DWORD timeoutMs = kWait);
// Waits until no visible top-level window of the process has this caption.
bool WaitWindowGone(DWORD pid, const char* caption, DWORD timeoutMs = kWait);
std::vector<HWND> TopWindows(DWORD pid);

std::string Text(HWND window);
std::string ClassOf(HWND window);

struct ControlInfo {
  HWND hwnd;
  std::string cls;
  int id;
  std::string text;
  bool enabled;
  bool visible;
  int check;  // BM_GETCHECK for buttons, -1 otherwise
  RECT rect;  // in the parent's client coordinates
};
std::vector<ControlInfo> Controls(HWND parent);
HWND ControlById(HWND parent, int id);
HWND ControlByText(HWND parent, const std::string& text);
// The order in which Tab visits the controls.
std::vector<int> TabOrder(HWND parent);

// Presses a button or check box as a click would. False when the control
// is hidden or disabled (a person could not click it).
bool Click(HWND control);
// Clicks the left mouse button at a point of the window's client area (a
// point outside it, such as a scroll bar's arrow, is fine): the button
// pressed and released there as real input, the cursor moving there.
bool ClickAt(HWND window, int x, int y);
// Sends a key (VK_RETURN, VK_ESCAPE, VK_F1, VK_F4, ...) to the focused
// window of the top-level window's thread.
bool PressKey(HWND topLevel, UINT virtualKey);
// Types a key on the keyboard, as a person does, with the top-level window
// brought to the foreground first: it passes through the keyboard hooks of
// the program, which a posted key does not. False when the window could not
// be made the foreground window.
bool TypeKey(HWND topLevel, UINT virtualKey);
// Asks the window to close, as its close box does.
void CloseWindow(HWND topLevel);

struct MessageBoxInfo {
  std::string title;
  std::string text;
  std::vector<std::string> buttons;  // captions in creation order
};
bool ReadMessageBox(HWND box, MessageBoxInfo* info);
// Presses the box's button with this caption.
bool AnswerMessageBox(HWND box, const std::string& button);

// Menu and tooltips, read inside the program.
std::string MenuTree(HWND window);
// "Execute|Backup": 1 enabled, 0 greyed, -1 not found.
int MenuItemEnabled(HWND window, const std::string& path);
// Chooses the item; false when it is greyed or missing.
bool ChooseMenu(HWND window, const std::string& path);
// "<control id>\t<text>" a line.
std::string Tooltips(HWND window);
// A scroll bar's range, page and position (bar SB_HORZ or SB_VERT), read
// inside the program: Wine answers them only there. False when unreadable.
bool ScrollBarInfo(HWND window, int bar, SCROLLINFO* info);
// Has the program paint at once what waits to be painted in the window and
// its children, so that the screen shows all of it.
bool PaintNow(HWND window);

// What the screen shows of a rectangle, read pixel by pixel.
class ScreenImage {
 public:
  // False when nothing could be read.
  bool Capture(const RECT& screenRect);
  // Of a window's client area.
  bool CaptureClient(HWND window);
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The colour at (x, y) from the top-left corner; CLR_INVALID outside.
  COLORREF At(int x, int y) const;
  bool SaveBmp(const std::string& bmpPath) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<BYTE> bits_;  // as a 24-bit BMP file holds them, bottom row first
};

// Saves what the screen shows of window as a 24-bit BMP file; false when it
// cannot be read or written.
bool SaveWindowImage(HWND window, const std::string& bmpPath);

// "Z:\..." for a path on the host.
std::string HostPathToWindows(const std::string& hostPath);

}  // namespace uidriver
