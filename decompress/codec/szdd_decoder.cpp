#include "szdd_decoder.h"

#include <cstring>

namespace szdd {

namespace {

// An eight-byte copy through a register: defined for any overlap.
inline void Copy8(std::uint8_t* to, const std::uint8_t* from) {
  std::uint8_t chunk[8];
  std::memcpy(chunk, from, 8);
  std::memcpy(to, chunk, 8);
}

// For a match that many bytes back (1 to 7): the smallest whole number of
// those distances that is at least eight.
constexpr unsigned char kPeriodsOfEight[8] = {0, 8, 8, 9, 8, 10, 12, 14};

}  // namespace

Status CheckHeader(const std::uint8_t* h, std::uint64_t compressedSize, std::uint8_t& missing,
                   std::uint32_t& length) {
  if (std::memcmp(h, kMagic, sizeof kMagic) != 0 || h[8] != kModeLz) return Status::kBadHeader;
  missing = h[9];
  length = std::uint32_t{h[10]} | std::uint32_t{h[11]} << 8 | std::uint32_t{h[12]} << 16 |
           std::uint32_t{h[13]} << 24;
  if (compressedSize != kUnknownSize && !LengthPlausible(length, compressedSize))
    return Status::kTooLarge;
  return Status::kOk;
}

bool Decoder::Begin(ByteSource* source, std::uint64_t compressedSize) {
  source_ = source;
  status_ = Status::kNotStarted;
  pending_ = Status::kOk;
  length_ = decoded_ = 0;
  missing_ = 0;
  readFailed_ = finished_ = overran_ = false;
  flags_ = flagBits_ = 0;
  // history_[kWindowSize] is where the first byte lands, at kFirstWrite of
  // the ring; the window in front of it starts out as spaces.
  ringOffset_ = (kFirstWrite - kWindowSize) & kWindowMask;
  read_ = write_ = kWindowSize;
  inPos_ = inLen_ = 0;
  inEnd_ = false;
  std::memset(history_, kFill, kWindowSize);
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

bool Decoder::Refill() {
  const std::size_t left = inLen_ - inPos_;
  if (inEnd_) return left > 0;
  std::memmove(in_, in_ + inPos_, left);
  inPos_ = 0;
  inLen_ = left;
  const long got = source_->Read(in_ + left, sizeof in_ - left);
  if (got < 0 || static_cast<unsigned long>(got) > sizeof in_ - left) {
    readFailed_ = inEnd_ = true;
  } else if (got == 0) {
    inEnd_ = true;
  } else {
    inLen_ += static_cast<std::size_t>(got);
  }
  return inLen_ > 0;
}

long Decoder::Fail(Status s) {
  status_ = s;
  return -1;
}

void Decoder::CopyMatch(unsigned ringPos, unsigned len) {
  if (len > length_ - decoded_) {
    len = length_ - decoded_;
    overran_ = true;
  }
  unsigned back = (static_cast<unsigned>(write_) + ringOffset_ - ringPos) & kWindowMask;
  if (back == 0) back = kWindowSize;
  std::uint8_t* to = history_ + write_;
  const std::uint8_t* from = to - back;
  for (unsigned i = 0; i < len; ++i) to[i] = from[i];
  write_ += len;
  decoded_ += len;
}

bool Decoder::DecodeItem() {
  if (flagBits_ == 0) {
    std::uint8_t f;
    if (!NextByte(f)) return false;
    flags_ = f;
    flagBits_ = 8;
  }
  const bool literal = (flags_ & 1u) != 0;
  flags_ >>= 1;
  --flagBits_;
  if (literal) {
    std::uint8_t b;
    if (!NextByte(b)) return false;
    history_[write_++] = b;
    ++decoded_;
  } else {
    std::uint8_t lo, hi;
    if (!NextByte(lo) || !NextByte(hi)) return false;
    CopyMatch(lo | (unsigned{hi} & 0xF0u) << 4, (hi & 0x0Fu) + kMinMatch);
  }
  return true;
}

void Decoder::DecodeGroups() {
  // Whole flag groups while they cannot run past the input, the buffer or
  // the length: no check per byte.
  const std::size_t limit = kWindowSize + kAhead;
  while (flagBits_ == 0 && write_ < limit && length_ - decoded_ >= 8 * kMaxMatch) {
    if (inLen_ - inPos_ < kGroupInput && (!Refill() || inLen_ - inPos_ < kGroupInput)) return;
    const std::uint8_t* in = in_ + inPos_;
    std::uint8_t* const start = history_ + write_;
    std::uint8_t* to = start;
    unsigned f = *in++;
    int items = 8;
    if (f == 0xFFu) {  // eight literals: incompressible data is all of these
      Copy8(to, in);
      in += 8;
      to += 8;
      items = 0;
    }
    for (int i = 0; i < items; ++i, f >>= 1) {
      if (f & 1u) {
        *to++ = *in++;
        continue;
      }
      const unsigned ringPos = in[0] | (unsigned{in[1]} & 0xF0u) << 4;
      const unsigned len = (in[1] & 0x0Fu) + kMinMatch;
      in += 2;
      unsigned back = (static_cast<unsigned>(to - history_) + ringOffset_ - ringPos) & kWindowMask;
      if (back == 0) back = kWindowSize;
      const std::uint8_t* from = to - back;
      if (back >= 8) {
        // Whole chunks; what lands past the match is written over next.
        Copy8(to, from);
        Copy8(to + 8, from + 8);
        if (len > 16) Copy8(to + 16, from + 16);
      } else {
        // A short period: its first eight bytes one by one, then chunks
        // from a whole number of periods back (at least eight).
        for (unsigned k = 0; k < 8; ++k) to[k] = from[k];
        const unsigned period = kPeriodsOfEight[back];
        Copy8(to + 8, to + 8 - period);
        if (len > 16) Copy8(to + 16, to + 16 - period);
      }
      to += len;
    }
    inPos_ = static_cast<std::size_t>(in - in_);
    write_ += static_cast<std::size_t>(to - start);
    decoded_ += static_cast<std::uint32_t>(to - start);
  }
}

void Decoder::FinishData() {
  // A match reaching past the length, or any further item, means the
  // header and the data disagree. A final flag byte with no items after it
  // is harmless.
  finished_ = true;
  std::uint8_t b;
  bool clean;
  if (overran_) {
    clean = false;
  } else if (flagBits_ == 0 && !NextByte(b)) {
    clean = !readFailed_;
  } else {
    clean = !NextByte(b) && !readFailed_;
  }
  if (!clean) pending_ = readFailed_ ? Status::kReadError : Status::kTooLong;
}

void Decoder::Decode() {
  if (write_ > kWindowSize) {
    // Keep the window in front and start again at the top.
    const std::size_t shift = write_ - kWindowSize;
    std::memmove(history_, history_ + shift, kWindowSize);
    ringOffset_ = (ringOffset_ + static_cast<unsigned>(shift)) & kWindowMask;
    read_ = write_ = kWindowSize;
  }
  const std::size_t limit = kWindowSize + kAhead;
  while (decoded_ < length_ && write_ < limit) {
    DecodeGroups();
    if (decoded_ == length_ || write_ >= limit) break;
    if (!DecodeItem()) {
      pending_ = readFailed_ ? Status::kReadError : Status::kTruncated;
      return;
    }
  }
  if (decoded_ == length_ && !finished_) FinishData();
}

long Decoder::Read(std::uint8_t* out, std::size_t n) {
  if (status_ != Status::kOk || out == nullptr) return -1;
  if (n > 0x7FFFFFFFu) n = 0x7FFFFFFFu;
  std::size_t got = 0;
  for (;;) {
    std::size_t k = write_ - read_;
    if (k > n - got) k = n - got;
    std::memcpy(out + got, history_ + read_, k);
    read_ += k;
    got += k;
    if (got == n) break;
    if (pending_ != Status::kOk) return Fail(pending_);
    if (decoded_ == length_ && finished_) break;
    Decode();
  }
  // The call that hands out the last byte reports what follows it.
  if (decoded_ == length_ && read_ == write_) {
    if (!finished_) FinishData();
    if (pending_ != Status::kOk) return Fail(pending_);
  }
  return static_cast<long>(got);
}

}  // namespace szdd
