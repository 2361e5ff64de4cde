// F1 in kelvane.exe opens its help file's contents in the platform's help
// viewer, and Exit closes that viewer again.
#include <windows.h>

#include "kelvane_fixture.h"

using namespace kelvane_test;

namespace {

// The viewer's main window (Windows' and Wine's viewers share the class).
HWND FindViewer(DWORD* pid) {
  HWND viewer = FindWindowA("MS_WINHELP", nullptr);
  if (viewer && pid) GetWindowThreadProcessId(viewer, pid);
  return viewer && IsWindowVisible(viewer) ? viewer : nullptr;
}

// The topic pane is the viewer's child window with the longest text.
std::string TopicText(HWND viewer) {
  std::string longest;
  for (const uidriver::ControlInfo& c : uidriver::Controls(viewer))
    if (c.text.size() > longest.size()) longest = c.text;
  return longest;
}

// Holds the viewer's process from the moment it is found, and ends it by
// its id if the test leaves it running.
struct ViewerGuard {
  DWORD pid = 0;
  HANDLE process = nullptr;
  ~ViewerGuard() {
    if (!process) return;
    if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) TerminateProcess(process, 1);
    CloseHandle(process);
  }
};

}  // namespace

TEST_F(KelvaneTest, F1OpensTheHelpContentsAndExitClosesIt) {
  ASSERT_EQ(FindViewer(nullptr), nullptr) << "a help viewer is already open";
  ASSERT_TRUE(StartMain());
  ASSERT_TRUE(uidriver::PressKey(main_, VK_F1));
  ViewerGuard guard;
  HWND viewer = nullptr;
  ASSERT_TRUE(
      uidriver::WaitUntil([&] { return (viewer = FindViewer(&guard.pid)) != nullptr; }, 20000));
  guard.process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, guard.pid);
  ASSERT_NE(guard.process, nullptr);
  EXPECT_TRUE(uidriver::WaitUntil(
      [&] { return TopicText(viewer).rfind("Configuration Haventide Help", 0) == 0; }, 10000))
      << TopicText(viewer);

  ASSERT_TRUE(uidriver::ChooseMenu(main_, "File|Exit"));
  DWORD code = 1;
  ASSERT_TRUE(program_.WaitExit(uidriver::kWait, &code));
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(WaitForSingleObject(guard.process, 10000), WAIT_OBJECT_0)
      << "the viewer stayed open after Exit";
}
