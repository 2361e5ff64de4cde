// The existence rule, a file's length and the free names the file
// operations look for.
#include "fileops/file_operations.h"
#include "fileops/path_names.h"
#include "fileops/file_facts.h"
#include "fileops/file_names.h"

namespace {

bool Exists(const char* path, void*) { return PathExists(path); }

}  // namespace

bool PathExists(const char* path) {
  if (path_names::IsDriveOnly(path)) return true;
  return path != nullptr && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

bool FileLength(const char* path, DWORD& length) {
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  length = GetFileSize(file, nullptr);
  // 0xFFFFFFFF is also a length a file may have.
  const bool known = length != INVALID_FILE_SIZE || GetLastError() == NO_ERROR;
  CloseHandle(file);
  return known;
}

bool BackupName(const char* path, PathBuffer& backup) {
  return path_names::FirstFreeBackup(path, Exists, nullptr, backup);
}

bool TemporaryName(const char* directory, const char* prefix, PathBuffer& path) {
  return path_names::FirstFreeTemporary(directory, prefix, Exists, nullptr, path);
}
