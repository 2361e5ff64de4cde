// The progress dialog of the copy phase (template 1700): three lines of
// text, an icon, a bar and a Cancel button. Cancelling only raises the
// caller's flag; the caller decides at its next pump point, and the dialog
// stays open meanwhile.
#pragma once

#include "ui/dialogs/dialog_object.h"
#include "ui/gauges/gauge.h"
#include "resources/dialog_ids.h"

class ProgressDialog : public DialogObject {
 public:
  static constexpr int kFirstLine = kProgressLine1;
  static constexpr int kBar = kProgressBar;
  static constexpr int kIcon = kProgressIcon;
  static constexpr int kLineChars = 511;

  // Makes the dialog (hidden until Show) under the parent. *cancelFlag is
  // set to 1 when the user asks to cancel. With keepActive set, the caption
  // stays active while another window of this program is active. False when
  // the dialog cannot be made or the bar cannot be bound (nothing is left).
  bool Create(HWND parent, int* cancelFlag, COLORREF barColour, HICON icon, int keepActive);
  // The caller names the dialog (the product's name).
  void SetTitle(const char* title);
  // Line 1, 2 or 3 from a format, cut to 511 characters; other lines are
  // ignored.
  void SetLine(int line, const char* format, ...);
  void SetBar(int value) { bar_.SetValue(value); }
  const Gauge& Bar() const { return bar_; }
  void Show();
  void Destroy();

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool KeepsCaptionActive(WPARAM becomingActive, LPARAM nowActive) const;
  HWND lines_[3] = {};
  Gauge bar_;
  int* cancelFlag_ = nullptr;
  int keepActive_ = 0;
};
