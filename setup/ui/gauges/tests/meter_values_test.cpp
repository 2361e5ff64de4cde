#include "ui/gauges/model/meter_values.h"

#include <gtest/gtest.h>

namespace {

TEST(MeterGenerator, SameSequenceAsTheClassicRuntimeGenerator) {
  // The C runtime's rand() after srand(1) gives 41, 18467, 6334, 26500.
  MeterGenerator g(1);
  EXPECT_EQ(g.Next(), 41);
  EXPECT_EQ(g.Next(), 18467);
  EXPECT_EQ(g.Next(), 6334);
  EXPECT_EQ(g.Next(), 26500);
}

TEST(MeterValues, IdleIsFixedAndLeavesTheGeneratorAlone) {
  MeterGenerator g(1);
  MeterValues v = NextMeterValues(false, g);
  EXPECT_EQ(v.ram, 77);
  EXPECT_EQ(v.cpu, 90);
  EXPECT_EQ(g.Next(), 41);
}

TEST(MeterValues, BusyTakesRamThenCpuFromTheGenerator) {
  MeterGenerator g(1);
  MeterValues v = NextMeterValues(true, g);
  EXPECT_EQ(v.ram, 70);  // 41 × 31 / 32768
  EXPECT_EQ(v.cpu, 87);  // 18467 × 31 / 32768 = 17.47
}

TEST(MeterValues, BusyStaysWithin70To100) {
  MeterGenerator g(12345);
  int low = 100, high = 70;
  for (int i = 0; i < 20000; ++i) {
    MeterValues v = NextMeterValues(true, g);
    low = v.ram < low ? v.ram : low;
    low = v.cpu < low ? v.cpu : low;
    high = v.ram > high ? v.ram : high;
    high = v.cpu > high ? v.cpu : high;
  }
  EXPECT_EQ(low, 70);
  EXPECT_EQ(high, 100);
}

}  // namespace
