// Time stamps as local calendar fields: what the time-stamp policy compares
// and what a copy passes from its source to its destination.
#include "fileops/file_changes.h"
#include "fileops/operation_context.h"
#include "resources/string_ids.h"
#include "fileops/file_facts.h"

namespace {

HANDLE OpenShared(const char* path, DWORD access) {
  return CreateFileA(path, access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

bool ReadLocalWriteTime(const char* path, SYSTEMTIME& stamp, DWORD* openError) {
  HANDLE file = OpenShared(path, GENERIC_READ);
  if (file == INVALID_HANDLE_VALUE) {
    if (openError) *openError = GetLastError();
    return false;
  }
  if (openError) *openError = NO_ERROR;
  FILETIME written, local;
  const bool read = GetFileTime(file, nullptr, nullptr, &written) &&
                    FileTimeToLocalFileTime(&written, &local) &&
                    FileTimeToSystemTime(&local, &stamp);
  CloseHandle(file);
  return read;
}

bool FileChanges::GetTimeStamp(const char* path, SYSTEMTIME& stamp) {
  const bool read = ReadLocalWriteTime(path, stamp, nullptr);
  if (!read) context_.Report(kFileOpGeneral, kStrGetTimeStamp, path);
  return read;
}

bool FileChanges::SetTimeStamp(const char* path, const SYSTEMTIME& stamp) {
  FILETIME local, universal;
  HANDLE file = INVALID_HANDLE_VALUE;
  const bool set = SystemTimeToFileTime(&stamp, &local) &&
                   LocalFileTimeToFileTime(&local, &universal) &&
                   (file = OpenShared(path, GENERIC_WRITE)) != INVALID_HANDLE_VALUE &&
                   SetFileTime(file, &universal, &universal, &universal);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  if (!set) context_.Report(kFileOpGeneral, kStrSetTimeStamp, path);
  return set;
}
