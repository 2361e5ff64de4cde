#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expected_bytes.h"
#include "install_log/install_log_format.h"
#include "install_log/log_encoder.h"
#include "install_log/log_stream.h"
#include "memory_log_file.h"

namespace {

std::vector<uint8_t> Encoded(const LogEncoder& e) {
  return std::vector<uint8_t>(e.Data(), e.Data() + e.Size());
}

std::vector<uint8_t> StringBytes(const std::string& text) {
  LogEncoder e;
  e.String(text.c_str());
  return Encoded(e);
}

}  // namespace

TEST(LogEncoderTest, Int32IsLittleEndianTwosComplement) {
  LogEncoder e;
  e.Int32(0x12345678u);
  e.Int32(static_cast<uint32_t>(-2));
  EXPECT_EQ(Encoded(e), Bytes()({0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF}).v);
}

TEST(LogEncoderTest, ShortStringHasOneLengthByteAndNoTerminator) {
  EXPECT_EQ(StringBytes("abc"), Bytes()({3})("abc").v);
  EXPECT_EQ(StringBytes(""), Bytes()({0}).v);
}

TEST(LogEncoderTest, NullStringIsTheEmptyString) {
  LogEncoder e;
  e.String(nullptr);
  EXPECT_EQ(Encoded(e), Bytes()({0}).v);
}

TEST(LogEncoderTest, A254ByteStringTakes255Bytes) {
  const std::string text(254, 'x');
  EXPECT_EQ(StringBytes(text), Bytes()({254})(text).v);
  EXPECT_EQ(StringBytes(text).size(), 255u);
}

TEST(LogEncoderTest, A255ByteStringTakesTheMarkerAndALength) {
  const std::string text(255, 'y');
  EXPECT_EQ(StringBytes(text), Bytes()({255, 255, 0, 0, 0})(text).v);
  EXPECT_EQ(StringBytes(text).size(), 260u);
}

TEST(LogEncoderTest, A256ByteStringTakesTheMarkerAndALength) {
  const std::string text(256, 'z');
  EXPECT_EQ(StringBytes(text), Bytes()({255, 0, 1, 0, 0})(text).v);
}

TEST(LogEncoderTest, OnlyAStringBeyondTheReadersBoundIsOverlong) {
  LogEncoder e;
  e.String(std::string(install_log::kMaxStringLength, 'a').c_str());
  EXPECT_FALSE(e.Overlong());
  e.String(std::string(install_log::kMaxStringLength + 1, 'a').c_str());
  EXPECT_TRUE(e.Overlong());
  e.Clear();
  EXPECT_FALSE(e.Overlong());
  EXPECT_EQ(e.Size(), 0u);
}

TEST(LogEncoderTest, HeaderIsPlaceholderVersionAndTitle) {
  LogEncoder e;
  EncodeLogHeader(e, "Configuration Haventide");
  EXPECT_EQ(Encoded(e), Bytes()("01234567.012")({2, 1, 0, 0})({23})("Configuration Haventide").v);
}

TEST(LogStreamTest, WritesEachEncoding) {
  MemoryLogFile file;
  LogStream stream(file);
  ASSERT_TRUE(stream.Open("x", "wb"));
  EXPECT_TRUE(stream.WriteInt32(258));
  EXPECT_TRUE(stream.WriteByte(7));
  EXPECT_TRUE(stream.WriteRaw("pq", 2));
  EXPECT_TRUE(stream.WriteString("ab"));
  EXPECT_EQ(stream.Error(), 0);
  EXPECT_EQ(file.bytes, Bytes()({2, 1, 0, 0, 7})("pq")({2})("ab").v);
}

TEST(LogStreamTest, AFailedWriteSetsTheFlagAndLaterWritesKeepIt) {
  MemoryLogFile file;
  LogStream stream(file);
  ASSERT_TRUE(stream.Open("x", "wb"));
  file.write_budget = 2;
  EXPECT_FALSE(stream.WriteInt32(1));
  EXPECT_EQ(stream.Error(), 1);
  file.write_budget = -1;
  EXPECT_TRUE(stream.WriteByte(1));
  EXPECT_EQ(stream.Error(), 1);
}

TEST(LogStreamTest, WritingToAClosedStreamFails) {
  MemoryLogFile file;
  LogStream stream(file);
  EXPECT_FALSE(stream.WriteByte(1));
  EXPECT_EQ(stream.Error(), 1);
}

TEST(LogStreamTest, ReadsSeeksAndFlagsAShortRead) {
  MemoryLogFile file;
  file.exists = true;
  file.bytes = {10, 20, 30};
  LogStream stream(file);
  ASSERT_TRUE(stream.Open("x", "rb"));
  EXPECT_TRUE(stream.Seek(1));
  uint8_t b = 0;
  EXPECT_TRUE(stream.ReadByte(b));
  EXPECT_EQ(b, 20);
  EXPECT_EQ(stream.Error(), 0);
  uint8_t block[4] = {};
  EXPECT_EQ(stream.ReadRaw(block, 4), 1u);
  EXPECT_EQ(block[0], 30);
  EXPECT_EQ(stream.Error(), 1);
}

TEST(LogStreamTest, OpeningAgainKeepsTheFlag) {
  MemoryLogFile file;
  LogStream stream(file);
  EXPECT_FALSE(stream.WriteByte(1));
  ASSERT_TRUE(stream.Open("x", "wb"));
  EXPECT_EQ(stream.Error(), 1);
  stream.Close();
  EXPECT_FALSE(file.IsOpen());
}
