#include "ui/dialogs/message_pump.h"
#include "ui/dialogs/wait_message.h"
#include "resources/dialog_ids.h"
#include "uidriver.h"

#include <gtest/gtest.h>

namespace {

int g_served = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) { ++g_served; }

TEST(WaitMessage, ShowsTitleAndText) {
  kiverset::WaitMessage wait;
  ASSERT_TRUE(
      wait.Open(nullptr, "Setting/creating registration keys...", "Configuration Haventide", 0));
  HWND box = wait.Handle();
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(IsWindowVisible(box));
  char text[128] = {0};
  GetWindowTextA(box, text, sizeof text);
  EXPECT_STREQ(text, "Configuration Haventide");
  GetDlgItemTextA(box, kDlgIcon, text, sizeof text);
  EXPECT_STREQ(text, "Setting/creating registration keys...");
  wait.Close(true);
  EXPECT_FALSE(IsWindow(box));
  EXPECT_FALSE(wait.IsOpen());
}

TEST(WaitMessage, ClosedEarlyStaysTheRestOfItsTimeServingInput) {
  kiverset::WaitMessage wait;
  DWORD opened = GetTickCount();
  ASSERT_TRUE(wait.Open(nullptr, "Creating program items...", "Setup", 3000));
  WaitServing(500);  // the work
  g_served = 0;
  UINT_PTR timer = SetTimer(nullptr, 0, 100, CountTick);
  DWORD closing = GetTickCount();
  wait.Close(true);
  DWORD closed = GetTickCount();
  KillTimer(nullptr, timer);
  EXPECT_GE(closed - opened, 3000u);
  // The 800 ms beyond the wait stretch on a route that runs in an emulator.
  EXPECT_LT(closed - opened, 3000u + uidriver::Deadline(800));
  EXPECT_GE(closed - closing, 2300u);
  EXPECT_GE(g_served, 15);  // about 25 ticks of 100 ms were served
  EXPECT_FALSE(wait.IsOpen());
}

TEST(WaitMessage, ClosedAfterItsTimeGoesAtOnce) {
  kiverset::WaitMessage wait;
  ASSERT_TRUE(wait.Open(nullptr, "Working", "Setup", 3000));
  WaitServing(3050);
  DWORD closing = GetTickCount();
  wait.Close(true);
  EXPECT_LT(GetTickCount() - closing, 500u);  // not the 3000 ms of a wait
  EXPECT_FALSE(wait.IsOpen());
}

TEST(WaitMessage, CloseWithoutWaitGoesAtOnce) {
  kiverset::WaitMessage wait;
  ASSERT_TRUE(wait.Open(nullptr, "Working", "Setup", 3000));
  DWORD closing = GetTickCount();
  wait.Close(false);
  EXPECT_LT(GetTickCount() - closing, 500u);  // not the 3000 ms of a wait
}

TEST(MessagePump, OneOrAll) {
  HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(w, nullptr);
  PumpMessages(true);
  for (int i = 0; i < 3; ++i) PostMessageA(w, WM_NULL, 0, 0);
  EXPECT_TRUE(PumpMessages(false));
  MSG msg;
  int left = 0;
  while (PeekMessageA(&msg, w, WM_NULL, WM_NULL, PM_NOREMOVE | PM_NOYIELD) && left < 1) ++left;
  EXPECT_EQ(left, 1);
  EXPECT_TRUE(PumpMessages(true));
  EXPECT_FALSE(PeekMessageA(&msg, w, WM_NULL, WM_NULL, PM_NOREMOVE));
  EXPECT_FALSE(PumpMessages(true));
  DestroyWindow(w);
}

TEST(MessagePump, WaitServesForTheTime) {
  DWORD start = GetTickCount();
  WaitServing(300);
  DWORD spent = GetTickCount() - start;
  EXPECT_GE(spent, 300u);
  EXPECT_LT(spent, 800u);
}

TEST(MessagePump, CentreAtPointKeepsTheWindowOnScreen) {
  HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(w, nullptr);
  int sw = GetSystemMetrics(SM_CXSCREEN);
  int sh = GetSystemMetrics(SM_CYSCREEN);
  CentreAtPoint(w, sw - 5, sh - 5);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, sw - 1 - 200);
  EXPECT_EQ(r.top, sh - 1 - 100);
  EXPECT_EQ(r.right - r.left, 200);
  CentreAtPoint(w, 300, 200);
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, 200);
  EXPECT_EQ(r.top, 150);
  CentreOnOwner(w);  // no owner: the screen
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, sw / 2 - 100);
  EXPECT_EQ(r.top, sh / 2 - 50);
  DestroyWindow(w);
}

TEST(MessagePump, WindowTextFromFormatIsCut) {
  HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(w, nullptr);
  SetWindowTextFormat(w, "Copying: %d%%", 42);
  char text[1024] = {0};
  GetWindowTextA(w, text, sizeof text);
  EXPECT_STREQ(text, "Copying: 42%");
  std::string longText(700, 'x');
  SetWindowTextFormat(w, "%s", longText.c_str());
  EXPECT_EQ(GetWindowTextLengthA(w), 511);
  DestroyWindow(w);
}

TEST(MessagePump, DialogUnitsFollowTheBaseUnits) {
  LONG base = GetDialogBaseUnits();
  EXPECT_EQ(DialogUnitsToPixelsX(4), LOWORD(base));
  EXPECT_EQ(DialogUnitsToPixelsY(8), HIWORD(base));
  EXPECT_EQ(DialogUnitsToPixelsX(280), 280 * LOWORD(base) / 4);
  EXPECT_EQ(DialogUnitsToPixelsY(0), 0);
}

}  // namespace
