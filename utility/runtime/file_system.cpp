#include "runtime/file_system.h"

#include <windows.h>

#include "core/attribute_match.h"

namespace kelvane {

std::string WinDir() {
  char buffer[256] = {0};
  UINT n = GetWindowsDirectoryA(buffer, 255);
  // A result of 255 or more means the folder did not fit: the caller gets
  // what fitted rather than a read past the buffer.
  if (n > 255) n = 255;
  return std::string(buffer, n);
}

namespace {

// Searches for the path and reports whether an entry matches the mask. Only
// the presence of a match matters.
bool SearchWithMask(const std::string& path, unsigned mask, bool wantFolder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  bool match = false;
  do {
    if (AttributesMatch(mask, found.dwFileAttributes, wantFolder)) match = true;
  } while (!match && FindNextFileA(search, &found));
  FindClose(search);
  return match;
}

}  // namespace

bool ExistsAny(const std::string& path) { return SearchWithMask(path, 39, false); }
bool ExistsPlain(const std::string& path) { return SearchWithMask(path, 0, false); }
bool FolderExists(const std::string& path) { return SearchWithMask(path, 16, true); }
bool FolderExistsAny(const std::string& path) { return SearchWithMask(path, 55, true); }

bool SetAttributeWord(const std::string& path, unsigned attributes) {
  // The platform's "normal" is 0x80; the utility's word 0 means the same.
  DWORD word = attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
  return SetFileAttributesA(path.c_str(), word) != FALSE;
}

bool CopyOver(const std::string& source, const std::string& destination) {
  return CopyFileA(source.c_str(), destination.c_str(), FALSE) != FALSE;
}

bool MakeFolder(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

}  // namespace kelvane
