// libFuzzer target: the decoder must survive any input and answer every
// read as the plain decoder does, and anything the encoder writes must
// decode to the bytes it was given.
#include <cstdlib>
#include <cstring>

#include "../memory_source.h"
#include "../szdd_decoder.h"
#include "../szdd_encoder.h"
#include "../tests/plain_decoder.h"

namespace {

// The fast decoder and the plain one over the same input: the same counts,
// bytes and status, call by call.
void DecodeAny(const std::uint8_t* data, std::size_t size, std::size_t chunk, std::uint64_t known) {
  szdd::MemorySource fastSource(data, size, 1 + size % 61);
  szdd::MemorySource plainSource(data, size, 1 + size % 61);
  szdd::Decoder fast;
  szdd_test::PlainDecoder plain;
  const bool began = fast.Begin(&fastSource, known);
  if (began != plain.Begin(&plainSource, known)) std::abort();
  std::uint8_t fastBuf[2048], plainBuf[2048];
  while (began) {
    const long got = fast.Read(fastBuf, chunk);
    if (got != plain.Read(plainBuf, chunk)) std::abort();
    if (got > 0 && std::memcmp(fastBuf, plainBuf, static_cast<std::size_t>(got)) != 0) std::abort();
    if (got < 0 || static_cast<std::size_t>(got) < chunk) break;
  }
  if (fast.status() != plain.status() || fast.produced() != plain.produced()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  DecodeAny(data, size, 2048, size);
  DecodeAny(data, size, 1 + size % 2048, szdd::kUnknownSize);

  if (size > 20000) return 0;
  std::vector<std::uint8_t> z;
  szdd::EncodeOptions o;
  o.maxChain = 64;
  if (!szdd::Encode(data, size, z, o)) std::abort();
  szdd::MemorySource src(z.data(), z.size());
  szdd::Decoder dec;
  if (!dec.Begin(&src, z.size())) std::abort();
  std::vector<std::uint8_t> back(size + 1);
  const long got = dec.Read(back.data(), back.size());
  if (got != static_cast<long>(size) || std::memcmp(back.data(), data, size) != 0) std::abort();
  return 0;
}
