#include "ui/billboards/model/billboard_layout.h"
#include "ui/billboards/model/packed_dib.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

TEST(BillboardModel, NamesTriedWithTheVariantFromEightBitsPerPixelOn) {
  using Names = std::vector<std::string>;
  EXPECT_EQ(PictureNames("LOGO", 1, 8), (Names{"LOGO256", "LOGO"}));
  EXPECT_EQ(PictureNames("LOGO", 4, 2), (Names{"LOGO256", "LOGO"}));
  EXPECT_EQ(PictureNames("LOGO", 7, 1), Names{"LOGO"});
  EXPECT_EQ(PictureNames(std::string(300, 'a'), 1, 4), Names{std::string(254, 'a')});
}

TEST(BillboardModel, PlacedCentredOrStretchedAndResizedAroundTheCentre) {
  const PictureRect control = {10, 20, 60, 40};
  const struct {
    int width, height;
    bool stretched;
    PictureRect drawn, resized;
  } rows[] = {
      {24, 16, false, {28, 32, 24, 16}, {28, 32, 24, 16}},  // halves of 36 and 24
      {25, 15, false, {27, 32, 25, 15}, {27, 32, 25, 15}},  // odd leftovers round down
      {60, 40, false, control, control},                    // same size: no move
      {61, 10, true, control, {9, 35, 61, 10}},             // wider only
      {120, 80, true, control, {-20, 0, 120, 80}},
  };
  for (const auto& row : rows) {
    const PicturePlacement p = PlacePicture(control, row.width, row.height);
    EXPECT_EQ(p.stretched, row.stretched) << row.width;
    EXPECT_TRUE(p.target == row.drawn) << row.width;
    EXPECT_TRUE(ResizeAroundCentre(control, row.width, row.height) == row.resized) << row.width;
  }
  EXPECT_EQ(PackPictureSize(24, 16), 0x00100018u);
  EXPECT_EQ(PackedPictureWidth(0x00500078u), 120);
  EXPECT_EQ(PackedPictureHeight(0x00500078u), 80);
}

// A packed bitmap: header size, width, height, planes, bits per pixel,
// compression, colours used; then extra bytes of table and pixels.
std::vector<unsigned char> Dib(std::vector<std::int32_t> h, std::size_t extra) {
  std::vector<unsigned char> bytes(static_cast<std::size_t>(h[0]) + extra);
  const int at[] = {0, 4, 8, 12, 14, 16, 32}, width[] = {4, 4, 4, 2, 2, 4, 4};
  for (int f = 0; f < 7; ++f) {
    for (int i = 0; i < width[f]; ++i)
      bytes[at[f] + i] = static_cast<unsigned char>(h[f] >> (8 * i));
  }
  return bytes;
}

TEST(BillboardModel, BitmapResourcesReadOnlyWhenWhole) {
  const struct {
    std::vector<std::int32_t> header;
    std::size_t extra;
    bool whole;
    int height, colours;
    std::size_t bitsOffset;
  } rows[] = {
      {{40, 3, 2, 1, 8, 0, 0}, 1024 + 8, true, 2, 256, 1064},  // rows padded to 4
      {{40, 3, 2, 1, 8, 0, 0}, 1024 + 7, false, 0, 0, 0},      // a pixel byte short
      {{40, 9, -1, 1, 1, 0, 2}, 8 + 4, true, 1, 2, 48},        // top-down, two colours
      {{40, 4, 2, 1, 16, 3, 0}, 12 + 16, true, 2, 0, 52},      // masks after the header
      {{12, 3, 2, 1, 8, 0, 0}, 2000, false, 0, 0, 0},          // old header
      {{40, 32768, 1, 1, 1, 0, 0}, 9000, false, 0, 0, 0},      // too wide
      {{40, 3, 2, 1, 7, 0, 0}, 2000, false, 0, 0, 0},          // odd depth
  };
  for (const auto& row : rows) {
    const auto bytes = Dib(row.header, row.extra);
    PackedDibLayout layout;
    ASSERT_EQ(ReadPackedDib(bytes.data(), bytes.size(), layout), row.whole) << row.extra;
    if (!row.whole) continue;
    EXPECT_EQ(layout.height, row.height);
    EXPECT_EQ(layout.colours, row.colours);
    EXPECT_EQ(layout.bitsOffset, row.bitsOffset);
  }
}

}  // namespace
