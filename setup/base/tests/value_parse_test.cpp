#include "base/value_parse.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

TEST(ValueParseTest, OneNumberWithLeadingZerosIsDecimal) {
  long value = -1;
  ASSERT_TRUE(ParseLongValue("007", value));
  EXPECT_EQ(value, 7);
  ASSERT_TRUE(ParseLongValue("010", value));
  EXPECT_EQ(value, 10);
}

TEST(ValueParseTest, BlanksAroundTheNumberAreAllowed) {
  long value = -1;
  ASSERT_TRUE(ParseLongValue(" 7 ", value));
  EXPECT_EQ(value, 7);
  ASSERT_TRUE(ParseLongValue("\t-12\r\n", value));
  EXPECT_EQ(value, -12);
  ASSERT_TRUE(ParseLongValue("+5", value));
  EXPECT_EQ(value, 5);
}

TEST(ValueParseTest, AnythingButBlanksAfterTheNumberIsRefused) {
  long value = 99;
  EXPECT_FALSE(ParseLongValue("7 7", value));
  EXPECT_FALSE(ParseLongValue("12a", value));
  EXPECT_FALSE(ParseLongValue("12 a", value));
  EXPECT_FALSE(ParseLongValue("0x10", value));
  EXPECT_FALSE(ParseLongValue("1.5", value));
  EXPECT_EQ(value, 99);
}

TEST(ValueParseTest, TextWithoutANumberIsRefused) {
  long value = 99;
  EXPECT_FALSE(ParseLongValue("", value));
  EXPECT_FALSE(ParseLongValue("   ", value));
  EXPECT_FALSE(ParseLongValue("a12", value));
  EXPECT_FALSE(ParseLongValue("-", value));
  EXPECT_FALSE(ParseLongValue("- 5", value));
  EXPECT_FALSE(ParseLongValue(nullptr, value));
  EXPECT_EQ(value, 99);
}

TEST(ValueParseTest, IntRefusesNumbersBeyondItsRange) {
  int value = 3;
  ASSERT_TRUE(ParseIntValue("2147483647", value));
  EXPECT_EQ(value, INT_MAX);
  ASSERT_TRUE(ParseIntValue("-2147483648", value));
  EXPECT_EQ(value, INT_MIN);
  EXPECT_FALSE(ParseIntValue("2147483648", value));
  EXPECT_FALSE(ParseIntValue("-2147483649", value));
  EXPECT_FALSE(ParseIntValue("99999999999999999999999", value));
  EXPECT_EQ(value, INT_MIN);
}

TEST(ValueParseTest, LongRefusesNumbersBeyondItsRange) {
  long value = 3;
  std::string max = std::to_string(LONG_MAX);
  ASSERT_TRUE(ParseLongValue(max.c_str(), value));
  EXPECT_EQ(value, LONG_MAX);
  EXPECT_FALSE(ParseLongValue("99999999999999999999999", value));
  EXPECT_EQ(value, LONG_MAX);
}

TEST(ValueParseTest, UnsignedTakesNoMinusSign) {
  unsigned value = 1;
  ASSERT_TRUE(ParseUnsignedValue(" 4294967295 ", value));
  EXPECT_EQ(value, 4294967295u);
  EXPECT_FALSE(ParseUnsignedValue("4294967296", value));
  EXPECT_FALSE(ParseUnsignedValue("-1", value));
  EXPECT_FALSE(ParseUnsignedValue(" -0", value));
  EXPECT_FALSE(ParseUnsignedValue("7 7", value));
  EXPECT_EQ(value, 4294967295u);
  ASSERT_TRUE(ParseUnsignedValue("007", value));
  EXPECT_EQ(value, 7u);
}

TEST(ValueParseTest, RealsFollowTheSameRule) {
  double real = 0;
  ASSERT_TRUE(ParseRealValue(" 2.5 ", real));
  EXPECT_DOUBLE_EQ(real, 2.5);
  ASSERT_TRUE(ParseRealValue("-1e3", real));
  EXPECT_DOUBLE_EQ(real, -1000.0);
  EXPECT_FALSE(ParseRealValue("2.5x", real));
  EXPECT_FALSE(ParseRealValue("1 2", real));
  EXPECT_FALSE(ParseRealValue("", real));
  EXPECT_DOUBLE_EQ(real, -1000.0);
  float single = 0;
  ASSERT_TRUE(ParseFloatValue("0.25\t", single));
  EXPECT_FLOAT_EQ(single, 0.25f);
  EXPECT_FALSE(ParseFloatValue("0.25 ;", single));
  EXPECT_FALSE(ParseFloatValue(" ", single));
  EXPECT_FLOAT_EQ(single, 0.25f);
}

TEST(ValueParseTest, BlankText) {
  EXPECT_TRUE(IsBlankText(""));
  EXPECT_TRUE(IsBlankText(nullptr));
  EXPECT_TRUE(IsBlankText(" \t\r\n"));
  EXPECT_FALSE(IsBlankText("  x "));
  EXPECT_FALSE(IsBlankText("0"));
}
