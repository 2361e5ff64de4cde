#include "base/dialog_values.h"

#include "base/setup_string.h"
#include "base/value_parse.h"

namespace {

// A window's text, cut to at most chars characters.
template <int chars>
struct TextOf {
  char text[chars + 1];
  explicit TextOf(HWND window) {
    text[0] = '\0';
    if (window) GetWindowTextA(window, text, chars + 1);
    text[chars] = '\0';
  }
};

template <int chars>
TextOf<chars> ControlText(HWND dialog, int id) {
  return TextOf<chars>(GetDlgItem(dialog, id));
}

// Formats on the heap: "%.16lf" of a large real runs to hundreds of
// characters, more than a small fixed buffer would hold.
bool SetFormatted(HWND dialog, int id, const char* format, ...) SETUP_PRINTF(3, 4);
bool SetFormatted(HWND dialog, int id, const char* format, ...) {
  SetupString text;
  va_list args;
  va_start(args, format);
  bool ok = text.FormatV(format, args);
  va_end(args);
  return ok && SetDlgItemTextA(dialog, id, text.Text()) != FALSE;
}

}  // namespace

bool DialogSetLong(HWND dialog, int id, long value) {
  return SetFormatted(dialog, id, "%ld", value);
}

bool DialogSetReal(HWND dialog, int id, double value) {
  return SetFormatted(dialog, id, "%.16lf", value);
}

bool DialogSetFloat(HWND dialog, int id, float value) {
  return SetFormatted(dialog, id, "%g", static_cast<double>(value));
}

bool DialogSetInt(HWND dialog, int id, int value) {
  return SetDlgItemInt(dialog, id, static_cast<UINT>(value), TRUE) != FALSE;
}

bool DialogGetLong(HWND dialog, int id, long& value) {
  return ParseLongValue(ControlText<kControlValueChars>(dialog, id).text, value);
}

bool DialogGetReal(HWND dialog, int id, double& value) {
  return ParseRealValue(ControlText<kControlValueChars>(dialog, id).text, value);
}

bool DialogGetFloat(HWND dialog, int id, float& value) {
  return ParseFloatValue(ControlText<kControlValueChars>(dialog, id).text, value);
}

bool DialogGetInt(HWND dialog, int id, int& value) {
  return ParseIntValue(ControlText<kControlValueChars>(dialog, id).text, value);
}

bool DialogIsBlank(HWND dialog, int id) {
  return IsBlankText(ControlText<kBlankTestChars>(dialog, id).text);
}

bool WindowTextLong(HWND window, long& value) {
  return ParseLongValue(TextOf<kWindowValueChars>(window).text, value);
}

bool WindowTextInt(HWND window, int& value) {
  return ParseIntValue(TextOf<kWindowValueChars>(window).text, value);
}

bool WindowTextUnsigned(HWND window, unsigned& value) {
  return ParseUnsignedValue(TextOf<kWindowValueChars>(window).text, value);
}
