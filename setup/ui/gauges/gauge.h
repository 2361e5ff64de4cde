// A bar that fills with a colour and carries its percentage as its
// caption, drawn over a static control of a dialog template. The control
// keeps every message of its own except paint.
#pragma once

#include "ui/dialogs/control_binding.h"

#include <windows.h>

class Gauge : public ControlBinding {
 public:
  static constexpr COLORREF kInitialColour = 0xC0C0C0;

  int Value() const { return value_; }
  COLORREF Colour() const { return colour_; }

  // Ignored outside 0–100 and when unchanged; otherwise the control is
  // invalidated without erasing and repainted at once.
  void SetValue(int value);
  // Takes effect at the next paint.
  void SetColour(COLORREF colour) { colour_ = colour; }
  void RepaintNow();

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc);
  int value_ = 0;
  COLORREF colour_ = kInitialColour;
};
