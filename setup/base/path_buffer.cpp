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

bool JoinPath(const char* directory, const char* name, PathBuffer& path) {
  if (directory == nullptr || name == nullptr) return false;
  const size_t length = std::strlen(directory);
  const bool separator = length > 0 && directory[length - 1] != '\\';
  const size_t nameLength = std::strlen(name);
  if (length + (separator ? 1 : 0) + nameLength > static_cast<size_t>(PathBuffer::kMaxLength))
    return false;
  char joined[PathBuffer::kCapacity];
  std::memcpy(joined, directory, length);
  char* end = joined + length;
  if (separator) *end++ = '\\';
  std::memcpy(end, name, nameLength + 1);
  return path.Set(joined);
}
