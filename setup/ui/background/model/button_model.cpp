#include "ui/background/model/button_model.h"
#include "resources/dialog_ids.h"

ButtonOrigin ButtonOriginAt(int cx, int cy) {
  return ButtonOrigin{cx - kButtonWidth / 2, cy - kButtonHeight / 2};
}

int ButtonCommand(int index) { return kFirstButtonCommand + index; }

int ButtonBitmap(int index, bool pressedInside) {
  return kButtonBitmap1 + 2 * index + (pressedInside ? 1 : 0);
}

PressEffect ButtonPress::Down() {
  PressEffect effect;
  if (state_ != kUp) return effect;
  state_ = kPressedInside;
  effect.capture = true;
  effect.repaint = true;
  return effect;
}

PressEffect ButtonPress::Move(bool inside) {
  PressEffect effect;
  if (state_ == kUp) return effect;
  const State next = inside ? kPressedInside : kPressedOutside;
  effect.repaint = next != state_;
  state_ = next;
  return effect;
}

PressEffect ButtonPress::Up() {
  PressEffect effect;
  if (state_ == kUp) return effect;
  effect.release = true;
  effect.repaint = true;
  effect.postCommand = state_ == kPressedInside;
  state_ = kUp;
  return effect;
}
