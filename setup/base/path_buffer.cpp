#include "base/path_buffer.h"

#include <cstring>

bool PathBuffer::Set(const char* text) {
  if (!text) return false;
  // Measure no further than the buffer could hold.
  int length = 0;
  while (length <= kMaxLength && text[length] != '\0') ++length;
  if (length > kMaxLength) return false;
  std::memmove(path_, text, static_cast<std::size_t>(length) + 1);
  return true;
}
