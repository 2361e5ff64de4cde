// Values of dialog controls: numbers written into a control's text and read
// back under the parse rule (one number, blanks around it allowed). A
// control's text is read up to 39 characters for numbers and up to 79 for
// the blank test; a window's own text up to 255.
#pragma once

#include <windows.h>

constexpr int kControlValueChars = 39;
constexpr int kBlankTestChars = 79;
constexpr int kWindowValueChars = 255;

// Each answers whether the control took the text.
bool DialogSetLong(HWND dialog, int id, long value);    // "%ld"
bool DialogSetReal(HWND dialog, int id, double value);  // "%.16lf"
bool DialogSetFloat(HWND dialog, int id, float value);  // "%g"
bool DialogSetInt(HWND dialog, int id, int value);      // signed decimal

// True only when the control's text holds exactly one number of the type;
// value is left untouched otherwise.
bool DialogGetLong(HWND dialog, int id, long& value);
bool DialogGetReal(HWND dialog, int id, double& value);
bool DialogGetFloat(HWND dialog, int id, float& value);
bool DialogGetInt(HWND dialog, int id, int& value);

// True when every character of the control's text is white space (an empty
// text too).
bool DialogIsBlank(HWND dialog, int id);

// The same integer parses of a window's own text.
bool WindowTextLong(HWND window, long& value);
bool WindowTextInt(HWND window, int& value);
bool WindowTextUnsigned(HWND window, unsigned& value);
