// Little-endian byte buffers and the compressed integers of WinHelp files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace hlp {

using Bytes = std::vector<uint8_t>;

void PutU8(Bytes& b, uint8_t v);
void PutU16(Bytes& b, uint16_t v);
void PutU32(Bytes& b, uint32_t v);
// The string and its terminating NUL.
void PutStringZ(Bytes& b, const std::string& s);
void Append(Bytes& b, const Bytes& more);
void PatchU32(Bytes& b, size_t at, uint32_t v);

uint16_t GetU16(const uint8_t* p);
uint32_t GetU32(const uint8_t* p);

// Compressed integers of topic records: the low bit of the first byte tells
// the short (0) or long (1) form. Each returns false when v does not fit.
bool PutCompressedUShort(Bytes& b, uint32_t v);  // 1 byte 2v, or u16 2v+1
bool PutCompressedShort(Bytes& b, int32_t v);    // 1 byte 2(v+64), or u16 2(v+16384)+1
bool PutCompressedULong(Bytes& b, uint32_t v);   // u16 2v, or u32 2v+1
bool PutCompressedLong(Bytes& b, int32_t v);     // u16 2(v+16384), or u32 2(v+2^30)+1

// Readers of the same forms; p advances past the value.
uint32_t GetCompressedUShort(const uint8_t*& p);
int32_t GetCompressedShort(const uint8_t*& p);
uint32_t GetCompressedULong(const uint8_t*& p);
int32_t GetCompressedLong(const uint8_t*& p);

}  // namespace hlp
