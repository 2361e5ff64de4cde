#include "fileops/legacy_file.h"

namespace {

// What OpenFile asks of the file system for mode.
HFILE CreateLikeOpenFile(const char* path, UINT mode) {
  DWORD access;
  DWORD creation = OPEN_EXISTING;
  if (mode & OF_CREATE) {
    access = GENERIC_READ | GENERIC_WRITE;
    creation = CREATE_ALWAYS;
  } else if ((mode & 3) == OF_WRITE) {
    access = GENERIC_WRITE;
  } else if ((mode & 3) == OF_READWRITE) {
    access = GENERIC_READ | GENERIC_WRITE;
  } else {
    access = GENERIC_READ;
  }
  DWORD sharing;
  switch (mode & 0x70) {
    case OF_SHARE_EXCLUSIVE:
      sharing = 0;
      break;
    case OF_SHARE_DENY_WRITE:
      sharing = FILE_SHARE_READ;
      break;
    case OF_SHARE_DENY_READ:
      sharing = FILE_SHARE_WRITE;
      break;
    default:
      sharing = FILE_SHARE_READ | FILE_SHARE_WRITE;
      break;
  }
  HANDLE file =
      CreateFileA(path, access, sharing, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return HFILE_ERROR;
  // Kernel handles fit in 32 bits on every Windows: this is how OpenFile
  // hands them out too.
  return static_cast<HFILE>(reinterpret_cast<INT_PTR>(file));
}

}  // namespace

HFILE OpenLegacyFile(const char* path, UINT mode) {
  if (path == nullptr || *path == '\0') return HFILE_ERROR;
  char full[MAX_PATH];
  const DWORD length = GetFullPathNameA(path, sizeof full, full, nullptr);
  if (length == 0 || length >= sizeof full) return HFILE_ERROR;
  if (length >= OFS_MAXPATHNAME) return CreateLikeOpenFile(full, mode);
  OFSTRUCT info;
  info.cBytes = sizeof info;
  return OpenFile(full, &info, mode);
}
