// The engine's own error boxes, as the file operations show their failures.
#pragma once

#include "base/error_boxes.h"

class EngineErrorBoxes : public ErrorBoxes {
 public:
  void ShowError(HWND owner, const char* text) override;
  void ShowOutOfMemory() override;
};
