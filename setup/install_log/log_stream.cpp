#include "install_log/log_stream.h"

bool LogStream::Open(const char* path, const char* mode) {
  Close();
  return file_.Open(path, mode);
}

void LogStream::Close() {
  if (file_.IsOpen()) file_.Close();
}

bool LogStream::WriteRaw(const void* data, uint32_t size) {
  if (size == 0) return true;
  if (!file_.IsOpen() || data == nullptr || !file_.Write(data, size)) return Fail();
  return true;
}

bool LogStream::WriteEncoded(const LogEncoder& bytes) {
  if (bytes.Size() > UINT32_MAX) return Fail();
  return WriteRaw(bytes.Data(), static_cast<uint32_t>(bytes.Size()));
}

bool LogStream::WriteInt32(uint32_t value) {
  scratch_.Clear();
  scratch_.Int32(value);
  return WriteEncoded(scratch_);
}

bool LogStream::WriteByte(uint8_t value) { return WriteRaw(&value, 1); }

bool LogStream::WriteString(const char* text) {
  scratch_.Clear();
  scratch_.String(text);
  return WriteEncoded(scratch_);
}

bool LogStream::ReadByte(uint8_t& value) { return ReadRaw(&value, 1) == 1; }

uint32_t LogStream::ReadRaw(void* data, uint32_t size) {
  if (size == 0) return 0;
  if (!file_.IsOpen() || data == nullptr) {
    Fail();
    return 0;
  }
  const uint32_t got = file_.Read(data, size);
  if (got != size) Fail();
  return got;
}

bool LogStream::Seek(uint32_t offset) {
  if (!file_.IsOpen() || !file_.Seek(offset)) return Fail();
  return true;
}
