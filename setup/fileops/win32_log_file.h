// Win32LogFile: the install log's file on disk, through the ANSI file API.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "install_log/install_log_recorder.h"
#include "install_log/log_file.h"

class Win32LogFile : public LogFile {
 public:
  Win32LogFile() = default;
  ~Win32LogFile() override { Close(); }
  Win32LogFile(const Win32LogFile&) = delete;
  Win32LogFile& operator=(const Win32LogFile&) = delete;

  bool Open(const char* path, const char* mode) override;
  void Close() override;
  bool IsOpen() const override { return handle_ != INVALID_HANDLE_VALUE; }
  bool Write(const void* data, uint32_t size) override;
  uint32_t Read(void* data, uint32_t size) override;
  bool Seek(uint32_t offset) override;

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

constexpr char kInstallLogName[] = "filog.ini";

// The whole file at path; false when it cannot be read or holds more than
// limit bytes.
bool ReadWholeFile(const char* path, uint32_t limit, std::vector<uint8_t>& bytes);

// The path of filog.ini in the Windows folder; false when it does not fit
// in MAX_PATH characters.
bool InstallLogPath(char (&path)[MAX_PATH]);

// Opens the recorder on filog.ini in the Windows folder with the product
// title; false when the log cannot be created there.
bool OpenInstallLog(InstallLogRecorder& recorder, const char* title);
