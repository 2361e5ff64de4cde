#include "ui/billboards/model/billboard_layout.h"

namespace {

// Half of a difference rounded towards minus infinity, so that growing and
// shrinking by the same amount are mirror images.
int FloorHalf(int difference) { return difference >= 0 ? difference / 2 : -((1 - difference) / 2); }

}  // namespace

std::vector<std::string> PictureNames(const std::string& text, int planes, int bitsPerPixel) {
  std::string name = text.substr(0, kPictureNameChars);
  if (planes * bitsPerPixel > 7) return {name + "256", name};
  return {name};
}

bool operator==(const PictureRect& a, const PictureRect& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

PicturePlacement PlacePicture(const PictureRect& control, int width, int height) {
  PicturePlacement placement;
  if (width > control.width || height > control.height) {
    placement.target = control;
    placement.stretched = true;
    return placement;
  }
  placement.target = ResizeAroundCentre(control, width, height);
  return placement;
}

PictureRect ResizeAroundCentre(const PictureRect& control, int width, int height) {
  return {control.left + FloorHalf(control.width - width),
          control.top + FloorHalf(control.height - height), width, height};
}

std::uint32_t PackPictureSize(int width, int height) {
  return (static_cast<std::uint32_t>(height & 0xFFFF) << 16) |
         static_cast<std::uint32_t>(width & 0xFFFF);
}

int PackedPictureWidth(std::uint32_t packed) { return static_cast<int>(packed & 0xFFFFu); }

int PackedPictureHeight(std::uint32_t packed) { return static_cast<int>(packed >> 16); }
