// A bitmap of the program's resources drawn into a rectangle of a device
// context: stretched when it does not fit, else centred at its own size.
// The pixels are drawn from the resource itself, so that on a palette
// display they can keep their colours through a palette of their own.
#pragma once

#include <windows.h>

#include "ui/billboards/model/packed_dib.h"

#include <string>
#include <vector>

class ResourcePicture {
 public:
  // Takes the first of the names that is a bitmap of the program's
  // resources and can be drawn; false when none is.
  bool Load(const std::vector<std::string>& names);
  bool Loaded() const { return info_ != nullptr; }
  int Width() const { return layout_.width; }
  int Height() const { return layout_.height; }
  // Nothing when not loaded. On a palette device a palette made from the
  // bitmap's colour table is selected and realised for the drawing and
  // removed afterwards.
  void Draw(HDC dc, const RECT& area) const;

 private:
  HPALETTE ColourTablePalette() const;
  // The resource's bytes stay mapped as long as the program runs.
  const BITMAPINFO* info_ = nullptr;
  const unsigned char* bits_ = nullptr;
  PackedDibLayout layout_;
};
