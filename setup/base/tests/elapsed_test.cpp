#include "base/elapsed.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {
constexpr std::uint32_t kMax = 0xFFFFFFFFu;
}

TEST(ElapsedTest, PassesOnlyAfterTheEnd) {
  EXPECT_FALSE(TimeHasPassed(1000, 3000, 1000));
  EXPECT_FALSE(TimeHasPassed(1000, 3000, 2500));
  EXPECT_FALSE(TimeHasPassed(1000, 3000, 4000));
  EXPECT_TRUE(TimeHasPassed(1000, 3000, 4001));
  EXPECT_TRUE(TimeHasPassed(1000, 3000, kMax));
}

TEST(ElapsedTest, ACounterThatWrappedAfterTheStartHasPassed) {
  // The end did not wrap, but the clock did: far more than 3000 ms went by.
  EXPECT_TRUE(TimeHasPassed(1000, 3000, 999));
  EXPECT_TRUE(TimeHasPassed(1000, 3000, 0));
}

TEST(ElapsedTest, EndThatWrapsPastZero) {
  std::uint32_t start = kMax - 999;  // 1000 ticks before the wrap
  // end = start + 3000 wraps to 2000.
  EXPECT_FALSE(TimeHasPassed(start, 3000, start));
  EXPECT_FALSE(TimeHasPassed(start, 3000, kMax));
  EXPECT_FALSE(TimeHasPassed(start, 3000, 0));
  EXPECT_FALSE(TimeHasPassed(start, 3000, 1999));
  EXPECT_FALSE(TimeHasPassed(start, 3000, 2000));
  EXPECT_TRUE(TimeHasPassed(start, 3000, 2001));
  EXPECT_TRUE(TimeHasPassed(start, 3000, start - 1));
}

TEST(ElapsedTest, AgreesWithTheUnsignedDistanceEverywhere) {
  // Equivalent statement of the rule: more than duration ticks lie between
  // start and now, counted modulo 2^32. Probe around every boundary.
  const std::uint32_t starts[] = {0, 1, 1000, 0x7FFFFFFFu, kMax - 3000, kMax - 1, kMax};
  const std::uint32_t durations[] = {0, 1, 500, 3000, 0x80000000u, kMax - 1, kMax};
  const std::int64_t offsets[] = {-2, -1, 0, 1, 2};
  for (std::uint32_t s : starts)
    for (std::uint32_t d : durations) {
      std::uint32_t end = s + d;
      for (std::uint32_t anchor : {s, end, 0u, kMax, s + d / 2})
        for (std::int64_t off : offsets) {
          std::uint32_t now = anchor + static_cast<std::uint32_t>(off);
          bool expected = static_cast<std::uint32_t>(now - s) > d;
          EXPECT_EQ(TimeHasPassed(s, d, now), expected)
              << "start " << s << " duration " << d << " now " << now;
        }
    }
}

TEST(ElapsedTest, ZeroDurationHasPassedAtTheNextTick) {
  EXPECT_FALSE(TimeHasPassed(500, 0, 500));
  EXPECT_TRUE(TimeHasPassed(500, 0, 501));
  EXPECT_FALSE(TimeHasPassed(kMax, 0, kMax));
  EXPECT_TRUE(TimeHasPassed(kMax, 0, 0));
}
