#include "fileops/version_numbers.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t Words(uint32_t high, uint32_t low) { return high << 16 | low; }

TEST(VersionNumbers, ComparesMostSignificantWordFirst) {
  EXPECT_EQ(CompareVersionWords(Words(1, 10), 0, Words(1, 9), 0), 1);
  EXPECT_EQ(CompareVersionWords(Words(1, 9), 0, Words(1, 10), 0), -1);
  EXPECT_EQ(CompareVersionWords(Words(2, 0), 0, Words(1, 9), Words(9, 9)), 1);
  EXPECT_EQ(CompareVersionWords(Words(1, 2), Words(3, 4), Words(1, 2), Words(3, 5)), -1);
  EXPECT_EQ(CompareVersionWords(Words(1, 2), Words(3, 4), Words(1, 2), Words(3, 4)), 0);
}

TEST(VersionNumbers, WordsAreUnsigned) {
  EXPECT_EQ(CompareVersionWords(0x80000000u, 0, 0x7FFFFFFFu, 0), 1);
  EXPECT_EQ(CompareVersionWords(1, 0xFFFFFFFFu, 1, 1), 1);
}

TEST(VersionNumbers, ParsesFourNumbers) {
  uint32_t ms = 0, ls = 0;
  ASSERT_TRUE(ParseDottedVersion("1.10.3.4", ms, ls));
  EXPECT_EQ(ms, Words(1, 10));
  EXPECT_EQ(ls, Words(3, 4));
  ASSERT_TRUE(ParseDottedVersion("0.0.0.0", ms, ls));
  EXPECT_EQ(ms, 0u);
  EXPECT_EQ(ls, 0u);
}

TEST(VersionNumbers, ParsesLikeTheDecimalConversion) {
  uint32_t ms = 0, ls = 0;
  ASSERT_TRUE(ParseDottedVersion(" 1. 2.+3.4 and more", ms, ls));
  EXPECT_EQ(ms, Words(1, 2));
  EXPECT_EQ(ls, Words(3, 4));
  ASSERT_TRUE(ParseDottedVersion("1.2.3.4.5", ms, ls));
  EXPECT_EQ(ls, Words(3, 4));
}

TEST(VersionNumbers, FewerThanFourNumbersAreRefused) {
  uint32_t ms = 7, ls = 7;
  EXPECT_FALSE(ParseDottedVersion("1.2.3", ms, ls));
  EXPECT_FALSE(ParseDottedVersion("1.2.3.", ms, ls));
  EXPECT_FALSE(ParseDottedVersion("1.2..4", ms, ls));
  EXPECT_FALSE(ParseDottedVersion("1,2,3,4", ms, ls));
  EXPECT_FALSE(ParseDottedVersion("", ms, ls));
  EXPECT_FALSE(ParseDottedVersion("v1.2.3.4", ms, ls));
  EXPECT_FALSE(ParseDottedVersion(nullptr, ms, ls));
  EXPECT_EQ(ms, 7u);
  EXPECT_EQ(ls, 7u);
}

TEST(VersionNumbers, NumbersKeepTheirLow16Bits) {
  uint32_t ms = 0, ls = 0;
  ASSERT_TRUE(ParseDottedVersion("65537.65535.131074.-1", ms, ls));
  EXPECT_EQ(ms, Words(1, 0xFFFF));
  EXPECT_EQ(ls, Words(2, 0xFFFF));
  ASSERT_TRUE(ParseDottedVersion("2147483647.-2147483648.0.0", ms, ls));
  EXPECT_EQ(ms, Words(0xFFFF, 0));
}

TEST(VersionNumbers, NumbersBeyond32BitsAreRefused) {
  uint32_t ms = 0, ls = 0;
  EXPECT_FALSE(ParseDottedVersion("2147483648.0.0.0", ms, ls));
  EXPECT_FALSE(ParseDottedVersion("1.2.3.99999999999999999999", ms, ls));
  EXPECT_FALSE(ParseDottedVersion("1.-2147483649.3.4", ms, ls));
}

TEST(VersionNumbers, FormatsAndParsesBack) {
  char text[80];
  ASSERT_TRUE(FormatDottedVersion(Words(65535, 10), Words(0, 65535), text, sizeof text));
  EXPECT_STREQ(text, "65535.10.0.65535");
  uint32_t ms = 0, ls = 0;
  ASSERT_TRUE(ParseDottedVersion(text, ms, ls));
  EXPECT_EQ(ms, Words(65535, 10));
  EXPECT_EQ(ls, Words(0, 65535));
}

TEST(VersionNumbers, FormatRefusesASmallBuffer) {
  char text[8];
  EXPECT_FALSE(FormatDottedVersion(Words(1, 10), Words(100, 1000), text, sizeof text));
  EXPECT_TRUE(FormatDottedVersion(Words(1, 2), Words(3, 4), text, sizeof text));
  EXPECT_STREQ(text, "1.2.3.4");
}

}  // namespace
