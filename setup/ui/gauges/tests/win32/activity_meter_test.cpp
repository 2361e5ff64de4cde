// The activity meter on a stand-in background: placement, idle and busy
// readings on its timer, and destruction.
#include "ui/dialogs/tests/win32/dialog_items.h"
#include "gauge_window.h"
#include "ui/gauges/activity_meter.h"
#include "ui/dialogs/message_pump.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

using uitest::PixelOf;

class ActivityMeterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    background_ = uitest::MakeHost(400, 300);
    ASSERT_NE(background_, nullptr);
  }
  void TearDown() override {
    meter_.Destroy();
    DestroyWindow(background_);
  }
  // Serves the meter's messages until the condition holds (5 s at most).
  bool Until(const std::function<bool()>& condition) {
    return uitest::WaitFor([&] {
      PumpMessages(true);
      return condition();
    });
  }
  HWND background_ = nullptr;
  ActivityMeter meter_;
};

TEST_F(ActivityMeterTest, ShowsIdleReadingsCentredUnderTheBackground) {
  ASSERT_TRUE(meter_.Create(background_, 300, 250));
  HWND m = meter_.Handle();
  ASSERT_NE(m, nullptr);
  EXPECT_TRUE(IsWindowVisible(m));
  EXPECT_EQ(GetWindow(m, GW_OWNER), background_);
  POINT centre = uitest::CentreOf(m);
  EXPECT_EQ(centre.x, 300);
  EXPECT_EQ(centre.y, 250);
  EXPECT_EQ(meter_.Busy(), 0);
  EXPECT_EQ(meter_.Ram().Value(), 77);
  EXPECT_EQ(meter_.Cpu().Value(), 90);
  EXPECT_EQ(meter_.Ram().Colour(), 0x00FF00u);
  EXPECT_EQ(meter_.Cpu().Colour(), 0xFFFF00u);
  // Both gauges are tall: filled at the bottom, white at the top.
  PumpMessages(true);
  for (HWND g : {meter_.Ram().Control(), meter_.Cpu().Control()}) {
    RECT r;
    GetClientRect(g, &r);
    ASSERT_LT(r.right, r.bottom);
    EXPECT_EQ(PixelOf(g, 1, r.bottom - 1),
              g == meter_.Ram().Control() ? RGB(0, 255, 0) : RGB(0, 255, 255));
    EXPECT_EQ(PixelOf(g, 1, 0), uitest::kWhite);
  }
}

TEST_F(ActivityMeterTest, FlickersWhileBusyAndSettlesAfter) {
  ASSERT_TRUE(meter_.Create(background_, 200, 200));
  meter_.SetBusy(1);
  EXPECT_EQ(meter_.Busy(), 1);
  std::set<std::pair<int, int>> seen;
  bool inRange = true;
  EXPECT_TRUE(Until([&] {
    int ram = meter_.Ram().Value(), cpu = meter_.Cpu().Value();
    inRange = inRange && ram >= 70 && ram <= 100 && cpu >= 70 && cpu <= 100;
    seen.insert({ram, cpu});
    return seen.size() >= 4 && !(ram == 77 && cpu == 90);
  }));
  EXPECT_TRUE(inRange);
  // A timer message of any identifier applies the readings, here the idle ones.
  meter_.SetBusy(0);
  SendMessageA(meter_.Handle(), WM_TIMER, 42, 0);
  EXPECT_EQ(meter_.Ram().Value(), 77);
  EXPECT_EQ(meter_.Cpu().Value(), 90);
}

TEST_F(ActivityMeterTest, DestroyLeavesNothing) {
  ASSERT_TRUE(meter_.Create(background_, 200, 200));
  HWND m = meter_.Handle();
  HWND ram = meter_.Ram().Control();
  meter_.Destroy();
  EXPECT_FALSE(IsWindow(m));
  EXPECT_FALSE(IsWindow(ram));
  EXPECT_EQ(meter_.Handle(), nullptr);
  EXPECT_FALSE(meter_.Ram().Bound());
  EXPECT_FALSE(meter_.Cpu().Bound());
  PumpMessages(true);  // no timer message finds a dead meter
  // Made again after destruction.
  ASSERT_TRUE(meter_.Create(background_, 200, 200));
  EXPECT_TRUE(meter_.Ram().Bound());
}

}  // namespace
