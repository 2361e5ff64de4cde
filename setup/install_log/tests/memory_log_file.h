// A LogFile in memory for the tests: one file, whose bytes the test reads
// back, and a write budget to make writes fail.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "install_log/log_file.h"

class MemoryLogFile : public LogFile {
 public:
  bool Open(const char* path, const char* mode) override {
    if (open_ || refuse_open) return false;
    const std::string how = mode;
    if (how == "wb") {
      bytes.clear();
      exists = true;
    } else if ((how != "rb" && how != "r+b") || !exists) {
      return false;
    }
    opened_path = path;
    open_ = true;
    position_ = 0;
    return true;
  }
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }
  bool Write(const void* data, uint32_t size) override {
    if (!open_) return false;
    uint32_t room = size;
    if (write_budget >= 0 && static_cast<uint32_t>(write_budget) < size)
      room = static_cast<uint32_t>(write_budget);
    if (position_ + room > bytes.size()) bytes.resize(position_ + room);
    std::memcpy(bytes.data() + position_, data, room);
    position_ += room;
    if (write_budget >= 0) write_budget -= static_cast<int>(room);
    return room == size;
  }
  uint32_t Read(void* data, uint32_t size) override {
    if (!open_ || position_ >= bytes.size()) return 0;
    uint32_t got = static_cast<uint32_t>(bytes.size() - position_);
    if (got > size) got = size;
    std::memcpy(data, bytes.data() + position_, got);
    position_ += got;
    return got;
  }
  bool Seek(uint32_t offset) override {
    if (!open_ || offset > bytes.size()) return false;
    position_ = offset;
    return true;
  }

  std::vector<uint8_t> bytes;
  std::string opened_path;
  bool exists = false;
  bool refuse_open = false;
  int write_budget = -1;  // bytes left to write; -1 for no limit

 private:
  bool open_ = false;
  size_t position_ = 0;
};
