// libFuzzer target: the decoder must survive any input, and anything the
// encoder writes must decode to the bytes it was given.
#include <cstdlib>
#include <cstring>

#include "../memory_source.h"
#include "../szdd_decoder.h"
#include "../szdd_encoder.h"

namespace {

void DecodeAny(const std::uint8_t* data, std::size_t size, std::size_t chunk, std::uint64_t known) {
  szdd::MemorySource src(data, size, 1 + size % 61);
  szdd::Decoder dec;
  if (!dec.Begin(&src, known)) return;
  std::uint8_t buf[2048];
  for (;;) {
    const long got = dec.Read(buf, chunk);
    if (got < 0 || static_cast<std::size_t>(got) < chunk) return;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  DecodeAny(data, size, 2048, size);
  DecodeAny(data, size, 1 + size % 2048, szdd::kUnknownSize);

  if (size > 20000) return 0;
  std::vector<std::uint8_t> z;
  szdd::EncodeOptions o;
  o.max_chain = 64;
  if (!szdd::Encode(data, size, z, o)) std::abort();
  szdd::MemorySource src(z.data(), z.size());
  szdd::Decoder dec;
  if (!dec.Begin(&src, z.size())) std::abort();
  std::vector<std::uint8_t> back(size + 1);
  const long got = dec.Read(back.data(), back.size());
  if (got != static_cast<long>(size) || std::memcmp(back.data(), data, size) != 0) std::abort();
  return 0;
}
