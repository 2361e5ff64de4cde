// The decoder as first written: a byte at a time round the ring window,
// every input byte fetched with its own check. Slow and plainly right, it is
// the measure the fast decoder's output, counts and statuses are held to.
#pragma once
#include <cstddef>
#include <cstdint>

#include "../szdd_decoder.h"

namespace szdd_test {

using szdd::ByteSource;
using szdd::CheckHeader;
using szdd::kFirstWrite;
using szdd::kUnknownSize;
using szdd::kWindowMask;
using szdd::kWindowSize;
using szdd::Status;

class PlainDecoder {
 public:
  // Reads and checks the header. compressedSize, when known, bounds the
  // length the header may claim.
  bool Begin(ByteSource* source, std::uint64_t compressedSize = kUnknownSize);

  // Decodes up to n bytes into out. Answers the count placed there: n while
  // more follows, fewer (possibly 0) at the end; -1 on any error, also for
  // every later call.
  long Read(std::uint8_t* out, std::size_t n);

  Status status() const { return status_; }
  std::uint32_t length() const { return length_; }
  std::uint8_t missingChar() const { return missing_; }
  std::uint32_t produced() const { return produced_; }

 private:
  // false at the end or on a read error
  bool NextByte(std::uint8_t& b) {
    if (inPos_ == inLen_) return Refill(b);
    b = in_[inPos_++];
    return true;
  }
  bool Refill(std::uint8_t& b);
  void Emit(std::uint8_t b, std::uint8_t* out, std::size_t& got) {
    window_[cur_] = b;
    cur_ = (cur_ + 1) & kWindowMask;
    out[got++] = b;
  }
  long Fail(Status s);
  bool CheckEnd();  // no item may follow the last byte

  ByteSource* source_ = nullptr;
  Status status_ = Status::kNotStarted;
  std::uint32_t length_ = 0;
  std::uint32_t produced_ = 0;
  std::uint8_t missing_ = 0;
  bool ended_ = false;
  bool readFailed_ = false;

  unsigned cur_ = kFirstWrite;
  unsigned flags_ = 0;
  unsigned flagBits_ = 0;
  unsigned matchPos_ = 0;
  unsigned matchLeft_ = 0;

  std::size_t inPos_ = 0;
  std::size_t inLen_ = 0;
  bool inEnd_ = false;
  std::uint8_t window_[kWindowSize];
  std::uint8_t in_[4096];
};

}  // namespace szdd_test
