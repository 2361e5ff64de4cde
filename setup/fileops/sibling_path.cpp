#include "fileops/sibling_path.h"

#include <cstring>

bool SiblingPath(const char* path, const char* name, char* text, size_t size) {
  if (!text || size == 0) return false;
  text[0] = '\0';
  if (!path || !name) return false;
  // What stays of path: up to its last separator (which becomes a
  // backslash), or the drive of "X:name", or nothing.
  size_t keep = 0;
  bool separator = false;
  for (size_t i = 0; path[i]; ++i)
    if (path[i] == '\\' || path[i] == '/') {
      keep = i;
      separator = true;
    }
  if (!separator && path[0] && path[1] == ':') keep = 2;
  const size_t nameLength = std::strlen(name);
  const size_t length = keep + (separator ? 1 : 0) + nameLength;
  if (length + 1 > size) return false;
  std::memcpy(text, path, keep);
  if (separator) text[keep] = '\\';
  std::memcpy(text + length - nameLength, name, nameLength + 1);
  return true;
}
