// F1 in kelvane.exe opens its help file's contents in the platform's help
// viewer, and Exit closes that viewer again.
#include <windows.h>

#include "help_viewer.h"
#include "kelvane_fixture.h"

using namespace kelvane_test;

TEST_F(KelvaneTest, F1OpensTheHelpContentsAndExitClosesIt) {
  ASSERT_EQ(uidriver::FindHelpViewer(), nullptr) << "a help viewer is already open";
  ASSERT_TRUE(StartMain());
  ASSERT_TRUE(uidriver::PressKey(main_, VK_F1));
  uidriver::ViewerGuard guard;
  HWND viewer = nullptr;
  ASSERT_TRUE(
      uidriver::WaitUntil([&] { return (viewer = uidriver::FindHelpViewer()) != nullptr; }, 20000));
  ASSERT_TRUE(guard.Hold(viewer));
  EXPECT_TRUE(uidriver::WaitUntil(
      [&] { return uidriver::TopicText(viewer).rfind("Configuration Haventide Help", 0) == 0; },
      10000))
      << uidriver::TopicText(viewer);

  ASSERT_TRUE(uidriver::ChooseMenu(main_, "File|Exit"));
  DWORD code = 1;
  ASSERT_TRUE(program_.WaitExit(uidriver::kWait, &code));
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(WaitForSingleObject(guard.process, uidriver::Deadline(10000)), WAIT_OBJECT_0)
      << "the viewer stayed open after Exit";
}
