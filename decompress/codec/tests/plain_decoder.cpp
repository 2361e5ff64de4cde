#include "plain_decoder.h"

#include <cstring>

namespace szdd_test {

using namespace szdd;

bool PlainDecoder::Begin(ByteSource* source, std::uint64_t compressedSize) {
  source_ = source;
  status_ = Status::kNotStarted;
  length_ = produced_ = 0;
  missing_ = 0;
  ended_ = readFailed_ = false;
  cur_ = kFirstWrite;
  flags_ = flagBits_ = matchPos_ = matchLeft_ = 0;
  inPos_ = inLen_ = 0;
  inEnd_ = false;
  std::memset(window_, kFill, sizeof window_);
  if (source_ == nullptr) return false;

  std::uint8_t h[kHeaderSize];
  for (std::size_t i = 0; i < kHeaderSize; ++i) {
    if (!NextByte(h[i])) {
      Fail(readFailed_ ? Status::kReadError : Status::kTruncated);
      return false;
    }
  }
  const Status header = CheckHeader(h, compressedSize, missing_, length_);
  if (header != Status::kOk) {
    Fail(header);
    return false;
  }
  status_ = Status::kOk;
  return true;
}

bool PlainDecoder::Refill(std::uint8_t& b) {
  if (inEnd_) return false;
  const long got = source_->Read(in_, sizeof in_);
  if (got < 0 || static_cast<unsigned long>(got) > sizeof in_) {
    readFailed_ = inEnd_ = true;
    return false;
  }
  if (got == 0) {
    inEnd_ = true;
    return false;
  }
  inPos_ = 0;
  inLen_ = static_cast<std::size_t>(got);
  b = in_[inPos_++];
  return true;
}

long PlainDecoder::Fail(Status s) {
  status_ = s;
  return -1;
}

bool PlainDecoder::CheckEnd() {
  // A match reaching past the length, or any further item, means the
  // header and the data disagree. A final flag byte with no items after it
  // is harmless.
  if (matchLeft_ != 0) return false;
  std::uint8_t b;
  if (flagBits_ == 0 && !NextByte(b)) return !readFailed_;
  if (!NextByte(b)) return !readFailed_;
  return false;
}

long PlainDecoder::Read(std::uint8_t* out, std::size_t n) {
  if (status_ != Status::kOk || out == nullptr) return -1;
  if (n > 0x7FFFFFFFu) n = 0x7FFFFFFFu;
  std::size_t got = 0;
  while (got < n && produced_ < length_) {
    if (matchLeft_ != 0) {
      // Copy as much of the match as this call and the length allow.
      std::size_t k = matchLeft_;
      if (k > n - got) k = n - got;
      if (k > length_ - produced_) k = length_ - produced_;
      matchLeft_ -= static_cast<unsigned>(k);
      produced_ += static_cast<std::uint32_t>(k);
      while (k-- > 0) {
        const std::uint8_t b = window_[matchPos_];
        matchPos_ = (matchPos_ + 1) & kWindowMask;
        Emit(b, out, got);
      }
      continue;
    }
    if (flagBits_ == 0) {
      std::uint8_t f;
      if (!NextByte(f)) break;
      flags_ = f;
      flagBits_ = 8;
    }
    const bool literal = (flags_ & 1u) != 0;
    flags_ >>= 1;
    --flagBits_;
    if (literal) {
      std::uint8_t b;
      if (!NextByte(b)) break;
      Emit(b, out, got);
      ++produced_;
    } else {
      std::uint8_t lo, hi;
      if (!NextByte(lo) || !NextByte(hi)) break;
      matchPos_ = lo | (unsigned{hi} & 0xF0u) << 4;
      matchLeft_ = (hi & 0x0Fu) + kMinMatch;
    }
  }
  if (produced_ < length_ && got < n)
    return Fail(readFailed_ ? Status::kReadError : Status::kTruncated);
  if (produced_ == length_ && !ended_) {
    ended_ = true;
    if (!CheckEnd()) return Fail(readFailed_ ? Status::kReadError : Status::kTooLong);
  }
  return static_cast<long>(got);
}

}  // namespace szdd_test
