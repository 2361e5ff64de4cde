#include "le_bytes.h"

namespace hlp {

void putU8(Bytes& b, uint8_t v) { b.push_back(v); }

void putU16(Bytes& b, uint16_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}

void putU32(Bytes& b, uint32_t v) {
  putU16(b, static_cast<uint16_t>(v));
  putU16(b, static_cast<uint16_t>(v >> 16));
}

void putStringZ(Bytes& b, const std::string& s) {
  b.insert(b.end(), s.begin(), s.end());
  b.push_back(0);
}

void append(Bytes& b, const Bytes& more) { b.insert(b.end(), more.begin(), more.end()); }

void patchU32(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

uint16_t getU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

uint32_t getU32(const uint8_t* p) {
  return static_cast<uint32_t>(getU16(p)) | (static_cast<uint32_t>(getU16(p + 2)) << 16);
}

bool putCompressedUShort(Bytes& b, uint32_t v) {
  if (v < 0x80) {
    putU8(b, static_cast<uint8_t>(v * 2));
    return true;
  }
  if (v < 0x8000) {
    putU16(b, static_cast<uint16_t>(v * 2 + 1));
    return true;
  }
  return false;
}

bool putCompressedShort(Bytes& b, int32_t v) {
  if (v >= -0x40 && v < 0x40) {
    putU8(b, static_cast<uint8_t>((v + 0x40) * 2));
    return true;
  }
  if (v >= -0x4000 && v < 0x4000) {
    putU16(b, static_cast<uint16_t>((v + 0x4000) * 2 + 1));
    return true;
  }
  return false;
}

bool putCompressedULong(Bytes& b, uint32_t v) {
  if (v < 0x8000) {
    putU16(b, static_cast<uint16_t>(v * 2));
    return true;
  }
  if (v < 0x80000000u) {
    putU32(b, v * 2 + 1);
    return true;
  }
  return false;
}

bool putCompressedLong(Bytes& b, int32_t v) {
  if (v >= -0x4000 && v < 0x4000) {
    putU16(b, static_cast<uint16_t>((v + 0x4000) * 2));
    return true;
  }
  if (v >= -0x40000000 && v < 0x40000000) {
    putU32(b, static_cast<uint32_t>(v + 0x40000000) * 2 + 1);
    return true;
  }
  return false;
}

uint32_t getCompressedUShort(const uint8_t*& p) {
  if (p[0] & 1) {
    uint32_t v = getU16(p) / 2;
    p += 2;
    return v;
  }
  return *p++ / 2u;
}

int32_t getCompressedShort(const uint8_t*& p) {
  if (p[0] & 1) {
    int32_t v = static_cast<int32_t>(getU16(p) / 2) - 0x4000;
    p += 2;
    return v;
  }
  return static_cast<int32_t>(*p++ / 2) - 0x40;
}

uint32_t getCompressedULong(const uint8_t*& p) {
  if (p[0] & 1) {
    uint32_t v = getU32(p) / 2;
    p += 4;
    return v;
  }
  uint32_t v = getU16(p) / 2u;
  p += 2;
  return v;
}

int32_t getCompressedLong(const uint8_t*& p) {
  if (p[0] & 1) {
    int32_t v = static_cast<int32_t>(getU32(p) / 2) - 0x40000000;
    p += 4;
    return v;
  }
  int32_t v = static_cast<int32_t>(getU16(p) / 2) - 0x4000;
  p += 2;
  return v;
}

}  // namespace hlp
