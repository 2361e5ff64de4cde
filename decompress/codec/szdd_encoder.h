// SZDD encoder with an optimal parse: for every position the longest match
// in the window is found, then a backward pass picks the cheapest sequence
// of literals (9 bits) and matches (17 bits). Any prefix of a match is a
// match too, so the parse is optimal for the matches found.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace szdd {

struct EncodeOptions {
  std::uint8_t missingChar = 0;  // last character of the original extension
  unsigned maxChain = 1024;      // window candidates tried per position
};

// Appends the complete compressed file for data[0, n) to out. Fails (and
// leaves out unchanged) when n does not fit the format's 32-bit length.
bool Encode(const std::uint8_t* data, std::size_t n, std::vector<std::uint8_t>& out,
            const EncodeOptions& options = EncodeOptions());

}  // namespace szdd
