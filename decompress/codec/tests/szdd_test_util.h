// Helpers shared by the codec's tests.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "../memory_source.h"
#include "../szdd_decoder.h"
#include "../szdd_encoder.h"

namespace szdd_test {

using Bytes = std::vector<std::uint8_t>;

struct Decoded {
  bool ok = false;
  szdd::Status status = szdd::Status::kNotStarted;
  Bytes data;
};

// Decodes all of `file` in reads of `chunk` bytes, the source handing out
// `slice` bytes at a time. Checks the read contract on the way.
inline Decoded DecodeAll(const Bytes& file, std::size_t chunk = 2048, std::size_t slice = 4096,
                         std::uint64_t size = szdd::kUnknownSize) {
  Decoded r;
  szdd::MemorySource src(file.data(), file.size(), slice);
  szdd::Decoder dec;
  if (!dec.Begin(&src, size)) {
    r.status = dec.status();
    return r;
  }
  std::vector<std::uint8_t> buf(chunk ? chunk : 1);
  for (;;) {
    const long got = dec.Read(buf.data(), chunk);
    if (got < 0) {
      r.status = dec.status();
      return r;
    }
    r.data.insert(r.data.end(), buf.begin(), buf.begin() + got);
    if (static_cast<std::size_t>(got) < chunk || chunk == 0) break;
  }
  r.ok = true;
  r.status = dec.status();
  return r;
}

inline Bytes EncodeAll(const Bytes& data) {
  Bytes out;
  szdd::Encode(data.data(), data.size(), out);
  return out;
}

// Deterministic pseudo-random bytes (no <random> needed).
inline Bytes Noise(std::size_t n, std::uint32_t seed) {
  Bytes b(n);
  for (auto& x : b) {
    seed = seed * 1664525u + 1013904223u;
    x = static_cast<std::uint8_t>(seed >> 24);
  }
  return b;
}

// Text-like data: words from a small vocabulary, as in a read-me or a help file.
inline Bytes Prose(std::size_t n, std::uint32_t seed) {
  static const char* words[] = {"the ",     "backup ",     "folder ", "of ", "Windows ",   "files ",
                                "restore ", "CONFIG.SYS ", "and ",    "is ", "copied\r\n", "  "};
  Bytes b;
  while (b.size() < n) {
    seed = seed * 1664525u + 1013904223u;
    const char* w = words[(seed >> 24) % 12];
    while (*w && b.size() < n) b.push_back(static_cast<std::uint8_t>(*w++));
  }
  return b;
}

Bytes ReadFileBytes(const std::string& path, std::size_t max = ~std::size_t{0});

}  // namespace szdd_test
