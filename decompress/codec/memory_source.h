// A ByteSource over bytes in memory that hands them out in slices of at
// most `slice` bytes, so that callers see the refill edges a file gives.
#pragma once
#include <cstring>

#include "szdd_decoder.h"

namespace szdd {

class MemorySource : public ByteSource {
 public:
  MemorySource(const std::uint8_t* data, std::size_t size, std::size_t slice = 4096)
      : data_(data), size_(size), slice_(slice ? slice : 1) {}
  long Read(std::uint8_t* buf, std::size_t n) override {
    std::size_t k = size_ - pos_;
    if (k > n) k = n;
    if (k > slice_) k = slice_;
    if (k) std::memcpy(buf, data_ + pos_, k);
    pos_ += k;
    return static_cast<long>(k);
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t slice_;
  std::size_t pos_ = 0;
};

}  // namespace szdd
