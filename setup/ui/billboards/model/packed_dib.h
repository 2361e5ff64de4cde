// A bitmap resource as the program's image holds it: an information
// header, the colour table, then the pixels. Read without the platform so
// that a damaged resource is refused before the platform reads past it.
#pragma once

#include <cstddef>

struct PackedDibLayout {
  int width = 0;
  int height = 0;   // rows, whichever way they are stored
  int colours = 0;  // entries of the colour table (4 bytes each)
  std::size_t colourTableOffset = 0;
  std::size_t bitsOffset = 0;
};

// False when the bytes are not a bitmap that can be drawn: too short, an
// old (12-byte) or unknown header, a size over 32767 or an odd pixel depth.
bool ReadPackedDib(const unsigned char* data, std::size_t size, PackedDibLayout& layout);
