// The selection rule and the selection commands under Wine: which commands
// follow the check boxes, and that a value set to what it already holds
// changes nothing.
#include "kelvane_fixture.h"

using namespace kelvane_test;

TEST_F(KelvaneTest, DeselectAllDisablesAndSelectDefaultEnablesTheFive) {
  ASSERT_TRUE(StartMain());  // no backup folder: Restore and Undo off
  EXPECT_EQ(SelectionCommands(), "11000");
  ClickButton("&Deselect All");
  EXPECT_TRUE(uidriver::WaitUntil([&] { return BoxValues() == "00000000"; })) << BoxValues();
  EXPECT_EQ(SelectionCommands(), "00000");
  EXPECT_TRUE(ButtonEnabled("Select &All"));  // the other commands stay on
  EXPECT_TRUE(ButtonEnabled("Restart &PC"));
  EXPECT_TRUE(ButtonEnabled("E&xit"));
  EXPECT_EQ(uidriver::MenuItemEnabled(main_, "Options|Select Default"), 1);
  ClickButton("&Select Default");
  EXPECT_TRUE(uidriver::WaitUntil([&] { return BoxValues() == "11110000"; })) << BoxValues();
  EXPECT_EQ(SelectionCommands(), "11111");  // AUTOEXEC.BAT changed to 1
  ClickButton("Select &All");
  EXPECT_TRUE(uidriver::WaitUntil([&] { return BoxValues() == "11111111"; })) << BoxValues();
  EXPECT_EQ(SelectionCommands(), "11111");
}

TEST_F(KelvaneTest, ClearingOrSettingNothingNewEnablesNothing) {
  ASSERT_TRUE(StartMain());
  ASSERT_EQ(SelectionCommands(), "11000");
  // The default four are ticked already: no box changes, no rule runs.
  ClickButton("&Select Default");
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Options|Select Default"));
  EXPECT_EQ(BoxValues(), "11110000");
  // Clearing a box while three stay ticked changes nothing either. The
  // click is queued behind the two commands, so they have run when it has.
  ClickBox(2);
  EXPECT_EQ(BoxValues(), "11010000");
  EXPECT_EQ(SelectionCommands(), "11000");
  // Ticking any box enables all five.
  ClickBox(2);
  EXPECT_EQ(SelectionCommands(), "11111");
  // The last cleared box disables them.
  for (int row : {0, 1, 2}) ClickBox(row);
  EXPECT_EQ(SelectionCommands(), "11111");
  ClickBox(3);
  EXPECT_EQ(SelectionCommands(), "00000");
  ClickBox(6);
  EXPECT_EQ(SelectionCommands(), "11111");
}

TEST_F(KelvaneTest, SelectionMenuItemsRunTheButtons) {
  ASSERT_TRUE(StartMain());
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Options|Deselect All"));
  EXPECT_TRUE(uidriver::WaitUntil([&] { return BoxValues() == "00000000"; })) << BoxValues();
  EXPECT_EQ(SelectionCommands(), "00000");
  // Greyed commands cannot be chosen.
  EXPECT_FALSE(uidriver::ChooseMenu(main_, "Execute|Backup"));
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Options|Select All"));
  EXPECT_TRUE(uidriver::WaitUntil([&] { return BoxValues() == "11111111"; })) << BoxValues();
  EXPECT_EQ(SelectionCommands(), "11111");
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Options|Select Default"));
  EXPECT_TRUE(uidriver::WaitUntil([&] { return BoxValues() == "11110000"; })) << BoxValues();
  EXPECT_EQ(SelectionCommands(), "11111");
}
