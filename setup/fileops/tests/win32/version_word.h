// A version resource's 32-bit word from its two halves, the higher first:
// VersionWord(1, 10) is the "1.10" of a file version's most significant word.
#pragma once

#include <cstdint>

constexpr uint32_t VersionWord(uint32_t high, uint32_t low) { return high << 16 | low; }
