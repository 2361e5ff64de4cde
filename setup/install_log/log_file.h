// LogFile: the file under a LogStream. The stream and the recorder stay
// platform-free; the setup engine gives them the Win32 file of
// win32_log_file.h, the tests a file in memory.
#pragma once

#include <cstdint>

class LogFile {
 public:
  virtual ~LogFile() = default;
  // mode is "wb" (create or truncate), "rb" or "r+b" (an existing file).
  virtual bool Open(const char* path, const char* mode) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // True only when every byte was written.
  virtual bool Write(const void* data, uint32_t size) = 0;
  // The number of bytes read; fewer than size at the end of the file.
  virtual uint32_t Read(void* data, uint32_t size) = 0;
  virtual bool Seek(uint32_t offset) = 0;
};
