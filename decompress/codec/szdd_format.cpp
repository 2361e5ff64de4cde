#include "szdd_format.h"

namespace szdd {

bool LengthPlausible(std::uint32_t length, std::uint64_t compressedSize) {
  if (compressedSize < kHeaderSize) return false;
  const std::uint64_t body = compressedSize - kHeaderSize;
  const std::uint64_t groups = (body + 16) / 17;
  return length <= groups * kMaxOutputPer17;
}

}  // namespace szdd
