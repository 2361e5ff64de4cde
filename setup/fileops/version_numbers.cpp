#include "fileops/version_numbers.h"

#include <cstdio>

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// One "%d" conversion: the value's low 16 bits, text advanced past it.
bool ParseNumber(const char*& text, uint32_t& part) {
  const char* p = text;
  while (IsBlank(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  if (*p < '0' || *p > '9') return false;
  // Magnitudes up to 2^31 fit (2^31 only as a negative number); anything
  // longer is refused rather than wrapped.
  uint64_t magnitude = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    magnitude = magnitude * 10 + static_cast<uint64_t>(*p - '0');
    if (magnitude > 0x80000000ull) return false;
  }
  if (!negative && magnitude == 0x80000000ull) return false;
  const uint32_t value =
      negative ? 0u - static_cast<uint32_t>(magnitude) : static_cast<uint32_t>(magnitude);
  part = value & 0xFFFFu;
  text = p;
  return true;
}

}  // namespace

int CompareVersionWords(uint32_t aMs, uint32_t aLs, uint32_t bMs, uint32_t bLs) {
  if (aMs != bMs) return aMs < bMs ? -1 : 1;
  if (aLs != bLs) return aLs < bLs ? -1 : 1;
  return 0;
}

bool ParseDottedVersion(const char* text, uint32_t& ms, uint32_t& ls) {
  if (!text) return false;
  uint32_t parts[4];
  for (int i = 0; i < 4; ++i) {
    if (i > 0 && *text++ != '.') return false;
    if (!ParseNumber(text, parts[i])) return false;
  }
  ms = parts[0] << 16 | parts[1];
  ls = parts[2] << 16 | parts[3];
  return true;
}

bool FormatDottedVersion(uint32_t ms, uint32_t ls, char* text, size_t size) {
  if (!text || size == 0) return false;
  const int length = std::snprintf(text, size, "%d.%d.%d.%d", static_cast<int>(ms >> 16),
                                   static_cast<int>(ms & 0xFFFFu), static_cast<int>(ls >> 16),
                                   static_cast<int>(ls & 0xFFFFu));
  return length >= 0 && static_cast<size_t>(length) < size;
}
