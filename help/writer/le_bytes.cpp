#include "le_bytes.h"

namespace hlp {

void PutU8(Bytes& b, uint8_t v) { b.push_back(v); }

void PutU16(Bytes& b, uint16_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}

void PutU32(Bytes& b, uint32_t v) {
  PutU16(b, static_cast<uint16_t>(v));
  PutU16(b, static_cast<uint16_t>(v >> 16));
}

void PutStringZ(Bytes& b, const std::string& s) {
  b.insert(b.end(), s.begin(), s.end());
  b.push_back(0);
}

void Append(Bytes& b, const Bytes& more) { b.insert(b.end(), more.begin(), more.end()); }

void PatchU32(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

uint16_t GetU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

uint32_t GetU32(const uint8_t* p) {
  return static_cast<uint32_t>(GetU16(p)) | (static_cast<uint32_t>(GetU16(p + 2)) << 16);
}

bool PutCompressedUShort(Bytes& b, uint32_t v) {
  if (v < 0x80) {
    PutU8(b, static_cast<uint8_t>(v * 2));
    return true;
  }
  if (v < 0x8000) {
    PutU16(b, static_cast<uint16_t>(v * 2 + 1));
    return true;
  }
  return false;
}

bool PutCompressedShort(Bytes& b, int32_t v) {
  if (v >= -0x40 && v < 0x40) {
    PutU8(b, static_cast<uint8_t>((v + 0x40) * 2));
    return true;
  }
  if (v >= -0x4000 && v < 0x4000) {
    PutU16(b, static_cast<uint16_t>((v + 0x4000) * 2 + 1));
    return true;
  }
  return false;
}

bool PutCompressedULong(Bytes& b, uint32_t v) {
  if (v < 0x8000) {
    PutU16(b, static_cast<uint16_t>(v * 2));
    return true;
  }
  if (v < 0x80000000u) {
    PutU32(b, v * 2 + 1);
    return true;
  }
  return false;
}

bool PutCompressedLong(Bytes& b, int32_t v) {
  if (v >= -0x4000 && v < 0x4000) {
    PutU16(b, static_cast<uint16_t>((v + 0x4000) * 2));
    return true;
  }
  if (v >= -0x40000000 && v < 0x40000000) {
    PutU32(b, static_cast<uint32_t>(v + 0x40000000) * 2 + 1);
    return true;
  }
  return false;
}

uint32_t GetCompressedUShort(const uint8_t*& p) {
  if (p[0] & 1) {
    uint32_t v = GetU16(p) / 2;
    p += 2;
    return v;
  }
  return *p++ / 2u;
}

int32_t GetCompressedShort(const uint8_t*& p) {
  if (p[0] & 1) {
    int32_t v = static_cast<int32_t>(GetU16(p) / 2) - 0x4000;
    p += 2;
    return v;
  }
  return static_cast<int32_t>(*p++ / 2) - 0x40;
}

uint32_t GetCompressedULong(const uint8_t*& p) {
  if (p[0] & 1) {
    uint32_t v = GetU32(p) / 2;
    p += 4;
    return v;
  }
  uint32_t v = GetU16(p) / 2u;
  p += 2;
  return v;
}

int32_t GetCompressedLong(const uint8_t*& p) {
  if (p[0] & 1) {
    int32_t v = static_cast<int32_t>(GetU32(p) / 2) - 0x40000000;
    p += 4;
    return v;
  }
  int32_t v = static_cast<int32_t>(GetU16(p) / 2) - 0x4000;
  p += 2;
  return v;
}

}  // namespace hlp
