// The copy phase's progress dialog: its controls, its lines, and cancelling
// that only raises the caller's flag.
#include "ui/dialogs/tests/win32/dialog_items.h"
#include "gauge_window.h"
#include "ui/dialogs/message_pump.h"
#include "ui/gauges/progress_dialog.h"
#include "resources/dialog_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

using uitest::Item;

class ProgressDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    background_ = uitest::MakeHost(400, 300);
    icon_ = LoadIconA(GetModuleHandleA(nullptr), "iconsetup");
  }
  void TearDown() override {
    dialog_.Destroy();
    DestroyWindow(background_);
  }
  bool Make(int keepActive) {
    if (!dialog_.Create(background_, &cancel_, 0x808080, icon_, keepActive)) return false;
    dialog_.SetTitle("Configuration Haventide");
    dialog_.Show();
    PumpMessages(true);
    return true;
  }
  HWND background_ = nullptr;
  HICON icon_ = nullptr;
  int cancel_ = 0;
  ProgressDialog dialog_;
};

TEST_F(ProgressDialogTest, HiddenUntilShownWithItsControls) {
  ASSERT_TRUE(dialog_.Create(background_, &cancel_, 0x808080, icon_, 1));
  HWND d = dialog_.Handle();
  EXPECT_FALSE(IsWindowVisible(d));
  EXPECT_EQ(GetWindow(d, GW_OWNER), background_);
  EXPECT_EQ(uitest::TextOf(d), "Progress");
  dialog_.SetTitle("Configuration Haventide");
  dialog_.Show();
  EXPECT_TRUE(IsWindowVisible(d));
  EXPECT_EQ(uitest::TextOf(d), "Configuration Haventide");
  EXPECT_EQ(Item(d, 2), "&Cancel");
  EXPECT_TRUE(GetWindowLongA(GetDlgItem(d, 2), GWL_STYLE) & BS_DEFPUSHBUTTON);
  EXPECT_EQ(reinterpret_cast<HICON>(SendDlgItemMessageA(d, kProgressIcon, STM_GETICON, 0, 0)),
            icon_);
  EXPECT_TRUE(dialog_.Bar().Bound());
  EXPECT_EQ(dialog_.Bar().Control(), GetDlgItem(d, kProgressBar));
  EXPECT_EQ(dialog_.Bar().Colour(), 0x808080u);
}

TEST_F(ProgressDialogTest, LinesAndBar) {
  ASSERT_TRUE(Make(1));
  HWND d = dialog_.Handle();
  dialog_.SetLine(1, "Copying %s", "KELVANE.EXE");
  dialog_.SetLine(2, "%s", "to");
  dialog_.SetLine(3, "C:\\%s", "HAVENTID");
  dialog_.SetLine(0, "nowhere");
  dialog_.SetLine(4, "nowhere");
  EXPECT_EQ(Item(d, kProgressLine1), "Copying KELVANE.EXE");
  EXPECT_EQ(Item(d, kProgressLine2), "to");
  EXPECT_EQ(Item(d, kProgressLine3), "C:\\HAVENTID");

  std::string longName(700, 'x');
  dialog_.SetLine(2, "Decompressing %s", longName.c_str());
  std::string shown = Item(d, kProgressLine2);
  EXPECT_EQ(shown.size(), 511u);
  EXPECT_EQ(shown.substr(0, 15), "Decompressing x");

  dialog_.SetBar(30);
  EXPECT_EQ(dialog_.Bar().Value(), 30);
  HWND bar = dialog_.Bar().Control();
  RECT r;
  GetClientRect(bar, &r);
  EXPECT_EQ(uitest::PixelOf(bar, 1, 1), RGB(128, 128, 128));
  EXPECT_EQ(uitest::PixelOf(bar, r.right - 2, 1), uitest::kWhite);
}

TEST_F(ProgressDialogTest, EnterCancelAndCloseRaiseTheFlagAndTheDialogStays) {
  ASSERT_TRUE(Make(1));
  HWND d = dialog_.Handle();
  const WPARAM commands[] = {IDOK, IDCANCEL};
  for (WPARAM id : commands) {
    cancel_ = 0;
    uitest::Click(d, static_cast<int>(id));
    PumpMessages(true);
    EXPECT_EQ(cancel_, 1) << id;
  }
  cancel_ = 0;
  SendMessageA(d, WM_SYSCOMMAND, SC_CLOSE | 0x000F, 0);  // low four bits ignored
  EXPECT_EQ(cancel_, 1);
  cancel_ = 0;
  SendMessageA(d, WM_COMMAND, MAKEWPARAM(103, BN_CLICKED), 0);
  EXPECT_EQ(cancel_, 0);
  EXPECT_TRUE(IsWindow(d));
  EXPECT_TRUE(IsWindowVisible(d));
}

// A point of the caption bar, right of the title and left of the buttons.
COLORREF CaptionPixel(HWND window) {
  RECT frame;
  GetWindowRect(window, &frame);
  POINT client = {0, 0};
  ClientToScreen(window, &client);
  HDC dc = GetWindowDC(window);
  COLORREF colour = GetPixel(dc, frame.right - frame.left - 40, (client.y - frame.top) / 2);
  ReleaseDC(window, dc);
  return colour;
}

// Activates the dialog, then the background; answers the dialog's caption
// while it was active and after.
std::pair<COLORREF, COLORREF> CaptionsAcrossActivation(HWND dialog, HWND background) {
  SetForegroundWindow(dialog);
  SetActiveWindow(dialog);
  PumpMessages(true);
  COLORREF active = CaptionPixel(dialog);
  SetActiveWindow(background);
  PumpMessages(true);
  EXPECT_EQ(GetActiveWindow(), background);
  return {active, CaptionPixel(dialog)};
}

TEST_F(ProgressDialogTest, CaptionStaysActiveWhileAnotherWindowOfTheProgramIs) {
  ASSERT_TRUE(Make(1));
  auto kept = CaptionsAcrossActivation(dialog_.Handle(), background_);
  EXPECT_EQ(kept.second, kept.first);
  // Deactivation naming no window of this program draws the caption inactive.
  EXPECT_EQ(SendMessageA(dialog_.Handle(), WM_NCACTIVATE, FALSE, 0), TRUE);
  EXPECT_NE(CaptionPixel(dialog_.Handle()), kept.first);

  dialog_.Destroy();
  ASSERT_TRUE(Make(0));
  auto plain = CaptionsAcrossActivation(dialog_.Handle(), background_);
  EXPECT_EQ(plain.first, kept.first);
  EXPECT_NE(plain.second, plain.first);
}

TEST_F(ProgressDialogTest, DestroyLeavesNothing) {
  ASSERT_TRUE(Make(0));
  HWND d = dialog_.Handle();
  dialog_.Destroy();
  EXPECT_FALSE(IsWindow(d));
  EXPECT_EQ(dialog_.Handle(), nullptr);
  EXPECT_FALSE(dialog_.Bar().Bound());
  dialog_.SetLine(1, "after");  // no window: nothing happens
  dialog_.SetBar(50);
}

}  // namespace
