// The background window: covers the screen with the colour ramp, the
// product's title and the centred bitmap, owns every dialog of the install
// sequence, and carries out the commands of the background buttons (close
// the current dialog, help, minimise).
#pragma once

#include "base/inclusive_rect.h"
#include "ui/dialogs/setup_window.h"
#include "base/title_line.h"

class ContextHelp;
class FailureReport;
class IconWindow;

constexpr char kBackgroundClass[] = "wndclassbk";

class BackgroundWindow : public SetupWindow {
 public:
  // The icon window stands in for the background while it is minimised; it
  // is told about the background here.
  BackgroundWindow(IconWindow& icon, TitleSource& titles);
  ~BackgroundWindow() override;

  // Registers the class and creates the window, pop-up and not yet visible,
  // W × H at (0, 0), titled with the product name. Failure is reported
  // through reports.
  bool Create(FailureReport& reports, const char* productName);
  // The help object is made after the background (it is its owner).
  void SetHelp(ContextHelp* help) { help_ = help; }

  // Hides the owned pop-ups and the background and shows the icon window.
  void Minimise();
  // Hides the icon window and shows the background and its pop-ups again.
  void Restore();
  // The minimise button: created disabled, enabled during the copy phase.
  void AttachMinimiseButton(HWND button) { minimiseButton_ = button; }
  void EnableMinimiseButton(bool enable);

  // Paints the invalid rectangle (inclusive) onto dc: the ramp, then the
  // title, then the bitmap.
  void Paint(HDC dc, const InclusiveRect& invalid);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnCommand(int id, HWND focusBefore);
  void PaintBitmap(HDC dc, int width, int height);

  IconWindow& icon_;
  TitleSource& titles_;
  ContextHelp* help_ = nullptr;
  HWND minimiseButton_ = nullptr;
};
