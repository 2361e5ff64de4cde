#include "background_fixture.h"
#include "ui/background/model/colour_ramp.h"
#include "ui/background/title_painter.h"

#include <cstdint>
#include <cstring>
#include <cstdlib>
#include <vector>

namespace {

using bgtest::BackgroundTest;

// A screen-sized off-screen picture the background paints into.
class Picture {
 public:
  Picture(int width, int height) : width_(width), height_(height) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
    RECT all = {0, 0, width, height};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  ~Picture() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC Dc() const { return dc_; }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y) & 0xFFFFFF; }
  // Every pixel, 0x00RRGGBB, top row first.
  std::vector<std::uint32_t> Pixels() const {
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width_) * height_);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SelectObject(dc_, old_);
    GetDIBits(dc_, bitmap_, 0, height_, pixels.data(), &info, DIB_RGB_COLORS);
    SelectObject(dc_, bitmap_);
    for (auto& p : pixels) p &= 0xFFFFFF;
    return pixels;
  }

 private:
  int width_;
  int height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

class BackgroundPaintTest : public BackgroundTest {
 protected:
  InclusiveRect Screen() const { return InclusiveRect{0, 0, Width() - 1, Height() - 1}; }
  // The ramp's colour of a pixel: the later of the cells sharing a line wins.
  COLORREF RampAt(int x, int y) const {
    return RampCellColour(Screen(), kBackgroundRamp, y / kRampCellSize, x / kRampCellSize);
  }
  TitleLine RedLine(const char* text) const {
    TitleLine line;
    line.x = 100;
    line.y = 50;
    line.height = 120;
    line.width = 800;
    line.shadow = 2;
    line.bold = 1;
    std::strcpy(line.text, text);
    std::strcpy(line.face, "Tahoma");
    line.colour = 0x0000FF;
    return line;
  }
};

TEST_F(BackgroundPaintTest, WithoutTitleLinesOnlyTheRampAndTheBitmapArePainted) {
  Picture picture(Width(), Height());
  background.Paint(picture.Dc(), Screen());
  for (int y : {0, 15, 16, 300, Height() - 1})
    for (int x : {0, 16, 517, Width() - 1})
      EXPECT_EQ(picture.At(x, y), RampAt(x, y)) << x << "," << y;
  // Bright blue at the top: cell (0, 0) takes the colour at (8, 8).
  EXPECT_EQ(picture.At(0, 0), 0xFD0000u);

  // BKBITMAP, unchanged, in the middle.
  HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), "BKBITMAP");
  ASSERT_NE(bitmap, nullptr);
  BITMAP info;
  GetObjectA(bitmap, sizeof info, &info);
  HDC memory = CreateCompatibleDC(picture.Dc());
  HGDIOBJ old = SelectObject(memory, bitmap);
  const int left = (Width() - info.bmWidth) / 2;
  const int top = (Height() - info.bmHeight) / 2;
  int differing = 0;
  for (int y = 0; y < info.bmHeight; y += 7)
    for (int x = 0; x < info.bmWidth; x += 5)
      if ((GetPixel(memory, x, y) & 0xFFFFFF) != picture.At(left + x, top + y)) ++differing;
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(bitmap);
  EXPECT_EQ(differing, 0);
  EXPECT_EQ(picture.At(left - 1, top - 1), RampAt(left - 1, top - 1));
}

TEST_F(BackgroundPaintTest, APartialRepaintJoinsTheRestWithoutASeam) {
  Picture whole(Width(), Height());
  background.Paint(whole.Dc(), Screen());
  Picture part(Width(), Height());
  const InclusiveRect p{37, 41, 300, 211};
  background.Paint(part.Dc(), p);
  const auto a = whole.Pixels();
  const auto b = part.Pixels();
  const int width = Width();
  int differing = 0;
  for (int y = p.top; y <= p.bottom; ++y)
    for (int x = p.left; x <= p.right; ++x)
      if (a[y * width + x] != b[y * width + x]) ++differing;
  EXPECT_EQ(differing, 0);
  // Nothing outside the invalid rectangle is touched, though its cells reach
  // beyond it.
  EXPECT_EQ(part.At(p.left - 1, p.top), 0u);
  EXPECT_EQ(part.At(p.right + 1, p.bottom), 0u);
  EXPECT_EQ(part.At(p.left, p.bottom + 1), 0u);
}

TEST_F(BackgroundPaintTest, ATitleLineOfAnyLengthFillsItsTargetWidth) {
  HDC screen = GetDC(nullptr);
  const int target = PlaceTitleLine(Width(), Height(), 100, 50, 800, 120).targetWidth;
  for (const char* text :
       {"Setup", "Configuration Haventide", "Configuration Haventide 1.1 for Windows 95"}) {
    LaidOutTitleLine laid;
    ASSERT_TRUE(LayOutTitleLine(screen, RedLine(text), Width(), Height(), 3, 3, laid));
    DeleteObject(laid.font);
    // The character width is a whole number: the text can miss its target
    // by what one unit of it makes over the whole text.
    ASSERT_GT(laid.charWidth, 0);
    EXPECT_LE(std::abs(laid.width - target), laid.width / laid.charWidth)
        << text << ": " << laid.width << " for " << target << " at width " << laid.charWidth;
    RecordProperty(text, laid.width);
  }
  ReleaseDC(nullptr, screen);
}

TEST_F(BackgroundPaintTest, TitleLinesAreDrawnWithTheirShadowOrNotAtAll) {
  titles.lines = {RedLine("Configuration Haventide"), RedLine("1.1")};
  titles.lines[1].y = 200;
  titles.lines[1].width = 100;
  Picture picture(Width(), Height());
  background.Paint(picture.Dc(), Screen());
  const auto pixels = picture.Pixels();
  const int width = Width();
  const TitlePlacement first = PlaceTitleLine(Width(), Height(), 100, 50, 800, 120);
  int red = 0, black = 0, minX = width, maxX = -1;
  for (int y = 0; y < first.y + first.charHeight * 2; ++y)
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = pixels[y * width + x];
      if (p == 0xFF0000) {  // 0x00RRGGBB: the line's red
        ++red;
        if (x < minX) minX = x;
        if (x > maxX) maxX = x;
      }
      if (p == 0) ++black;
    }
  EXPECT_GT(red, 0);
  EXPECT_GT(black, 0);  // the dark shadow
  EXPECT_GE(minX, first.x);
  EXPECT_LE(std::abs((maxX - first.x + 1) - first.targetWidth), first.targetWidth / 25);
  EXPECT_EQ(picture.At(5, 5), RampAt(5, 5));  // the ramp shows around the title

  // A line that cannot be fetched skips the whole title.
  titles.failAt = 1;
  Picture skipped(Width(), Height());
  background.Paint(skipped.Dc(), Screen());
  const auto after = skipped.Pixels();
  int anyRed = 0;
  for (int i = 0; i < 300 * width; ++i)
    if (after[i] == 0xFF0000) ++anyRed;
  EXPECT_EQ(anyRed, 0);
}

}  // namespace
