// The SZDD file format of the MS-DOS/Windows COMPRESS and EXPAND tools:
// a 14-byte header followed by LZSS data over a 4096-byte ring window.
#pragma once
#include <cstddef>
#include <cstdint>

namespace szdd {

constexpr std::uint8_t kMagic[8] = {0x53, 0x5A, 0x44, 0x44, 0x88, 0xF0, 0x27, 0x33};
constexpr std::uint8_t kModeLz = 'A';
constexpr std::size_t kHeaderSize = 14;  // magic, mode, missing char, LE32 length

constexpr unsigned kWindowSize = 4096;  // ring window, pre-filled with spaces
constexpr unsigned kWindowMask = kWindowSize - 1;
constexpr unsigned kFirstWrite = 0xFF0;  // where the first output byte lands
constexpr std::uint8_t kFill = ' ';
constexpr unsigned kMinMatch = 3;
constexpr unsigned kMaxMatch = 18;  // 4-bit length field + 3

// Longest output one input byte can stand for: a flag byte plus eight
// two-byte matches (17 bytes) give at most 8 * 18 bytes.
constexpr std::uint64_t kMaxOutputPer17 = 8 * kMaxMatch;

// True when a header length of `length` can come from `compressedSize`
// bytes of file; a larger length is a damaged or forged header.
bool LengthPlausible(std::uint32_t length, std::uint64_t compressedSize);

}  // namespace szdd
