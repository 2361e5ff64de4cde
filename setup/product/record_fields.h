// Filling the fixed text fields of a product's records from its tables.
#pragma once

#include <cstdio>

#include "base/path_buffer.h"

// Copies text into a fixed field; false when it does not fit.
template <int N>
bool CopyField(char (&field)[N], const char* text) {
  const int written = std::snprintf(field, N, "%s", text);
  return written >= 0 && written < N;
}

// format with every %s a (up to two of them).
template <int N>
bool FormatField(char (&field)[N], const char* format, const char* a) {
  const int written = std::snprintf(field, N, format, a, a);
  return written >= 0 && written < N;
}

inline bool FormatPath(PathBuffer& path, const char* format, const char* a) {
  char text[PathBuffer::kCapacity];
  return FormatField(text, format, a) && path.Set(text);
}

inline bool ValidIndex(int index, int count) { return index >= 0 && index < count; }
