#include "background_fixture.h"
#include "dialog_driver.h"
#include "ui/gauges/activity_meter.h"
#include "ui/background/background_controls.h"
#include "ui/dialogs/screen_metrics.h"
#include "ui/dialogs/context_help.h"
#include "ui/dialogs/engine_error_boxes.h"
#include "resources/dialog_ids.h"

#include <string>

namespace {

using bgtest::BackgroundTest;
using bgtest::FakeDialog;
using bgtest::kProduct;
using bgtest::Pump;

std::string ClassOf(HWND window) {
  char name[64] = {0};
  GetClassNameA(window, name, sizeof name);
  return name;
}

LONG_PTR StyleOf(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE); }

TEST_F(BackgroundTest, IconWindowIsAHiddenMinimisedStandIn) {
  HWND w = icon.Handle();
  EXPECT_EQ(ClassOf(w), "wndclassic");
  EXPECT_EQ(uitest::TextOf(w), kProduct);
  EXPECT_EQ(StyleOf(w) & 0xFFFF0000 & ~static_cast<LONG_PTR>(WS_CLIPSIBLINGS),
            static_cast<LONG_PTR>(kIconWindowStyle));
  EXPECT_TRUE(IsIconic(w));
  EXPECT_FALSE(IsWindowVisible(w));
  ASSERT_NE(icon.Icon(), nullptr);
  EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(w, GCLP_HICON)), icon.Icon());
  WINDOWPLACEMENT place = {};
  place.length = sizeof place;
  ASSERT_TRUE(GetWindowPlacement(w, &place));
  EXPECT_EQ(place.rcNormalPosition.left, 0);
  EXPECT_EQ(place.rcNormalPosition.right, Width());
  EXPECT_EQ(place.rcNormalPosition.bottom, Height());
}

TEST_F(BackgroundTest, BackgroundIsAFullScreenPopupNotYetShown) {
  HWND w = background.Handle();
  EXPECT_EQ(ClassOf(w), "wndclassbk");
  EXPECT_EQ(uitest::TextOf(w), kProduct);
  EXPECT_EQ(StyleOf(w) & ~static_cast<LONG_PTR>(WS_CLIPSIBLINGS), static_cast<LONG_PTR>(WS_POPUP));
  EXPECT_FALSE(IsWindowVisible(w));
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, Width());
  EXPECT_EQ(r.bottom, Height());
  EXPECT_EQ(GetClassLongPtrA(w, GCLP_HBRBACKGROUND), 0);
  EXPECT_EQ(GetClassLongPtrA(w, GCLP_HICON), 0);
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(w, GCLP_HCURSOR)),
            LoadCursorA(nullptr, IDC_ARROW));
  // A click on the background neither activates it nor reaches it.
  EXPECT_EQ(SendMessageA(w, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(w),
                         MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
            MA_NOACTIVATEANDEAT);
}

TEST_F(BackgroundTest, MinimiseHidesEverythingBehindTheIconWindowAndRestoreBringsItBack) {
  ShowWindow(background.Handle(), SW_SHOW);
  BackgroundControls controls(ops, background);
  ASSERT_TRUE(controls.Create(0, 950, 950));
  FakeDialog dialog;
  ASSERT_TRUE(dialog.Open(background.Handle(), true));
  HWND button = controls.Button(0)->Handle();

  auto minimised = [&] {
    return !IsWindowVisible(background.Handle()) && !IsWindowVisible(dialog.Handle()) &&
           !IsWindowVisible(button) && IsWindowVisible(icon.Handle()) && IsIconic(icon.Handle());
  };
  auto restored = [&] {
    return IsWindowVisible(background.Handle()) && IsWindowVisible(dialog.Handle()) &&
           IsWindowVisible(button) && !IsWindowVisible(icon.Handle());
  };
  // The minimise button's command, then the icon window's Restore and
  // Maximise (the low four bits of a system command do not count).
  SendMessageA(background.Handle(), WM_COMMAND, kMinimiseCommand, 0);
  EXPECT_TRUE(minimised());
  SendMessageA(icon.Handle(), WM_SYSCOMMAND, SC_RESTORE | 0x2, 0);
  EXPECT_TRUE(restored());
  background.Minimise();
  EXPECT_TRUE(minimised());
  SendMessageA(icon.Handle(), WM_SYSCOMMAND, SC_MAXIMIZE | 0xF, 0);
  EXPECT_TRUE(restored());
  EXPECT_EQ(dialog.closeRequests, 0);

  // Close restores too, and then closes the dialog the user was in.
  background.Minimise();
  SendMessageA(icon.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(restored());
  Pump();
  EXPECT_EQ(dialog.closeRequests, 1);
}

// Index 3 is the activity meter, centred at its point on the background and
// destroyed with the buttons.
TEST_F(BackgroundTest, TheFourthControlIsTheActivityMeter) {
  BackgroundControls controls(ops, background);
  ASSERT_TRUE(controls.Create(3, 100, 750));
  ASSERT_NE(controls.Meter(), nullptr);
  HWND meter = controls.Meter()->Handle();
  ASSERT_TRUE(IsWindow(meter));
  EXPECT_EQ(GetParent(meter), background.Handle());
  RECT r;
  GetWindowRect(meter, &r);
  EXPECT_EQ((r.left + r.right) / 2, ScreenXPerMille(100));
  EXPECT_EQ((r.top + r.bottom) / 2, ScreenYPerMille(750));
  controls.DestroyAll();
  EXPECT_EQ(controls.Meter(), nullptr);
  EXPECT_FALSE(IsWindow(meter));
}

TEST_F(BackgroundTest, HelpButtonShowsHelpForTheCurrentContext) {
  ContextHelp help("Z:\\no\\such\\install.hlp", background.Handle(), kHelpCommand);
  background.SetHelp(&help);
  std::string text;
  uitest::Driven(
      "Help", {[&](HWND box) {
        text = uitest::TextOf(GetDlgItem(box, kDlgText));
        uitest::PostKey(box, VK_RETURN);
      }},
      [&] {
        return static_cast<int>(SendMessageA(background.Handle(), WM_COMMAND, kHelpCommand, 0));
      });
  EXPECT_EQ(text, "Simply follow the instructions in the program!");
  background.SetHelp(nullptr);
}

// A class registered before the engine's, under its name, whose windows
// refuse to be created: the engine's creation then fails.
LRESULT CALLBACK RefusingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) return FALSE;
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

class RefusedClass {
 public:
  explicit RefusedClass(const char* name) : name_(name) {
    UnregisterClassA(name, GetModuleHandleA(nullptr));  // the engine's, from earlier tests
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RefusingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
  }
  ~RefusedClass() { UnregisterClassA(name_, GetModuleHandleA(nullptr)); }

 private:
  const char* name_;
};

std::string ErrorText(FileOperations& ops, const std::function<bool()>& create, bool& result) {
  ops.SetQuiet(false);
  std::string text;
  uitest::Driven("Error", {[&](HWND box) {
                   text = uitest::TextOf(GetDlgItem(box, kDlgText));
                   uitest::PostKey(box, VK_RETURN);
                 }},
                 [&] {
                   result = create();
                   return 0;
                 });
  ops.SetQuiet(true);
  return text;
}

TEST(BackgroundFailures, EachWindowReportsItsOwnMessage) {
  EngineErrorBoxes boxes;
  FileOperations ops(boxes);
  bgtest::Titles titles;
  IconWindow icon;
  BackgroundWindow background(icon, titles);
  bool created = true;
  {
    RefusedClass refused("wndclassic");
    EXPECT_EQ(ErrorText(
                  ops, [&] { return icon.Create(ops, kProduct); }, created),
              "Unable to create the icon window");
    EXPECT_FALSE(created);
  }
  {
    RefusedClass refused("wndclassbk");
    EXPECT_EQ(ErrorText(
                  ops, [&] { return background.Create(ops, kProduct); }, created),
              "Unable to create the background window");
    EXPECT_FALSE(created);
    EXPECT_EQ(ops.LastError(), kFileOpGeneral);
  }
  ASSERT_TRUE(icon.Create(ops, kProduct));
  ASSERT_TRUE(background.Create(ops, kProduct));
  {
    BackgroundControls controls(ops, background);
    RefusedClass refused("wndclassbkbtn");
    EXPECT_EQ(ErrorText(
                  ops, [&] { return controls.Create(1, 950, 850); }, created),
              "Unable to background button window");
    EXPECT_FALSE(created);
    EXPECT_EQ(controls.Button(1), nullptr);
  }
  background.Destroy();
  icon.Destroy();
}

}  // namespace
