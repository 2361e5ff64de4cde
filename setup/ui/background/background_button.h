// A bitmap button on the background (close the current dialog, help,
// minimise). It remembers the window that had the focus before it, and
// posts its command with that window to the background when a press ends
// inside it. It has no keyboard interface.
#pragma once

#include "ui/background/model/button_model.h"
#include "ui/dialogs/setup_window.h"

constexpr char kBackgroundButtonClass[] = "wndclassbkbtn";

class BackgroundButton : public SetupWindow {
 public:
  explicit BackgroundButton(int index) : index_(index) {}

  // A 63 × 39 pop-up owned by background, centred on (cx, cy) in pixels,
  // shown and painted at once.
  bool Create(HWND background, int cx, int cy);

  int Index() const { return index_; }
  int Command() const { return ButtonCommand(index_); }
  ButtonPress::State PressState() const { return press_.state(); }
  HWND FocusBefore() const { return focusBefore_; }

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Apply(const PressEffect& effect);
  void PaintImage(HDC dc);

  int index_;
  HWND background_ = nullptr;
  HWND focusBefore_ = nullptr;
  ButtonPress press_;
};
