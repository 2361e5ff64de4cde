// The existence rule and the free names the file operations look for.
#include "fileops/file_operations.h"
#include "fileops/path_names.h"

namespace {

bool Exists(const char* path, void*) { return PathExists(path); }

}  // namespace

bool PathExists(const char* path) {
  if (path_names::IsDriveOnly(path)) return true;
  return path != nullptr && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

bool BackupName(const char* path, PathBuffer& backup) {
  return path_names::FirstFreeBackup(path, Exists, nullptr, backup);
}

bool TemporaryName(const char* directory, const char* prefix, PathBuffer& path) {
  return path_names::FirstFreeTemporary(directory, prefix, Exists, nullptr, path);
}
