// LogEncoder: builds the bytes of install log fields in memory (see
// install_log_format.h). The recorder encodes a whole record first and hands
// it to the stream in one write, so a log never ends in half a record that
// the stream started before a failure.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class LogEncoder {
 public:
  void Clear() {
    bytes_.clear();
    overlong_ = false;
  }
  void Byte(uint8_t value) { bytes_.push_back(value); }
  void Int32(uint32_t value);
  void Raw(const void* data, size_t size);
  // A null text counts as the empty text. A text longer than a reader
  // accepts (install_log::kMaxStringLength) is still encoded but marks the
  // bytes as overlong, so the caller can refuse to write them.
  void String(const char* text);

  const uint8_t* Data() const { return bytes_.data(); }
  size_t Size() const { return bytes_.size(); }
  bool Overlong() const { return overlong_; }

 private:
  std::vector<uint8_t> bytes_;
  bool overlong_ = false;
};

// The header of a fresh log: placeholder chain name, 2 1 0 0 and the title.
void EncodeLogHeader(LogEncoder& out, const char* title);
