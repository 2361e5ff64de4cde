// Messages: texts of the setup engine's string table, addressed by
// identifier and formatted printf-style. A text is loaded into a buffer of
// 256 characters, so at most 255 of it remain; an identifier that does not
// exist gives the empty text, not an error.
#pragma once

#include "base/setup_string.h"

#include <cstdarg>

constexpr int kMessageBufferChars = 256;

// Loads message id of the program's string table into out. False only when
// memory runs out (out keeps its old text).
bool LoadMessage(SetupString& out, unsigned id);
// Loads message id and formats it with the arguments into out.
bool FormatMessageText(SetupString& out, unsigned id, ...);
bool FormatMessageTextV(SetupString& out, unsigned id, va_list args);
