#include "plain_decoder.h"

#include <cstring>

namespace szdd_test {

using namespace szdd;

bool PlainDecoder::Begin(ByteSource* source, std::uint64_t compressedSize) {
  source_ = source;
  status_ = Status::kNotStarted;
  length_ = produced_ = 0;
  missing_ = 0;
  ended_ = read_failed_ = false;
  cur_ = kFirstWrite;
  flags_ = flag_bits_ = match_pos_ = match_left_ = 0;
  in_pos_ = in_len_ = 0;
  in_end_ = false;
  std::memset(window_, kFill, sizeof window_);
  if (source_ == nullptr) return false;

  std::uint8_t h[kHeaderSize];
  for (std::size_t i = 0; i < kHeaderSize; ++i) {
    if (!NextByte(h[i])) {
      Fail(read_failed_ ? Status::kReadError : Status::kTruncated);
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
  if (in_end_) return false;
  const long got = source_->Read(in_, sizeof in_);
  if (got < 0 || static_cast<unsigned long>(got) > sizeof in_) {
    read_failed_ = in_end_ = true;
    return false;
  }
  if (got == 0) {
    in_end_ = true;
    return false;
  }
  in_pos_ = 0;
  in_len_ = static_cast<std::size_t>(got);
  b = in_[in_pos_++];
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
  if (match_left_ != 0) return false;
  std::uint8_t b;
  if (flag_bits_ == 0 && !NextByte(b)) return !read_failed_;
  if (!NextByte(b)) return !read_failed_;
  return false;
}

long PlainDecoder::Read(std::uint8_t* out, std::size_t n) {
  if (status_ != Status::kOk || out == nullptr) return -1;
  if (n > 0x7FFFFFFFu) n = 0x7FFFFFFFu;
  std::size_t got = 0;
  while (got < n && produced_ < length_) {
    if (match_left_ != 0) {
      // Copy as much of the match as this call and the length allow.
      std::size_t k = match_left_;
      if (k > n - got) k = n - got;
      if (k > length_ - produced_) k = length_ - produced_;
      match_left_ -= static_cast<unsigned>(k);
      produced_ += static_cast<std::uint32_t>(k);
      while (k-- > 0) {
        const std::uint8_t b = window_[match_pos_];
        match_pos_ = (match_pos_ + 1) & kWindowMask;
        Emit(b, out, got);
      }
      continue;
    }
    if (flag_bits_ == 0) {
      std::uint8_t f;
      if (!NextByte(f)) break;
      flags_ = f;
      flag_bits_ = 8;
    }
    const bool literal = (flags_ & 1u) != 0;
    flags_ >>= 1;
    --flag_bits_;
    if (literal) {
      std::uint8_t b;
      if (!NextByte(b)) break;
      Emit(b, out, got);
      ++produced_;
    } else {
      std::uint8_t lo, hi;
      if (!NextByte(lo) || !NextByte(hi)) break;
      match_pos_ = lo | (unsigned{hi} & 0xF0u) << 4;
      match_left_ = (hi & 0x0Fu) + kMinMatch;
    }
  }
  if (produced_ < length_ && got < n)
    return Fail(read_failed_ ? Status::kReadError : Status::kTruncated);
  if (produced_ == length_ && !ended_) {
    ended_ = true;
    if (!CheckEnd()) return Fail(read_failed_ ? Status::kReadError : Status::kTooLong);
  }
  return static_cast<long>(got);
}

}  // namespace szdd_test
