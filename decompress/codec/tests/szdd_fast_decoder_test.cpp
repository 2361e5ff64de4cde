// The fast decoder against the plain one: on whole, cut, damaged and
// mislabelled files, in every read size and source slice, each call must
// answer the same count and the same bytes, and end in the same status.
#include <gtest/gtest.h>

#include "plain_decoder.h"
#include "szdd_test_util.h"

namespace szdd_test {

namespace {

struct Trace {
  std::vector<long> answers;  // each Read's count, then produced()
  Bytes data;
  szdd::Status status = szdd::Status::kNotStarted;
  bool operator==(const Trace& o) const {
    return answers == o.answers && data == o.data && status == o.status;
  }
};

template <typename D>
Trace Follow(const Bytes& file, std::size_t chunk, std::size_t slice, std::uint64_t known) {
  Trace t;
  szdd::MemorySource src(file.data(), file.size(), slice);
  D dec;
  if (dec.Begin(&src, known)) {
    Bytes buf(chunk + 1);
    for (int calls = 0; calls < 1000000; ++calls) {
      const long got = dec.Read(buf.data(), chunk);
      t.answers.push_back(got);
      if (got > 0) t.data.insert(t.data.end(), buf.begin(), buf.begin() + got);
      if (got < 0 || static_cast<std::size_t>(got) < chunk) break;
    }
    t.answers.push_back(static_cast<long>(dec.produced()));
  }
  t.status = dec.status();
  return t;
}

Bytes Period(std::size_t n, std::size_t period) {
  Bytes b(n);
  for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>('a' + i % period);
  return b;
}

void SetLength(Bytes& z, std::uint32_t length) {
  for (int i = 0; i < 4; ++i) z[10 + i] = static_cast<std::uint8_t>(length >> (8 * i));
}

std::uint32_t LengthOf(const Bytes& z) {
  return z[10] | z[11] << 8 | z[12] << 16 | static_cast<std::uint32_t>(z[13]) << 24;
}

TEST(SzddFastDecoder, AnswersAsThePlainDecoderDoes) {
  const struct {
    const char* name;
    Bytes data;
  } inputs[] = {
      {"prose", Prose(70000, 5)},      {"noise", Noise(30000, 9)},
      {"one byte", Bytes(50000, 'x')}, {"period 3", Period(20000, 3)},
      {"period 5", Period(20000, 5)},  {"period 7", Period(20000, 7)},
      {"spaces", Bytes(9000, ' ')},    {"self", ReadFileBytes("/proc/self/exe", 200000)},
  };
  std::uint32_t seed = 11;
  auto next = [&seed](std::uint32_t below) {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) % below;
  };
  for (const auto& input : inputs) {
    const Bytes whole = EncodeAll(input.data);
    for (int trial = 0; trial < 40; ++trial) {
      Bytes z = whole;
      switch (trial % 5) {
        case 1:  // cut anywhere
          z.resize(next(static_cast<std::uint32_t>(z.size() + 1)));
          break;
        case 2:  // a few bits flipped past the header
          for (int k = 0; k < 3; ++k)
            z[14 + next(static_cast<std::uint32_t>(z.size() - 14))] ^= 1 << next(8);
          break;
        case 3:  // the header's length a little off
          SetLength(z, LengthOf(z) + next(41) - 20);
          break;
        case 4:  // bytes after the data
          z.push_back(static_cast<std::uint8_t>(next(256)));
          if (next(2)) z.push_back(0);
          break;
      }
      const std::size_t chunk = trial < 5 ? 2048 : 1 + next(trial % 2 ? 40 : 6000);
      const std::size_t slice = 1 + next(trial % 3 ? 5000 : 20);
      const std::uint64_t known = next(2) ? z.size() : szdd::kUnknownSize;
      const Trace plain = Follow<PlainDecoder>(z, chunk, slice, known);
      const Trace fast = Follow<szdd::Decoder>(z, chunk, slice, known);
      ASSERT_TRUE(plain == fast) << input.name << " trial " << trial << " chunk " << chunk
                                 << " slice " << slice << ": status "
                                 << static_cast<int>(plain.status) << " / "
                                 << static_cast<int>(fast.status) << ", calls "
                                 << plain.answers.size() << " / " << fast.answers.size();
    }
  }
}

}  // namespace

}  // namespace szdd_test
