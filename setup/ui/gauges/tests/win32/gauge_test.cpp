// A gauge drawn over a static control: which part is filled, and when it
// repaints.
#include "gauge_window.h"
#include "ui/gauges/gauge.h"
#include "ui/dialogs/message_pump.h"

#include <gtest/gtest.h>

namespace {

using uitest::kWhite;
using uitest::PixelOf;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class CountingGauge : public Gauge {
 public:
  int paints = 0;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_PAINT) ++paints;
    return Gauge::HandleMessage(message, wParam, lParam);
  }
};

class GaugeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = uitest::MakeHost(300, 200);
    ASSERT_NE(host_, nullptr);
  }
  void TearDown() override { DestroyWindow(host_); }
  // Binds the gauge to a new static control and lets it settle.
  HWND Bound(Gauge& gauge, int width, int height) {
    HWND control = uitest::MakeStatic(host_, 5, 5, width, height);
    EXPECT_TRUE(gauge.Bind(control));
    gauge.SetColour(kRed);
    gauge.RepaintNow();
    PumpMessages(true);
    return control;
  }
  HWND host_ = nullptr;
};

TEST_F(GaugeTest, SquareFillsFromTheLeft) {
  Gauge gauge;
  HWND c = Bound(gauge, 40, 40);
  EXPECT_EQ(PixelOf(c, 1, 1), kWhite);  // 0: all white
  EXPECT_EQ(PixelOf(c, 38, 38), kWhite);
  gauge.SetValue(50);
  EXPECT_EQ(PixelOf(c, 1, 1), kRed);
  EXPECT_EQ(PixelOf(c, 19, 38), kRed);
  EXPECT_EQ(PixelOf(c, 20, 1), kWhite);
  EXPECT_EQ(PixelOf(c, 38, 38), kWhite);
  gauge.SetValue(100);
  EXPECT_EQ(PixelOf(c, 38, 1), kRed);
  EXPECT_EQ(PixelOf(c, 38, 38), kRed);
  // A new colour shows at the next repaint.
  gauge.SetColour(kBlue);
  EXPECT_EQ(PixelOf(c, 1, 1), kRed);
  gauge.RepaintNow();
  EXPECT_EQ(PixelOf(c, 1, 1), kBlue);
}

TEST_F(GaugeTest, TallFillsFromTheBottom) {
  Gauge gauge;
  HWND c = Bound(gauge, 20, 100);
  gauge.SetValue(25);
  EXPECT_EQ(PixelOf(c, 1, 99), kRed);
  EXPECT_EQ(PixelOf(c, 18, 75), kRed);
  EXPECT_EQ(PixelOf(c, 18, 74), kWhite);
  EXPECT_EQ(PixelOf(c, 1, 1), kWhite);
}

TEST_F(GaugeTest, RepaintsOnceForAChangeAndNotForTheRest) {
  CountingGauge gauge;
  Bound(gauge, 100, 20);
  gauge.paints = 0;
  gauge.SetValue(40);
  EXPECT_EQ(gauge.paints, 1);  // at once, not at the next pump
  gauge.SetValue(40);
  gauge.SetValue(101);
  gauge.SetValue(-1);
  PumpMessages(true);
  EXPECT_EQ(gauge.paints, 1);
  EXPECT_EQ(gauge.Value(), 40);
  gauge.SetValue(100);
  gauge.SetValue(0);
  EXPECT_EQ(gauge.paints, 3);
}

// The box around every pixel that is not white.
RECT InkBox(HWND control) {
  RECT client;
  GetClientRect(control, &client);
  RECT ink = {client.right, client.bottom, -1, -1};
  HDC dc = GetDC(control);
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x)
      if (GetPixel(dc, x, y) != kWhite) {
        ink.left = x < ink.left ? x : ink.left;
        ink.top = y < ink.top ? y : ink.top;
        ink.right = x > ink.right ? x : ink.right;
        ink.bottom = y > ink.bottom ? y : ink.bottom;
      }
  ReleaseDC(control, dc);
  return ink;
}

// The caption of an empty gauge is the only ink: centred, and turned on a
// tall gauge.
TEST_F(GaugeTest, CaptionCentredAndTurnedOnATallGauge) {
  Gauge wide;
  RECT w = InkBox(Bound(wide, 150, 30));
  ASSERT_GE(w.right, w.left);
  EXPECT_GT(w.right - w.left, w.bottom - w.top);
  EXPECT_NEAR((w.left + w.right) / 2, 75, 3);
  EXPECT_NEAR((w.top + w.bottom) / 2, 15, 3);

  Gauge tall;
  RECT t = InkBox(Bound(tall, 30, 150));
  ASSERT_GE(t.right, t.left);
  EXPECT_GT(t.bottom - t.top, t.right - t.left);
  EXPECT_NEAR((t.left + t.right) / 2, 15, 3);
  EXPECT_NEAR((t.top + t.bottom) / 2, 75, 3);
}

}  // namespace
