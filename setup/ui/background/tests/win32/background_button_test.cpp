#include "background_fixture.h"
#include "ui/background/background_controls.h"
#include "ui/dialogs/screen_metrics.h"

namespace {

using bgtest::BackgroundTest;

// Stands in for the background to receive the buttons' commands.
class CommandSink : public SetupWindow {
 public:
  bool Open() {
    WindowClassRecord cls;
    cls.name = "wndclasstestsink";
    RegisterSetupClass(cls);
    WindowCreationRecord rec;
    rec.left = rec.top = 0;
    rec.width = rec.height = 10;
    rec.style = WS_POPUP;
    return Create(cls, rec);
  }
  ~CommandSink() override { Destroy(); }
  // The command waiting in the queue, if any: its identifier and window.
  bool TakeCommand(WPARAM& id, LPARAM& window) {
    MSG msg;
    if (!PeekMessageA(&msg, Handle(), WM_COMMAND, WM_COMMAND, PM_REMOVE)) return false;
    id = msg.wParam;
    window = msg.lParam;
    return true;
  }
};

LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

TEST_F(BackgroundTest, ButtonsSitAtTheirPointsWithTheirCommandsAndTheMinimiseButtonStartsDisabled) {
  ShowWindow(background.Handle(), SW_SHOW);
  BackgroundControls controls(ops, background);
  const int ys[] = {950, 850, 750};
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(controls.Create(i, 950, ys[i]));
  for (int i = 0; i < 3; ++i) {
    BackgroundButton* b = controls.Button(i);
    ASSERT_NE(b, nullptr);
    char name[32] = {0};
    GetClassNameA(b->Handle(), name, sizeof name);
    EXPECT_STREQ(name, "wndclassbkbtn");
    EXPECT_EQ(b->Command(), 101 + i);
    EXPECT_EQ(GetWindow(b->Handle(), GW_OWNER), background.Handle());
    EXPECT_EQ(GetWindowLongPtrA(b->Handle(), GWL_STYLE) & (WS_POPUP | WS_CHILD | WS_VISIBLE),
              static_cast<LONG_PTR>(WS_POPUP | WS_VISIBLE));
    RECT r;
    GetWindowRect(b->Handle(), &r);
    EXPECT_EQ(r.left, ScreenXPerMille(950) - 31);
    EXPECT_EQ(r.top, ScreenYPerMille(ys[i]) - 19);
    EXPECT_EQ(r.right - r.left, 63);
    EXPECT_EQ(r.bottom - r.top, 39);
  }
  EXPECT_TRUE(IsWindowEnabled(controls.Button(0)->Handle()));
  EXPECT_FALSE(IsWindowEnabled(controls.Button(2)->Handle()));
  background.EnableMinimiseButton(true);
  EXPECT_TRUE(IsWindowEnabled(controls.Button(2)->Handle()));
  background.EnableMinimiseButton(false);
  EXPECT_FALSE(IsWindowEnabled(controls.Button(2)->Handle()));

  controls.DestroyAll();
  EXPECT_EQ(controls.Button(0), nullptr);
}

TEST(BackgroundButton, ACommandIsPostedOnlyWhenThePressEndsOnTheButton) {
  CommandSink sink;
  ASSERT_TRUE(sink.Open());
  BackgroundButton button(1);
  ASSERT_TRUE(button.Create(sink.Handle(), 300, 300));
  HWND b = button.Handle();
  HWND before = sink.Handle();  // any window that lost the focus to the button
  SendMessageA(b, WM_SETFOCUS, reinterpret_cast<WPARAM>(before), 0);
  EXPECT_EQ(button.FocusBefore(), before);

  WPARAM id = 0;
  LPARAM window = 0;
  SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
  EXPECT_EQ(button.PressState(), ButtonPress::kPressedInside);
  EXPECT_EQ(GetCapture(), b);
  SendMessageA(b, WM_MOUSEMOVE, MK_LBUTTON, At(-5, 10));
  EXPECT_EQ(button.PressState(), ButtonPress::kPressedOutside);
  SendMessageA(b, WM_LBUTTONUP, 0, At(-5, 10));
  EXPECT_EQ(button.PressState(), ButtonPress::kUp);
  EXPECT_NE(GetCapture(), b);
  EXPECT_FALSE(sink.TakeCommand(id, window));

  SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
  SendMessageA(b, WM_MOUSEMOVE, MK_LBUTTON, At(63, 39));
  EXPECT_EQ(button.PressState(), ButtonPress::kPressedOutside);
  SendMessageA(b, WM_MOUSEMOVE, MK_LBUTTON, At(62, 38));
  EXPECT_EQ(button.PressState(), ButtonPress::kPressedInside);
  SendMessageA(b, WM_LBUTTONUP, 0, At(62, 38));
  ASSERT_TRUE(sink.TakeCommand(id, window));
  EXPECT_EQ(id, 102u);
  EXPECT_EQ(window, reinterpret_cast<LPARAM>(before));
  EXPECT_FALSE(sink.TakeCommand(id, window));
  button.Destroy();
}

}  // namespace
