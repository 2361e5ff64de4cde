#include "ui/dialogs/engine_error_boxes.h"

#include "ui/dialogs/message_dialog.h"

void EngineErrorBoxes::ShowError(HWND owner, const char* text) {
  ShowErrorBox(owner, "%s", text ? text : "");
}

void EngineErrorBoxes::ShowOutOfMemory() { ::ShowOutOfMemory(); }
