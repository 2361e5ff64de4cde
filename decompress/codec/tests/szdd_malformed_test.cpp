// Damaged and forged inputs: every one must end in an error status, never
// in an out-of-bounds access (the sanitizers watch), a hang or a crash.
#include <gtest/gtest.h>

#include <dirent.h>

#include "szdd_test_util.h"

namespace szdd_test {
namespace {

using szdd::Status;

void SetLength(Bytes& z, std::uint32_t len) {
  for (int i = 0; i < 4; ++i) z[10 + i] = static_cast<std::uint8_t>(len >> (8 * i));
}

TEST(SzddMalformed, EmptyFile) {
  const Decoded d = DecodeAll({});
  EXPECT_FALSE(d.ok);
  EXPECT_EQ(d.status, Status::kTruncated);
}

TEST(SzddMalformed, TruncatedHeader) {
  const Bytes z = EncodeAll(Prose(100, 1));
  for (std::size_t cut = 0; cut < szdd::kHeaderSize; ++cut) {
    const Decoded d = DecodeAll(Bytes(z.begin(), z.begin() + cut));
    EXPECT_FALSE(d.ok) << cut;
    EXPECT_EQ(d.status, Status::kTruncated) << cut;
  }
}

TEST(SzddMalformed, WrongMagic) {
  const Bytes good = EncodeAll(Prose(100, 1));
  for (std::size_t i = 0; i < 8; ++i) {
    Bytes z = good;
    z[i] ^= 0x20;
    const Decoded d = DecodeAll(z);
    EXPECT_FALSE(d.ok) << i;
    EXPECT_EQ(d.status, Status::kBadHeader) << i;
  }
}

TEST(SzddMalformed, WrongMode) {
  Bytes z = EncodeAll(Prose(100, 1));
  z[8] = 'B';
  EXPECT_EQ(DecodeAll(z).status, Status::kBadHeader);
}

TEST(SzddMalformed, EveryTruncationOfTheBodyFails) {
  const Bytes data = Prose(700, 4);
  const Bytes z = EncodeAll(data);
  for (std::size_t cut = szdd::kHeaderSize; cut < z.size(); ++cut) {
    const Decoded d = DecodeAll(Bytes(z.begin(), z.begin() + cut), 64, 5);
    EXPECT_FALSE(d.ok) << cut;
    EXPECT_EQ(d.status, Status::kTruncated) << cut;
  }
}

TEST(SzddMalformed, LengthLargerThanData) {
  Bytes z = EncodeAll(Prose(500, 2));
  SetLength(z, 501);
  const Decoded d = DecodeAll(z);
  EXPECT_FALSE(d.ok);
  EXPECT_EQ(d.status, Status::kTruncated);
}

TEST(SzddMalformed, LengthSmallerThanData) {
  for (std::uint32_t len : {0u, 1u, 499u}) {
    Bytes z = EncodeAll(Noise(500, 2));
    SetLength(z, len);
    const Decoded d = DecodeAll(z);
    EXPECT_FALSE(d.ok) << len;
    EXPECT_EQ(d.status, Status::kTooLong) << len;
  }
}

TEST(SzddMalformed, MatchRunningPastTheLength) {
  Bytes z = EncodeAll(Bytes(18, 'q'));  // one literal and a 17-byte match
  SetLength(z, 10);
  EXPECT_EQ(DecodeAll(z).status, Status::kTooLong);
}

TEST(SzddMalformed, LoneFinalFlagByteIsAccepted) {
  const Bytes data = Noise(8, 5);  // exactly one full group of literals
  Bytes z = EncodeAll(data);
  z.push_back(0xFF);
  const Decoded d = DecodeAll(z);
  ASSERT_TRUE(d.ok);
  EXPECT_TRUE(d.data == data);
  z.push_back('x');  // but an item after it is data beyond the length
  EXPECT_EQ(DecodeAll(z).status, Status::kTooLong);
}

TEST(SzddMalformed, AbsurdLengthRejectedAtOpen) {
  Bytes z = EncodeAll(Prose(500, 2));
  SetLength(z, 0xFFFFFFFFu);
  EXPECT_EQ(DecodeAll(z, 2048, 4096, z.size()).status, Status::kTooLarge);
  // Without the file size the data runs out first.
  EXPECT_EQ(DecodeAll(z).status, Status::kTruncated);
}

TEST(SzddMalformed, PlausibilityBound) {
  EXPECT_FALSE(szdd::LengthPlausible(0, 13));
  EXPECT_TRUE(szdd::LengthPlausible(0, 14));
  EXPECT_FALSE(szdd::LengthPlausible(1, 14));
  EXPECT_TRUE(szdd::LengthPlausible(144, 14 + 17));
  EXPECT_FALSE(szdd::LengthPlausible(145, 14 + 17));
  // The densest real file stays inside the bound.
  const Bytes z = EncodeAll(Bytes(200000, 0));
  EXPECT_TRUE(szdd::LengthPlausible(200000, z.size()));
}

class FailingSource : public szdd::ByteSource {
 public:
  explicit FailingSource(Bytes head) : head_(std::move(head)) {}
  long Read(std::uint8_t* buf, std::size_t n) override {
    if (sent_) return -1;
    sent_ = true;
    const std::size_t k = head_.size() < n ? head_.size() : n;
    for (std::size_t i = 0; i < k; ++i) buf[i] = head_[i];
    return static_cast<long>(k);
  }

 private:
  Bytes head_;
  bool sent_ = false;
};

TEST(SzddMalformed, SourceErrorIsAReadErrorAndSticks) {
  const Bytes z = EncodeAll(Noise(10000, 8));
  FailingSource src(Bytes(z.begin(), z.begin() + 100));
  szdd::Decoder dec;
  ASSERT_TRUE(dec.Begin(&src));
  std::uint8_t buf[2048];
  EXPECT_EQ(dec.Read(buf, sizeof buf), -1);
  EXPECT_EQ(dec.status(), Status::kReadError);
  EXPECT_EQ(dec.Read(buf, sizeof buf), -1);
}

TEST(SzddMalformed, RandomBodiesNeverMisbehave) {
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    Bytes z = EncodeAll({});
    const Bytes body = Noise(1 + seed * 7 % 900, seed);
    z.insert(z.end(), body.begin(), body.end());
    SetLength(z, seed * 37 % 5000);
    const Decoded d = DecodeAll(z, 1 + seed % 300, 1 + seed % 50);
    if (d.ok) {
      EXPECT_EQ(d.data.size(), seed * 37 % 5000);
    }
  }
}

// Inputs the fuzzer once found troublesome stay here as regressions.
TEST(SzddMalformed, FuzzRegressions) {
  const std::string dir = HVT_FUZZ_REGRESSIONS;
  DIR* d = opendir(dir.c_str());
  ASSERT_NE(d, nullptr) << dir;
  int seen = 0;
  while (dirent* e = readdir(d)) {
    if (e->d_name[0] == '.') continue;
    const Bytes z = ReadFileBytes(dir + "/" + e->d_name);
    DecodeAll(z, 2048, 4096, z.size());
    DecodeAll(z, 7, 3);
    ++seen;
  }
  closedir(d);
  EXPECT_GT(seen, 0);
}

}  // namespace
}  // namespace szdd_test
