// LogStream: the binary stream the install log is written through (encodings
// in install_log_format.h), with an error flag that any failed write or read
// sets to 1 and that the stream never clears: a log that lost a record
// stays marked for the rest of the stream's life.
#pragma once

#include <cstdint>

#include "install_log/log_encoder.h"
#include "install_log/log_file.h"

class LogStream {
 public:
  explicit LogStream(LogFile& file) : file_(file) {}
  ~LogStream() { Close(); }
  LogStream(const LogStream&) = delete;
  LogStream& operator=(const LogStream&) = delete;

  bool Open(const char* path, const char* mode);
  void Close();
  bool IsOpen() const { return file_.IsOpen(); }
  int Error() const { return error_; }

  bool WriteInt32(uint32_t value);
  bool WriteByte(uint8_t value);
  bool WriteRaw(const void* data, uint32_t size);
  bool WriteString(const char* text);
  bool WriteEncoded(const LogEncoder& bytes);

  bool ReadByte(uint8_t& value);
  uint32_t ReadRaw(void* data, uint32_t size);
  bool Seek(uint32_t offset);

 private:
  bool Fail() {
    error_ = 1;
    return false;
  }

  LogFile& file_;
  LogEncoder scratch_;
  int error_ = 0;
};
