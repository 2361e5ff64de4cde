#include "app/command_tail.h"

const char* CommandTail(const char* commandLine) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(commandLine ? commandLine : "");
  if (*p == '"') {
    ++p;
    while (*p && *p != '"') ++p;
    if (*p == '"') ++p;
  } else {
    while (*p > ' ') ++p;
  }
  while (*p && *p <= ' ') ++p;
  return reinterpret_cast<const char*>(p);
}

TailKind SourceDirectoryOf(const char* tail, char* directory, int size) {
  directory[0] = '\0';
  if (*tail == '\0') return TailKind::kEmpty;
  int length = 0;
  while (tail[length]) ++length;
  if (length >= 2 && tail[0] == '"' && tail[length - 1] == '"') {
    ++tail;
    length -= 2;
  }
  if (length >= size) return TailKind::kTooLong;
  for (int i = 0; i < length; ++i) directory[i] = tail[i];
  directory[length] = '\0';
  return TailKind::kDirectory;
}
