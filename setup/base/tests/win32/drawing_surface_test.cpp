#include "base/drawing_surface.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// A 32-bit memory surface of 16 × 16 white pixels.
class MemorySurface : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(screen_.OpenDevice());
    ASSERT_TRUE(surface_.OpenMemory(screen_));
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 16;
    info.bmiHeader.biHeight = -16;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(surface_.Dc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap_, nullptr);
    old_ = surface_.Select(bitmap_);
    ASSERT_TRUE(surface_.FillWithColour({0, 0, 15, 15}, kWhite));
  }
  struct Pixel {
    int x, y;
    COLORREF colour;
  };
  void ExpectPixels(std::initializer_list<Pixel> pixels) {
    for (const Pixel& p : pixels)
      EXPECT_EQ(surface_.PixelColour(p.x, p.y), p.colour) << "at " << p.x << "," << p.y;
  }
  void TearDown() override {
    if (old_) surface_.Select(old_);
    surface_.Release();
    if (bitmap_) DeleteObject(bitmap_);
  }

  DrawingSurface screen_;
  DrawingSurface surface_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

}  // namespace

TEST_F(MemorySurface, FillIncludesTheRightColumnAndBottomRow) {
  ASSERT_TRUE(surface_.FillWithColour({2, 3, 5, 7}, kRed));
  ExpectPixels({{2, 3, kRed},
                {5, 7, kRed},
                {5, 3, kRed},
                {6, 7, kWhite},
                {5, 8, kWhite},
                {1, 3, kWhite},
                {2, 2, kWhite}});
}

TEST_F(MemorySurface, OnePixelRectangleFillsOnePixel) {
  ASSERT_TRUE(surface_.FillWithColour({4, 4, 4, 4}, kBlue));
  ExpectPixels({{4, 4, kBlue}, {5, 4, kWhite}, {4, 5, kWhite}});
}

TEST_F(MemorySurface, RectangleOutlineRunsAlongTheInclusiveEdges) {
  HPEN pen = CreatePen(PS_SOLID, 1, kRed);
  HGDIOBJ oldPen = surface_.Select(pen);
  HGDIOBJ oldBrush = surface_.Select(GetStockObject(NULL_BRUSH));
  ASSERT_TRUE(surface_.DrawRect({2, 2, 9, 9}));
  surface_.Select(oldBrush);
  surface_.Select(oldPen);
  DeleteObject(pen);
  ExpectPixels(
      {{9, 5, kRed}, {5, 9, kRed}, {2, 5, kRed}, {10, 5, kWhite}, {5, 10, kWhite}, {5, 5, kWhite}});
}

TEST_F(MemorySurface, ClippingIncludesTheRightColumn) {
  ASSERT_TRUE(surface_.ClipTo({0, 0, 3, 3}));
  ASSERT_TRUE(surface_.FillWithColour({0, 0, 15, 15}, kBlue));
  ASSERT_TRUE(surface_.ClipToRegion(nullptr));
  ExpectPixels({{3, 3, kBlue}, {4, 3, kWhite}, {3, 4, kWhite}});
}

TEST_F(MemorySurface, SetAndReadPixels) {
  surface_.SetPixelColour(7, 8, kBlue);
  ExpectPixels({{7, 8, kBlue}, {8, 8, kWhite}});
}

TEST_F(MemorySurface, CopiesBitsFromAnotherSurface) {
  ASSERT_TRUE(surface_.FillWithColour({0, 0, 1, 1}, kRed));
  ASSERT_TRUE(surface_.CopyBits(10, 10, 2, 2, surface_, 0, 0));
  ExpectPixels({{11, 11, kRed}, {12, 12, kWhite}});
}

TEST_F(MemorySurface, MemorySurfaceTakesTheSizeOfItsModel) {
  EXPECT_EQ(surface_.kind(), DrawingSurface::kMemory);
  EXPECT_EQ(surface_.Width(), screen_.Width());
  EXPECT_EQ(surface_.Height(), screen_.Height());
}

TEST(DrawingSurfaceTest, DisplaySurfaceHasTheScreenSize) {
  DrawingSurface screen;
  ASSERT_TRUE(screen.OpenDevice());
  EXPECT_EQ(screen.kind(), DrawingSurface::kDevice);
  EXPECT_EQ(screen.Width(), GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(screen.Height(), GetSystemMetrics(SM_CYSCREEN));
  int dpi = screen.Capability(LOGPIXELSY);
  ASSERT_GT(dpi, 0);
  EXPECT_DOUBLE_EQ(screen.PixelsPerPointY(), dpi / 72.0);
  EXPECT_DOUBLE_EQ(screen.MillimetresFromPixelsY(dpi), 25.4);
  EXPECT_GT(screen.PixelsPerMillimetreX(), 0.0);
}

TEST(DrawingSurfaceTest, InformationSurfaceAnswersCapabilities) {
  DrawingSurface info;
  ASSERT_TRUE(info.OpenInformation());
  EXPECT_EQ(info.kind(), DrawingSurface::kInformation);
  EXPECT_EQ(info.Width(), GetSystemMetrics(SM_CXSCREEN));
  EXPECT_GT(info.Capability(BITSPIXEL), 0);
  info.Release();
  EXPECT_EQ(info.Dc(), nullptr);
  EXPECT_EQ(info.Capability(BITSPIXEL), 0);
}

TEST(DrawingSurfaceTest, WindowSurfaceHasTheClientSizeAndIsReleasedToTheWindow) {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 120, 80, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  RECT client;
  GetClientRect(window, &client);
  {
    DrawingSurface surface;
    ASSERT_TRUE(surface.OpenWindow(window));
    EXPECT_EQ(surface.kind(), DrawingSurface::kWindow);
    EXPECT_EQ(surface.Window(), window);
    EXPECT_EQ(surface.Width(), client.right);
    EXPECT_EQ(surface.Height(), client.bottom);
    SIZE size;
    EXPECT_TRUE(surface.MeasureText("Haventide", size));
    EXPECT_GT(size.cx, 0);
    EXPECT_EQ(surface.TextWidth("Haventide"), size.cx);
    EXPECT_EQ(surface.TextHeight("Haventide"), size.cy);
  }
  EXPECT_FALSE(DrawingSurface().OpenWindow(nullptr));
  DestroyWindow(window);
}

TEST(DrawingSurfaceTest, BorrowedContextIsNotReleased) {
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  {
    DrawingSurface surface;
    ASSERT_TRUE(surface.Borrow(dc, 10, 20));
    EXPECT_EQ(surface.kind(), DrawingSurface::kBorrowed);
    EXPECT_EQ(surface.Width(), 10);
    EXPECT_EQ(surface.Height(), 20);
  }
  // The owner still holds a live context and deletes it itself.
  EXPECT_GT(GetDeviceCaps(dc, BITSPIXEL), 0);
  EXPECT_TRUE(DeleteDC(dc));
}
