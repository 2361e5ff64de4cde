// The icon window: hidden while setup runs; it stands in for setup on the
// task bar while the background is minimised and carries the copy
// percentage in its title. Restore, Maximise and Close from its system
// menu bring the background back (Close then also closes the current
// dialog).
#pragma once

#include "ui/dialogs/setup_window.h"

class BackgroundWindow;
class FailureReport;

constexpr char kIconWindowClass[] = "wndclassic";
constexpr DWORD kIconWindowStyle =
    WS_MINIMIZE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

// The creation record of a window that covers the screen: W × H at (0, 0),
// parent the desktop window.
WindowCreationRecord FullScreenRecord(DWORD style, const char* title);

class IconWindow : public SetupWindow {
 public:
  // Loads ICONFINSTALL, registers the class with it and creates the window
  // W × H at (0, 0), titled with the product name, minimised and hidden.
  // Failure is reported through reports.
  bool Create(FailureReport& reports, const char* productName);
  void SetBackground(BackgroundWindow* background) { background_ = background; }
  HICON Icon() const { return icon_; }

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  BackgroundWindow* background_ = nullptr;
  HICON icon_ = nullptr;
};
