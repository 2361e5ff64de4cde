#include "dialog_driver.h"
#include "ui/dialogs/context_help.h"
#include "ui/dialogs/dialog_object.h"
#include "resources/dialog_ids.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr LPARAM kFirstDown = 1;         // repeat 1, key going down
constexpr LPARAM kRepeatDown = 2;        // repeat 2 (held)
constexpr LPARAM kRelease = 0xC0000001;  // key going up

class HelpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_ = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    dialog_ = CreateWindowExA(0, "STATIC", "dialog", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner_, nullptr);
    ASSERT_NE(dialog_, nullptr);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  void TearDown() override {
    DestroyWindow(dialog_);
    DestroyWindow(owner_);
  }
  int CommandsPosted() {
    int n = 0;
    MSG msg;
    while (PeekMessageA(&msg, owner_, WM_COMMAND, WM_COMMAND, PM_REMOVE))
      if (msg.wParam == 102) ++n;
    return n;
  }
  HWND owner_ = nullptr;
  HWND dialog_ = nullptr;
};

TEST_F(HelpTest, StartsWithNoContext) {
  ContextHelp help("", owner_, 102);
  EXPECT_EQ(help.Current(), -1);
  EXPECT_EQ(help.SavedCount(), 0);
}

TEST_F(HelpTest, RegisterSavesAndUnregisterRestores) {
  ContextHelp help("", owner_, 102);
  ASSERT_TRUE(help.Register(dialog_, 4));
  EXPECT_EQ(help.Current(), 4);
  EXPECT_EQ(help.Dialog(), dialog_);
  ASSERT_TRUE(help.Register(dialog_, 9));
  EXPECT_EQ(help.Current(), 9);
  help.Unregister();
  EXPECT_EQ(help.Current(), 4);
  EXPECT_EQ(help.Dialog(), nullptr);
  help.Unregister();
  EXPECT_EQ(help.Current(), -1);
  help.Unregister();  // nothing saved: stays
  EXPECT_EQ(help.Current(), -1);
}

TEST_F(HelpTest, ElevenNestedRegistrationsKeepTheTenLatest) {
  ContextHelp help("", owner_, 102);
  for (int context = 0; context < 11; ++context) ASSERT_TRUE(help.Register(dialog_, context));
  EXPECT_EQ(help.Current(), 10);
  ASSERT_EQ(help.SavedCount(), 10);
  // Saved: -1, 0, ..., 9 minus the oldest (-1).
  for (int i = 0; i < 10; ++i) EXPECT_EQ(help.Saved(i), i);
  for (int expected = 9; expected >= 0; --expected) {
    help.Unregister();
    EXPECT_EQ(help.Current(), expected);
  }
  help.Unregister();
  EXPECT_EQ(help.Current(), 0);  // the -1 was dropped
}

TEST_F(HelpTest, F1FirstPressInTheActiveDialogPostsTheCommand) {
  ContextHelp help("", owner_, 102);
  ASSERT_TRUE(help.Register(dialog_, 1));
  SetActiveWindow(dialog_);
  ASSERT_EQ(GetActiveWindow(), dialog_);
  EXPECT_TRUE(help.OnKey(VK_F1, kFirstDown));
  EXPECT_EQ(CommandsPosted(), 1);
  help.Unregister();
}

TEST_F(HelpTest, F1ReleasedOrHeldIsSwallowedButPostsNothing) {
  ContextHelp help("", owner_, 102);
  ASSERT_TRUE(help.Register(dialog_, 1));
  SetActiveWindow(dialog_);
  EXPECT_TRUE(help.OnKey(VK_F1, kRelease));
  EXPECT_TRUE(help.OnKey(VK_F1, kRepeatDown));
  EXPECT_EQ(CommandsPosted(), 0);
  help.Unregister();
}

TEST_F(HelpTest, OtherKeysAndInactiveDialogPass) {
  ContextHelp help("", owner_, 102);
  ASSERT_TRUE(help.Register(dialog_, 1));
  SetActiveWindow(dialog_);
  EXPECT_FALSE(help.OnKey(VK_F2, kFirstDown));
  EXPECT_FALSE(help.OnKey(VK_RETURN, kFirstDown));
  SetActiveWindow(owner_);
  ShowWindow(owner_, SW_SHOW);
  SetActiveWindow(owner_);
  ASSERT_NE(GetActiveWindow(), dialog_);
  EXPECT_FALSE(help.OnKey(VK_F1, kFirstDown));
  EXPECT_EQ(CommandsPosted(), 0);
  help.Unregister();
  SetActiveWindow(dialog_);
  EXPECT_FALSE(help.OnKey(VK_F1, kFirstDown));  // nothing registered
}

std::string FallbackShown(ContextHelp& help, const std::function<void()>& ask) {
  std::string text;
  int answer = uitest::Driven("Help", {[&](HWND box) {
                                text = uitest::TextOf(GetDlgItem(box, kDlgText));
                                uitest::PostKey(box, VK_RETURN);
                              }},
                              [&] {
                                ask();
                                return 0;
                              });
  EXPECT_EQ(answer, 0);
  (void)help;
  return text;
}

TEST_F(HelpTest, MissingHelpFileGivesTheFallbackBox) {
  ContextHelp help("Z:\\no\\such\\install.hlp", owner_, 102);
  EXPECT_EQ(FallbackShown(help, [&] { help.ShowContext(3); }),
            "Simply follow the instructions in the program!");
}

TEST_F(HelpTest, ContextMinusOneGivesTheFallbackBox) {
  // A help file that exists: this test program itself.
  char self[MAX_PATH] = {0};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  ContextHelp help(self, owner_, 102);
  EXPECT_EQ(FallbackShown(help, [&] { help.ShowCurrent(); }),
            "Simply follow the instructions in the program!");
  EXPECT_EQ(FallbackShown(help, [&] { help.ShowContext(0x7FFFFFFF); }),
            "Simply follow the instructions in the program!");
}

}  // namespace

namespace {

class Blank : public DialogObject {};

void SendKey(WORD key, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

// F1 typed on the keyboard while a registered box is active: the hook posts
// the help command once, on the key going down.
TEST_F(HelpTest, TypedF1ReachesTheOwnerThroughTheHook) {
  Blank box;
  ASSERT_TRUE(CreateModelessDialog(box, nullptr, "DLGMSGBOX0"));
  ShowWindow(box.Handle(), SW_SHOW);
  SetForegroundWindow(box.Handle());
  SetActiveWindow(box.Handle());
  ContextHelp help("", owner_, 102);
  ASSERT_TRUE(help.Register(box.Handle(), 2));
  ASSERT_TRUE(uitest::WaitFor([&] { return GetActiveWindow() == box.Handle(); }));
  int posted = 0;
  auto serveAndCount = [&] {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.hwnd == owner_ && msg.message == WM_COMMAND && msg.wParam == 102)
        ++posted;
      else
        DispatchMessageA(&msg);
    }
    return posted > 0;
  };
  SendKey(VK_F1, false);
  EXPECT_TRUE(uitest::WaitFor(serveAndCount));
  SendKey(VK_F1, true);
  uitest::WaitFor(
      [&] {
        serveAndCount();
        return false;
      },
      300);  // let the release through
  EXPECT_EQ(posted, 1);
  help.Unregister();
  box.Destroy();
}

}  // namespace
