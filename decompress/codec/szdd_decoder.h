// Streaming SZDD decoder. Memory is fixed (the ring window and one input
// buffer live inside the object), whatever the size of the file, and every
// damaged input ends in an error status rather than a wild read or write.
#pragma once
#include <cstddef>
#include <cstdint>

#include "szdd_format.h"

namespace szdd {

// Where the compressed bytes come from.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Fills up to n bytes; answers the count, 0 at the end, negative on error.
  virtual long Read(std::uint8_t* buf, std::size_t n) = 0;
};

enum class Status {
  kOk,
  kNotStarted,  // Begin not called (or failed before the header was read)
  kReadError,   // the source reported an error
  kBadHeader,   // wrong magic or a mode other than 'A'
  kTooLarge,    // the header's length cannot come from a file this size
  kTruncated,   // the data ends before the header's length is produced
  kTooLong,     // the data goes on past the header's length
};

constexpr std::uint64_t kUnknownSize = ~std::uint64_t{0};

class Decoder {
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
  std::uint8_t missing_char() const { return missing_; }
  std::uint32_t produced() const { return produced_; }

 private:
  // false at the end or on a read error
  bool NextByte(std::uint8_t& b) {
    if (in_pos_ == in_len_) return Refill(b);
    b = in_[in_pos_++];
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
  bool read_failed_ = false;

  unsigned cur_ = kFirstWrite;
  unsigned flags_ = 0;
  unsigned flag_bits_ = 0;
  unsigned match_pos_ = 0;
  unsigned match_left_ = 0;

  std::size_t in_pos_ = 0;
  std::size_t in_len_ = 0;
  bool in_end_ = false;
  std::uint8_t window_[kWindowSize];
  std::uint8_t in_[4096];
};

}  // namespace szdd
