#include "message_box.h"

#include <cstdarg>

#include "base/message_text.h"

std::string LoadText(unsigned id, ...) {
  va_list args;
  va_start(args, id);
  SetupString text;
  const bool formatted = FormatMessageTextV(text, id, args);
  va_end(args);
  return formatted ? text.Text() : std::string();
}

int ShowMessage(HWND owner, const std::string& caption, UINT flags, const std::string& text) {
  return MessageBoxA(owner, text.c_str(), caption.c_str(), flags | MB_SETFOREGROUND);
}
