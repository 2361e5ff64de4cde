// Whether a path lies in a folder, by its text alone: the folder must be a
// case-insensitive prefix that ends at a backslash of the path (or at its
// end), so C:\WINDOWS\SYSTEM32X\A.DLL is not in C:\WINDOWS\SYSTEM32.
#include "fileops/shared_count.h"

namespace {

// Paths are compared as the file system does for the plain letters; other
// characters must match exactly.
char Folded(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

bool LiesInFolder(const char* path, const char* folder) {
  if (!path || !folder || !*folder) return false;
  size_t i = 0;
  for (; folder[i]; ++i)
    if (Folded(path[i]) != Folded(folder[i])) return false;
  // A folder written with its closing backslash (a drive's root) has already
  // matched the separator.
  if (folder[i - 1] == '\\') return true;
  return path[i] == '\\' || path[i] == '\0';
}
