#include "ui/billboards/resource_picture.h"

#include "ui/billboards/model/billboard_layout.h"

namespace {

// The DIB as the resource holds it, or null.
const unsigned char* FindBitmapBytes(const char* name, DWORD& size) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, name, reinterpret_cast<LPCSTR>(RT_BITMAP));
  if (!found) return nullptr;
  HGLOBAL loaded = LoadResource(module, found);
  size = SizeofResource(module, found);
  return loaded ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
}

}  // namespace

bool ResourcePicture::Load(const std::vector<std::string>& names) {
  info_ = nullptr;
  bits_ = nullptr;
  layout_ = PackedDibLayout{};
  for (const std::string& name : names) {
    DWORD size = 0;
    const unsigned char* bytes = FindBitmapBytes(name.c_str(), size);
    PackedDibLayout layout;
    if (!bytes || !ReadPackedDib(bytes, size, layout)) continue;
    info_ = reinterpret_cast<const BITMAPINFO*>(bytes);
    bits_ = bytes + layout.bitsOffset;
    layout_ = layout;
    return true;
  }
  return false;
}

HPALETTE ResourcePicture::ColourTablePalette() const {
  const int count = layout_.colours;
  if (count == 0) return nullptr;
  // LOGPALETTE declares one entry; the rest follow it.
  struct {
    WORD version;
    WORD entries;
    PALETTEENTRY entry[256];
  } palette = {0x300, static_cast<WORD>(count), {}};
  const auto* table = reinterpret_cast<const RGBQUAD*>(
      reinterpret_cast<const unsigned char*>(info_) + layout_.colourTableOffset);
  for (int i = 0; i < count; ++i) {
    palette.entry[i] = {table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
  }
  return CreatePalette(reinterpret_cast<const LOGPALETTE*>(&palette));
}

void ResourcePicture::Draw(HDC dc, const RECT& area) const {
  if (!info_) return;
  const PictureRect control = {area.left, area.top, area.right - area.left, area.bottom - area.top};
  const PicturePlacement place = PlacePicture(control, layout_.width, layout_.height);
  HPALETTE palette = nullptr;
  HPALETTE previous = nullptr;
  if (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) palette = ColourTablePalette();
  if (palette) {
    previous = SelectPalette(dc, palette, FALSE);
    RealizePalette(dc);
  }
  const int mode = place.stretched ? SetStretchBltMode(dc, COLORONCOLOR) : 0;
  const PictureRect& t = place.target;
  StretchDIBits(dc, t.left, t.top, t.width, t.height, 0, 0, layout_.width, layout_.height, bits_,
                info_, DIB_RGB_COLORS, SRCCOPY);
  if (mode) SetStretchBltMode(dc, mode);
  if (palette) {
    SelectPalette(dc, previous, FALSE);
    DeleteObject(palette);
  }
}
