#include "base/message_text.h"

#include <windows.h>

namespace {

void LoadInto(char (&buffer)[kMessageBufferChars], unsigned id) {
  int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, kMessageBufferChars);
  if (length <= 0) length = 0;
  if (length > kMessageBufferChars - 1) length = kMessageBufferChars - 1;
  buffer[length] = '\0';
}

}  // namespace

bool LoadMessage(SetupString& out, unsigned id) {
  char buffer[kMessageBufferChars];
  LoadInto(buffer, id);
  return out.Assign(buffer);
}

bool FormatMessageText(SetupString& out, unsigned id, ...) {
  va_list args;
  va_start(args, id);
  bool ok = FormatMessageTextV(out, id, args);
  va_end(args);
  return ok;
}

bool FormatMessageTextV(SetupString& out, unsigned id, va_list args) {
  char format[kMessageBufferChars];
  LoadInto(format, id);
  return out.FormatV(format, args);
}
