#include "fileops/win32_log_file.h"

#include <cstring>

bool Win32LogFile::Open(const char* path, const char* mode) {
  if (IsOpen() || path == nullptr || mode == nullptr) return false;
  DWORD access = 0;
  DWORD disposition = 0;
  if (std::strcmp(mode, "wb") == 0) {
    access = GENERIC_WRITE;
    disposition = CREATE_ALWAYS;
  } else if (std::strcmp(mode, "rb") == 0) {
    access = GENERIC_READ;
    disposition = OPEN_EXISTING;
  } else if (std::strcmp(mode, "r+b") == 0) {
    access = GENERIC_READ | GENERIC_WRITE;
    disposition = OPEN_EXISTING;
  } else {
    return false;
  }
  handle_ = CreateFileA(path, access, FILE_SHARE_READ, nullptr, disposition,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
  return IsOpen();
}

void Win32LogFile::Close() {
  if (!IsOpen()) return;
  CloseHandle(handle_);
  handle_ = INVALID_HANDLE_VALUE;
}

bool Win32LogFile::Write(const void* data, uint32_t size) {
  const char* at = static_cast<const char*>(data);
  while (size > 0) {
    DWORD written = 0;
    if (!IsOpen() || !WriteFile(handle_, at, size, &written, nullptr) ||
        written == 0)
      return false;
    at += written;
    size -= written;
  }
  return true;
}

uint32_t Win32LogFile::Read(void* data, uint32_t size) {
  char* at = static_cast<char*>(data);
  uint32_t total = 0;
  while (total < size) {
    DWORD got = 0;
    if (!IsOpen() || !ReadFile(handle_, at + total, size - total, &got, nullptr) ||
        got == 0)
      break;
    total += got;
  }
  return total;
}

bool Win32LogFile::Seek(uint32_t offset) {
  if (!IsOpen()) return false;
  SetLastError(NO_ERROR);
  const DWORD at = SetFilePointer(handle_, static_cast<LONG>(offset), nullptr, FILE_BEGIN);
  return !(at == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR);
}

bool InstallLogPath(char (&path)[MAX_PATH]) {
  static const char kName[] = "filog.ini";
  const UINT length = GetWindowsDirectoryA(path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  const bool needs_separator = path[length - 1] != '\\';
  if (length + (needs_separator ? 1 : 0) + sizeof kName > MAX_PATH) return false;
  char* end = path + length;
  if (needs_separator) *end++ = '\\';
  std::memcpy(end, kName, sizeof kName);
  return true;
}

bool OpenInstallLog(InstallLogRecorder& recorder, const char* title) {
  char path[MAX_PATH];
  return InstallLogPath(path) && recorder.OpenAt(path, title);
}
