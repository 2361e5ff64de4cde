// Streaming SZDD decoder. Memory is fixed (the window, the decoded bytes not
// yet handed out and one input buffer live inside the object), whatever the
// size of the file, and every damaged input ends in an error status rather
// than a wild read or write.
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

// The kHeaderSize bytes at the start of a file: kOk and its missing
// character and length, else kBadHeader, or kTooLarge when compressedSize
// (unless unknown) cannot hold that length.
Status CheckHeader(const std::uint8_t* header, std::uint64_t compressedSize, std::uint8_t& missing,
                   std::uint32_t& length);

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
  std::uint8_t missingChar() const { return missing_; }
  // Bytes handed out so far.
  std::uint32_t produced() const { return decoded_ - static_cast<std::uint32_t>(write_ - read_); }

 private:
  // Bytes are decoded ahead into history_, which keeps the window's 4096
  // bytes in front of the write position, so a match is a copy from a fixed
  // distance back, never a walk round a ring.
  static constexpr std::size_t kAhead = 16384;
  static constexpr std::size_t kSlack = 8 * kMaxMatch + 8;  // one whole flag group, with overrun
  static constexpr std::size_t kGroupInput = 17;            // a flag byte and eight matches

  bool NextByte(std::uint8_t& b) {
    if (inPos_ == inLen_ && !Refill()) return false;
    b = in_[inPos_++];
    return true;
  }
  bool Refill();  // keeps what is left and reads behind it; false when nothing more
  void Decode();  // decodes ahead until the buffer is full, the length reached or an error
  void DecodeGroups();
  bool DecodeItem();  // one item with every check; false at the end of the data
  void CopyMatch(unsigned ringPos, unsigned len);
  void FinishData();  // the length is reached: nothing may follow
  long Fail(Status s);

  ByteSource* source_ = nullptr;
  Status status_ = Status::kNotStarted;
  Status pending_ = Status::kOk;  // an error met while decoding ahead
  std::uint32_t length_ = 0;
  std::uint32_t decoded_ = 0;
  std::uint8_t missing_ = 0;
  bool readFailed_ = false;
  bool finished_ = false;  // the end of the data has been checked
  bool overran_ = false;   // a match reached past the length

  unsigned flags_ = 0;
  unsigned flagBits_ = 0;
  unsigned ringOffset_ = 0;  // ring position of history_[i] is (i + ringOffset_) & kWindowMask

  std::size_t read_ = 0;   // next byte to hand out
  std::size_t write_ = 0;  // next byte to decode
  std::size_t inPos_ = 0;
  std::size_t inLen_ = 0;
  bool inEnd_ = false;
  std::uint8_t history_[kWindowSize + kAhead + kSlack];
  std::uint8_t in_[16384];  // a small disk file in one read
};

}  // namespace szdd
