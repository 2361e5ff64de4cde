// The activity meter's two readings, without the platform. Idle, the meter
// stands still at RAM 77 and CPU 90; busy, both flicker between 70 and 100,
// drawn from a small linear congruential generator.
#pragma once

#include <cstdint>

class MeterGenerator {
 public:
  explicit MeterGenerator(std::uint32_t seed = 0) : seed_(seed) {}
  void Seed(std::uint32_t seed) { seed_ = seed; }
  // seed = seed × 214013 + 2531011 (mod 2^32); answers bits 16–30, 0–32767.
  int Next();

 private:
  std::uint32_t seed_;
};

struct MeterValues {
  int ram;
  int cpu;
};

constexpr int kMeterIdleRam = 77;
constexpr int kMeterIdleCpu = 90;

// Idle: the fixed pair, the generator untouched. Busy: 70 + r × 31 / 32768
// for RAM then CPU, from the generator's next two numbers.
MeterValues NextMeterValues(bool busy, MeterGenerator& generator);
