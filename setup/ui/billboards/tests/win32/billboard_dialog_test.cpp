// The billboard dialog on a stand-in background (template and bitmaps of
// billboard_test.rc): no Close, the pictures on screen, each fitted to its
// bitmap around its old centre, and a missing one left empty and as it was.
#include "billboard_test_ids.h"
#include "dialog_driver.h"
#include "ui/billboards/billboard_dialog.h"
#include "ui/billboards/model/billboard_layout.h"
#include "ui/billboards/resource_picture.h"
#include "ui/dialogs/message_pump.h"
#include "ui/gauges/tests/win32/gauge_window.h"

#include <gtest/gtest.h>

namespace {

using uitest::PixelOf;

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kYellow = RGB(255, 255, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0), kMagenta = RGB(255, 0, 255);

TEST(ResourcePicture, ALargerBitmapIsStretchedIntoTheRectangle) {
  HDC screen = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  ASSERT_NE(screen, nullptr);
  HDC canvas = CreateCompatibleDC(screen);
  ASSERT_NE(canvas, nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 80, 60);
  HGDIOBJ old = SelectObject(canvas, bitmap);
  const RECT whole = {0, 0, 80, 60};
  HBRUSH white = CreateSolidBrush(uitest::kWhite);
  FillRect(canvas, &whole, white);
  DeleteObject(white);
  ResourcePicture picture;
  ASSERT_TRUE(picture.Load({"PICLARGE256", "PICLARGE"}));  // no variant: the plain name
  picture.Draw(canvas, RECT{10, 10, 70, 50});
  // PICLARGE is 120 × 80 with 30 green columns: halved, 15; centred, none.
  const struct {
    int x, y;
    COLORREF colour;
  } probes[] = {{20, 30, kGreen},
                {30, 30, kMagenta},
                {69, 49, kMagenta},
                {9, 30, uitest::kWhite},
                {70, 50, uitest::kWhite}};
  for (const auto& p : probes) EXPECT_EQ(GetPixel(canvas, p.x, p.y), p.colour) << p.x;
  SelectObject(canvas, old);
  DeleteObject(bitmap);
  DeleteDC(canvas);
  DeleteDC(screen);
  EXPECT_FALSE(picture.Load({"PICMISSING"}));
}

class BillboardDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    background_ = uitest::MakeHost(400, 300);
    ASSERT_TRUE(board_.Create(background_, kTestBillboard));
  }
  void TearDown() override {
    board_.Destroy();
    DestroyWindow(background_);
  }
  HWND Control(int id) const { return GetDlgItem(board_.Handle(), id); }
  PictureRect RectOf(int id) const {  // in the dialog's client area
    RECT r;
    GetWindowRect(Control(id), &r);
    MapWindowPoints(nullptr, board_.Handle(), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
  }
  HWND background_ = nullptr;
  BillboardDialog board_;
};

TEST_F(BillboardDialogTest, MadeHiddenWithoutCloseAndOnlyFromATemplate) {
  HWND h = board_.Handle();
  EXPECT_FALSE(IsWindowVisible(h));
  EXPECT_EQ(GetWindow(h, GW_OWNER), background_);
  EXPECT_EQ(GetMenuState(GetSystemMenu(h, FALSE), SC_CLOSE, MF_BYCOMMAND), 0xFFFFFFFFu);
  EXPECT_NE(GetMenuState(GetSystemMenu(h, FALSE), SC_MOVE, MF_BYCOMMAND), 0xFFFFFFFFu);
  EXPECT_FALSE(board_.Create(background_, kTestBillboard + 1));  // the open one goes first
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(board_.Handle(), nullptr);
}

TEST_F(BillboardDialogTest, PicturesDrawnAndFittedAroundTheirCentres) {
  const PictureRect small = RectOf(kSmallPicture), large = RectOf(kLargePicture);
  const PictureRect missing = RectOf(kMissingPicture);
  ShowWindow(board_.Handle(), SW_SHOWNOACTIVATE);
  ASSERT_TRUE(uitest::WaitFor([&] {
    PumpMessages(true);
    return !IsWindowEnabled(Control(kSmallPicture)) && !IsWindowEnabled(Control(kLargePicture));
  }));
  EXPECT_TRUE(RectOf(kSmallPicture) == ResizeAroundCentre(small, 24, 16));
  EXPECT_TRUE(RectOf(kLargePicture) == ResizeAroundCentre(large, 120, 80));
  EXPECT_TRUE(IsWindowEnabled(Control(kMissingPicture)));
  EXPECT_TRUE(RectOf(kMissingPicture) == missing);

  RedrawWindow(board_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  PumpMessages(true);
  HDC screen = GetDC(nullptr);
  const bool deep = GetDeviceCaps(screen, PLANES) * GetDeviceCaps(screen, BITSPIXEL) > 7;
  ReleaseDC(nullptr, screen);
  const COLORREF face = PixelOf(board_.Handle(), 2, 2);
  const struct {
    int id, x, y;
    COLORREF colour;
  } probes[] = {
      {kSmallPicture, 2, 8, deep ? kRed : kYellow},
      {kSmallPicture, 21, 8, deep ? kBlue : kYellow},
      {kLargePicture, 29, 79, kGreen},
      {kLargePicture, 30, 0, kMagenta},
      {kMissingPicture, 1, 1, face},
      {kMissingPicture, 40, 30, face},
  };
  for (const auto& p : probes) EXPECT_EQ(PixelOf(Control(p.id), p.x, p.y), p.colour) << p.id;
}

TEST_F(BillboardDialogTest, ThePrivateMessageCarriesTheControlAndThePackedSize) {
  const PictureRect before = RectOf(kMissingPicture);
  SendMessageA(board_.Handle(), BillboardDialog::kPictureDrawn, kMissingPicture,
               static_cast<LPARAM>(PackPictureSize(31, 21)));
  EXPECT_FALSE(IsWindowEnabled(Control(kMissingPicture)));
  EXPECT_TRUE(RectOf(kMissingPicture) == ResizeAroundCentre(before, 31, 21));
}

}  // namespace
