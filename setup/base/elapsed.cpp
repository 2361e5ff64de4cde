#include "base/elapsed.h"

bool TimeHasPassed(std::uint32_t start, std::uint32_t duration, std::uint32_t now) {
  std::uint32_t end = start + duration;
  if (end < start) return end < now && now < start;
  return now > end || now < start;
}
