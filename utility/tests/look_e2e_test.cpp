// The utility as a Windows 95 user sees it: the notices' icons tell success
// from refusal, and Enter presses the button drawn as default. The tests
// save pictures of what they checked beside the test program.
#include "kelvane_fixture.h"

using namespace kelvane_test;

namespace {

HICON IconOf(HWND form) {
  return reinterpret_cast<HICON>(
      SendMessageA(GetDlgItem(form, 10 /* imgIcon */), STM_GETICON, 0, 0));
}

}  // namespace

TEST_F(KelvaneTest, SuccessAndRefusalNoticesShowTheirOwnIcons) {
  ASSERT_TRUE(StartMain());
  ClickBox(4);  // ticking any box enables Restore, whatever is on disk
  ClickButton("&Restore");
  HWND refusal = WaitWindow("No Backup Folder");
  ASSERT_NE(refusal, nullptr);
  SavePicture(refusal, "notice-refusal.bmp");
  const HICON refused = IconOf(refusal);
  ASSERT_TRUE(uidriver::PressKey(refusal, VK_RETURN));
  ASSERT_TRUE(uidriver::WaitWindowGone(program_.Id(), "No Backup Folder"));

  ClickButton("&Backup");
  HWND backup = WaitWindow("Backup Message");
  ASSERT_NE(backup, nullptr);
  SavePicture(backup, "notice-success.bmp");
  const HICON succeeded = IconOf(backup);
  EXPECT_NE(refused, nullptr);
  EXPECT_NE(succeeded, nullptr);
  EXPECT_NE(succeeded, refused);
  ASSERT_TRUE(uidriver::PressKey(backup, VK_RETURN));
  ASSERT_TRUE(uidriver::WaitWindowGone(program_.Id(), "Backup Message"));

  // Another success shares the design of the first.
  ClickButton("&Restore");
  HWND restore = WaitWindow("Restore Message");
  ASSERT_NE(restore, nullptr);
  EXPECT_EQ(IconOf(restore), succeeded);
}

TEST_F(KelvaneTest, EnterPressesTheButtonDrawnAsDefault) {
  ASSERT_TRUE(StartMain());
  // The focus on a push button makes it the default.
  ClickButton("&Deselect All");
  EXPECT_TRUE(uidriver::WaitUntil(
      [&] { return DrawnDefaults(main_) == std::vector<std::string>{"&Deselect All"}; }));
  SendMessageA(Box(0), BM_SETCHECK, BST_CHECKED, 0);
  ASSERT_TRUE(uidriver::PressKey(main_, VK_RETURN));
  EXPECT_TRUE(uidriver::WaitUntil([&] { return BoxValues() == "00000000"; })) << BoxValues();
  EXPECT_EQ(uidriver::FindTopWindow(program_.Id(), "Backup Message"), nullptr);

  // The focus on a check box gives Backup its border back, and Enter runs it.
  ClickBox(0);
  EXPECT_TRUE(uidriver::WaitUntil(
      [&] { return DrawnDefaults(main_) == std::vector<std::string>{"&Backup"}; }));
  ASSERT_TRUE(uidriver::PressKey(main_, VK_RETURN));
  HWND notice = WaitWindow("Backup Message");
  ASSERT_NE(notice, nullptr);
  ASSERT_TRUE(uidriver::PressKey(notice, VK_ESCAPE));
  ASSERT_TRUE(uidriver::WaitWindowGone(program_.Id(), "Backup Message"));

  SavePicture(main_, "main-window.bmp");
}
