// Round trips and the decoder's read contract.
#include <gtest/gtest.h>

#include "szdd_test_util.h"

namespace szdd_test {

namespace {

void ExpectRoundTrip(const Bytes& data, std::size_t chunk = 2048, std::size_t slice = 4096) {
  const Bytes z = EncodeAll(data);
  ASSERT_GE(z.size(), szdd::kHeaderSize);
  const Decoded d = DecodeAll(z, chunk, slice, z.size());
  ASSERT_TRUE(d.ok) << static_cast<int>(d.status);
  ASSERT_EQ(d.data.size(), data.size());
  EXPECT_TRUE(d.data == data);
}

TEST(SzddRoundTrip, Empty) {
  const Bytes z = EncodeAll({});
  EXPECT_EQ(z.size(), szdd::kHeaderSize);
  ExpectRoundTrip({});
}

TEST(SzddRoundTrip, OneByte) {
  ExpectRoundTrip({0x00});
  ExpectRoundTrip({' '});
  ExpectRoundTrip({0xFF});
}

TEST(SzddRoundTrip, Repetitive) {
  ExpectRoundTrip(Bytes(100000, 'a'));
  Bytes pattern;
  for (int i = 0; i < 50000; ++i) pattern.push_back(static_cast<std::uint8_t>("abcdefg"[i % 7]));
  ExpectRoundTrip(pattern);
  const Bytes z = EncodeAll(Bytes(100000, 'a'));
  EXPECT_LT(z.size(), 100000u / 8);  // runs collapse to 18-byte matches
}

TEST(SzddRoundTrip, LeadingSpacesUseThePrefilledWindow) {
  Bytes data(40, ' ');
  data.push_back('x');
  ExpectRoundTrip(data);
  EXPECT_LT(EncodeAll(data).size(), szdd::kHeaderSize + 12);
}

TEST(SzddRoundTrip, Random) {
  ExpectRoundTrip(Noise(70000, 1));
  ExpectRoundTrip(Noise(4095, 2));
  ExpectRoundTrip(Noise(4097, 3));
}

TEST(SzddRoundTrip, Prose) { ExpectRoundTrip(Prose(60000, 7)); }

TEST(SzddRoundTrip, RealBinary) {
  const Bytes self = ReadFileBytes("/proc/self/exe", 300000);
  ASSERT_GT(self.size(), 10000u);
  ExpectRoundTrip(self);
}

TEST(SzddRoundTrip, OddChunksAndSlices) {
  const Bytes data = Prose(9000, 3);
  for (std::size_t chunk : {1u, 2u, 17u, 2048u, 9000u, 9001u, 65536u})
    for (std::size_t slice : {1u, 3u, 4096u}) ExpectRoundTrip(data, chunk, slice);
}

TEST(SzddReadContract, FullChunksThenShortThenZero) {
  const Bytes data = Noise(5000, 9);
  const Bytes z = EncodeAll(data);
  szdd::MemorySource src(z.data(), z.size());
  szdd::Decoder dec;
  ASSERT_TRUE(dec.Begin(&src, z.size()));
  std::uint8_t buf[2048];
  EXPECT_EQ(dec.Read(buf, 2048), 2048);
  EXPECT_EQ(dec.Read(buf, 2048), 2048);
  EXPECT_EQ(dec.Read(buf, 2048), 5000 - 4096);
  EXPECT_EQ(dec.Read(buf, 2048), 0);
  EXPECT_EQ(dec.status(), szdd::Status::kOk);
}

TEST(SzddReadContract, ExactMultipleEndsWithZero) {
  const Bytes data = Prose(4096, 5);
  const Bytes z = EncodeAll(data);
  szdd::MemorySource src(z.data(), z.size());
  szdd::Decoder dec;
  ASSERT_TRUE(dec.Begin(&src));
  std::uint8_t buf[2048];
  EXPECT_EQ(dec.Read(buf, 2048), 2048);
  EXPECT_EQ(dec.Read(buf, 2048), 2048);
  EXPECT_EQ(dec.Read(buf, 2048), 0);
}

TEST(SzddReadContract, HeaderFieldsAreReported) {
  Bytes z;
  szdd::EncodeOptions o;
  o.missingChar = 'E';
  ASSERT_TRUE(szdd::Encode(reinterpret_cast<const std::uint8_t*>("hello"), 5, z, o));
  szdd::MemorySource src(z.data(), z.size());
  szdd::Decoder dec;
  ASSERT_TRUE(dec.Begin(&src));
  EXPECT_EQ(dec.missingChar(), 'E');
  EXPECT_EQ(dec.length(), 5u);
}

TEST(SzddReadContract, BeginWithoutSourceFails) {
  szdd::Decoder dec;
  EXPECT_FALSE(dec.Begin(nullptr));
  std::uint8_t b[4];
  EXPECT_EQ(dec.Read(b, 4), -1);
}

TEST(SzddEncoder, ParseIsNoWorseThanGreedy) {
  // "abcab" style data where taking a literal first gives a longer match.
  const Bytes data = Prose(30000, 11);
  szdd::EncodeOptions shallow;
  shallow.maxChain = 1;
  Bytes deep, quick;
  szdd::Encode(data.data(), data.size(), deep);
  szdd::Encode(data.data(), data.size(), quick, shallow);
  EXPECT_LE(deep.size(), quick.size());
  const Decoded d = DecodeAll(quick);
  ASSERT_TRUE(d.ok);
  EXPECT_TRUE(d.data == data);
}

}  // namespace
}  // namespace szdd_test
