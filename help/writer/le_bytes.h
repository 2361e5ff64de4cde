// Little-endian byte buffers and the compressed integers of WinHelp files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace hlp {

using Bytes = std::vector<uint8_t>;

void putU8(Bytes& b, uint8_t v);
void putU16(Bytes& b, uint16_t v);
void putU32(Bytes& b, uint32_t v);
// The string and its terminating NUL.
void putStringZ(Bytes& b, const std::string& s);
void append(Bytes& b, const Bytes& more);
void patchU32(Bytes& b, size_t at, uint32_t v);

uint16_t getU16(const uint8_t* p);
uint32_t getU32(const uint8_t* p);

// Compressed integers of topic records: the low bit of the first byte tells
// the short (0) or long (1) form. Each returns false when v does not fit.
bool putCompressedUShort(Bytes& b, uint32_t v);  // 1 byte 2v, or u16 2v+1
bool putCompressedShort(Bytes& b, int32_t v);    // 1 byte 2(v+64), or u16 2(v+16384)+1
bool putCompressedULong(Bytes& b, uint32_t v);   // u16 2v, or u32 2v+1
bool putCompressedLong(Bytes& b, int32_t v);     // u16 2(v+16384), or u32 2(v+2^30)+1

// Readers of the same forms; p advances past the value.
uint32_t getCompressedUShort(const uint8_t*& p);
int32_t getCompressedShort(const uint8_t*& p);
uint32_t getCompressedULong(const uint8_t*& p);
int32_t getCompressedLong(const uint8_t*& p);

}  // namespace hlp
