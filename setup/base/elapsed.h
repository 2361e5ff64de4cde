// The elapsed test of waits measured in millisecond ticks (unsigned 32 bits,
// wrapping about every 49.7 days).
#pragma once

#include <cstdint>

// True when more than duration ticks have passed since start, at tick now.
// With end = start + duration: when end wrapped below start, the time has
// passed when end < now < start; otherwise when now > end or now < start
// (the counter wrapped after start).
bool TimeHasPassed(std::uint32_t start, std::uint32_t duration, std::uint32_t now);
