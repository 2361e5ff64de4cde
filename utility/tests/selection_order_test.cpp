// The selection commands inside the program: each sets the boxes one at a
// time in table order, the rule runs after every change and not for a box
// that already holds the value, and the menu items run the same handlers.
// The check boxes and two of the commands are watched through subclassing.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "forms/main_form.h"
#include "runtime/application.h"

using namespace kelvane;

namespace {

std::vector<std::string> g_log;
std::map<HWND, WNDPROC> g_original;

LRESULT CALLBACK Spy(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const int id = GetDlgCtrlID(hwnd);
  if (message == BM_SETCHECK)
    g_log.push_back("box" + std::to_string(id - ids::chkFirst + 1) + "=" + std::to_string(wParam));
  if (message == WM_ENABLE)
    g_log.push_back(std::string(id == ids::cmdBackup ? "cmdBackup" : "cmdRestore") +
                    (wParam ? " on" : " off"));
  return CallWindowProcA(g_original[hwnd], hwnd, message, wParam, lParam);
}

void Watch(HWND control) {
  g_original[control] = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Spy)));
}

std::vector<std::string> Take() {
  std::vector<std::string> log;
  log.swap(g_log);
  return log;
}

void Command(int id) { SendMessageA(Main().Handle(), WM_COMMAND, static_cast<WPARAM>(id), 0); }

using Log = std::vector<std::string>;

}  // namespace

TEST(SelectionCommands, SetTheBoxesOneAtATimeInTableOrder) {
  ASSERT_TRUE(app::Init(GetModuleHandleA(nullptr)));
  ASSERT_TRUE(Main().Form_Load());
  MainForm& main = Main();
  main.cmdSelectAll_Click();  // a known start: every box ticked, every command on
  for (int row = 0; row < kProtectedFileCount; ++row) Watch(main.Control(ids::chkFirst + row));
  Watch(main.Control(ids::cmdBackup));
  Watch(main.Control(ids::cmdRestore));

  main.cmdDeselectAll_Click();
  EXPECT_EQ(Take(), (Log{"box1=0", "box2=0", "box3=0", "box4=0", "box5=0", "box6=0", "box7=0",
                         "box8=0", "cmdBackup off", "cmdRestore off"}));
  EXPECT_FALSE(main.Enabled(ids::mnuBackup));
  EXPECT_FALSE(main.Enabled(ids::mnuRestore));
  EXPECT_FALSE(main.Enabled(ids::mnuUndo));
  main.cmdDeselectAll_Click();
  EXPECT_EQ(Take(), Log{});

  // The first box set to 1 enables the commands at once.
  main.cmdSelectDefault_Click();
  EXPECT_EQ(Take(), (Log{"box1=1", "cmdBackup on", "cmdRestore on", "box2=1", "box3=1", "box4=1"}));
  EXPECT_TRUE(main.Enabled(ids::mnuUndo));
  main.cmdSelectDefault_Click();
  EXPECT_EQ(Take(), Log{});

  main.cmdSelectAll_Click();
  EXPECT_EQ(Take(), (Log{"box5=1", "box6=1", "box7=1", "box8=1"}));
  main.cmdSelectAll_Click();
  EXPECT_EQ(Take(), Log{});

  // The menu items run the buttons' handlers.
  Command(ids::mnuDeselectAll);
  EXPECT_EQ(Take(), (Log{"box1=0", "box2=0", "box3=0", "box4=0", "box5=0", "box6=0", "box7=0",
                         "box8=0", "cmdBackup off", "cmdRestore off"}));
  Command(ids::mnuSelectAll);
  EXPECT_EQ(Take(), (Log{"box1=1", "cmdBackup on", "cmdRestore on", "box2=1", "box3=1", "box4=1",
                         "box5=1", "box6=1", "box7=1", "box8=1"}));
  Command(ids::mnuSelectDefault);
  EXPECT_EQ(Take(), (Log{"box5=0", "box6=0", "box7=0", "box8=0"}));
  // A greyed command does nothing.
  main.cmdDeselectAll_Click();
  Take();
  Command(ids::mnuBackup);
  EXPECT_EQ(Take(), Log{});
}
