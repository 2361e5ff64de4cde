// Where a billboard's pictures go, without the platform: the bitmap names a
// picture control's text stands for, where a bitmap is drawn in the
// control, and the control's rectangle once it takes the bitmap's size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The longest control text that names a bitmap.
constexpr std::size_t kPictureNameChars = 254;

// The names tried, best first: on a display of 8 bits per pixel or more
// (planes × bits per pixel above 7) the text with "256" appended, then the
// text; otherwise the text alone. The text is cut to kPictureNameChars.
std::vector<std::string> PictureNames(const std::string& text, int planes, int bitsPerPixel);

struct PictureRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};
bool operator==(const PictureRect& a, const PictureRect& b);

struct PicturePlacement {
  PictureRect target;
  bool stretched = false;
};

// A bitmap larger than the control in either direction is stretched into
// it; otherwise it keeps its size, centred (halves rounded down).
PicturePlacement PlacePicture(const PictureRect& control, int width, int height);

// The control with the bitmap's size around its old centre. The offset is
// the centring's, so a bitmap drawn centred stays where it is; a control
// that already has the size is returned unchanged.
PictureRect ResizeAroundCentre(const PictureRect& control, int width, int height);

// The bitmap's size in one 32-bit message field: height in the high 16
// bits, width in the low 16.
std::uint32_t PackPictureSize(int width, int height);
int PackedPictureWidth(std::uint32_t packed);
int PackedPictureHeight(std::uint32_t packed);
