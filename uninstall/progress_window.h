// The small window the uninstaller works in: what it does, the record at
// hand and the gauge; the user it asks (the shared-file question) and
// tells (the box at the end) through it. One object per window, bound
// through the creation parameter.
#pragma once

#include <windows.h>

#include <string>

#include "core/removal.h"

class ProgressWindow : public RemovalUser {
 public:
  ProgressWindow() = default;
  ~ProgressWindow() { Close(); }
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  // From template "REMOVAL"; false when it cannot be made.
  bool Open(const std::string& caption, const std::string& notice);
  void Close();
  HWND Handle() const { return window_; }

  SharedAnswer RemoveSharedFile(const std::string& path) override;
  void Progress(int done, int total, const std::string& subject) override;

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Serves what waits, so the window paints while the work goes on.
  void Pump();

  HWND window_ = nullptr;
  std::string caption_, notice_;
  int value_ = 0;
};
