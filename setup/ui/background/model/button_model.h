// A background button without the platform: where it sits, which image it
// shows, and how a press turns into a command.
#pragma once

constexpr int kButtonWidth = 63;
constexpr int kButtonHeight = 39;
constexpr int kButtonCount = 3;
constexpr int kFirstButtonCommand = 101;  // close; 102 help; 103 minimise
constexpr int kCloseCommand = 101;
constexpr int kHelpCommand = 102;
constexpr int kMinimiseCommand = 103;
constexpr int kMinimiseButtonIndex = 2;

struct ButtonOrigin {
  int left;
  int top;
};

// The 63 × 39 button centred (rounded down) on (cx, cy).
ButtonOrigin ButtonOriginAt(int cx, int cy);
int ButtonCommand(int index);
// Bitmaps 2001, 2003, 2005 by index; the next one while pressed inside.
int ButtonBitmap(int index, bool pressedInside);

// What the window must do after an event of the mouse.
struct PressEffect {
  bool capture = false;
  bool release = false;
  bool repaint = false;
  bool postCommand = false;
};

class ButtonPress {
 public:
  enum State { kUp = 0, kPressedInside = 1, kPressedOutside = 2 };

  State state() const { return state_; }
  bool ShowsPressed() const { return state_ == kPressedInside; }

  // Left button down: only from the up state.
  PressEffect Down();
  // Pointer moved while pressed; a repaint only when the state changes.
  PressEffect Move(bool inside);
  // Left button up while pressed: the command only when it ends inside.
  PressEffect Up();

 private:
  State state_ = kUp;
};
