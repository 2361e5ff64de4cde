#include "ui/billboards/model/packed_dib.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kRgb = 0;        // uncompressed
constexpr std::uint32_t kBitFields = 3;  // three colour masks follow the header
constexpr int kLargestSide = 32767;      // the platform's coordinates are 16-bit on Windows 95

std::uint32_t Read32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

int Read16(const unsigned char* p) { return p[0] | p[1] << 8; }

bool KnownDepth(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

bool ReadPackedDib(const unsigned char* data, std::size_t size, PackedDibLayout& layout) {
  if (!data || size < kInfoHeaderBytes) return false;
  const std::uint32_t headerBytes = Read32(data);
  if (headerBytes < kInfoHeaderBytes || headerBytes > size) return false;
  const auto width = static_cast<std::int32_t>(Read32(data + 4));
  const auto signedHeight = static_cast<std::int32_t>(Read32(data + 8));
  const int planes = Read16(data + 12);
  const int bits = Read16(data + 14);
  const std::uint32_t compression = Read32(data + 16);
  const std::uint32_t used = Read32(data + 32);
  if (width <= 0 || width > kLargestSide || signedHeight == 0 || signedHeight < -kLargestSide ||
      signedHeight > kLargestSide || planes != 1 || !KnownDepth(bits)) {
    return false;
  }
  std::uint32_t colours = used != 0 ? used : (bits <= 8 ? 1u << bits : 0u);
  if (colours > 256) return false;
  std::uint64_t tableOffset = headerBytes;
  if (compression == kBitFields && headerBytes == kInfoHeaderBytes) tableOffset += 12;
  const std::uint64_t bitsOffset = tableOffset + std::uint64_t{colours} * 4;
  const int height = std::abs(signedHeight);
  // Compressed pixels have no fixed length; uncompressed rows are padded to 4 bytes.
  std::uint64_t pixelBytes = 0;
  if (compression == kRgb || compression == kBitFields) {
    pixelBytes = (std::uint64_t{static_cast<std::uint32_t>(width)} * bits + 31) / 32 * 4 * height;
  }
  if (bitsOffset + pixelBytes > size) return false;
  layout.width = width;
  layout.height = height;
  layout.colours = static_cast<int>(colours);
  layout.colourTableOffset = static_cast<std::size_t>(tableOffset);
  layout.bitsOffset = static_cast<std::size_t>(bitsOffset);
  return true;
}
