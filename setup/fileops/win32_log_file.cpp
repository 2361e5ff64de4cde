#include "fileops/win32_log_file.h"

#include <cstring>

#include "fileops/path_names.h"

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
  handle_ = CreateFileA(path, access, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                        nullptr);
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
    if (!IsOpen() || !WriteFile(handle_, at, size, &written, nullptr) || written == 0) return false;
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
    if (!IsOpen() || !ReadFile(handle_, at + total, size - total, &got, nullptr) || got == 0) break;
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
  char windows[MAX_PATH];
  const UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
  PathBuffer joined;
  if (length == 0 || length >= MAX_PATH || !path_names::JoinPath(windows, kInstallLogName, joined))
    return false;
  std::memcpy(path, joined.Get(), std::strlen(joined.Get()) + 1);
  return true;
}

bool ReadWholeFile(const char* path, uint32_t limit, std::vector<uint8_t>& bytes) {
  bytes.clear();
  Win32LogFile file;
  if (!file.Open(path, "rb")) return false;
  uint8_t block[4096];
  for (;;) {
    const uint32_t got = file.Read(block, sizeof block);
    if (bytes.size() + got > limit) return false;
    bytes.insert(bytes.end(), block, block + got);
    if (got < sizeof block) return true;
  }
}

bool OpenInstallLog(InstallLogRecorder& recorder, const char* title) {
  char path[MAX_PATH];
  return InstallLogPath(path) && recorder.OpenAt(path, title);
}
