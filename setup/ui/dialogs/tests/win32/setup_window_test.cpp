#include "ui/dialogs/screen_metrics.h"
#include "ui/dialogs/setup_window.h"
#include "ui/dialogs/developer_check.h"
#include "platform_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char kClass[] = "wndclasstestobject";

class RecordingWindow : public SetupWindow {
 public:
  std::vector<UINT> seen;
  HWND handleAtCreate = nullptr;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    seen.push_back(message);
    if (message == WM_CREATE) handleAtCreate = Handle();
    if (message == WM_USER + 7) return 4242;
    return SetupWindow::HandleMessage(message, wParam, lParam);
  }
  bool Saw(UINT message) const {
    for (UINT m : seen)
      if (m == message) return true;
    return false;
  }
};

class SetupWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WindowClassRecord cls;
    cls.name = kClass;
    RegisterSetupClass(cls);
  }
  static WindowCreationRecord Popup() {
    WindowCreationRecord rec;
    rec.left = 10;
    rec.top = 10;
    rec.width = 100;
    rec.height = 80;
    rec.title = "object";
    rec.style = WS_POPUP;
    return rec;
  }
};

TEST_F(SetupWindowTest, ClassHasOnePointerSlot) {
  WNDCLASSA wc;
  ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), kClass, &wc));
  EXPECT_EQ(wc.cbWndExtra, static_cast<int>(sizeof(void*)));
  EXPECT_EQ(wc.cbClsExtra, 0);
  EXPECT_EQ(wc.lpfnWndProc, SetupWindowProc);
  RegisterSetupClass(WindowClassRecord{kClass, 0, nullptr, nullptr});  // again: harmless
}

TEST_F(SetupWindowTest, CreationBindsAtTheCreateMessage) {
  RecordingWindow w;
  ASSERT_TRUE(w.Create(WindowClassRecord{kClass, 0, nullptr, nullptr}, Popup()));
  ASSERT_NE(w.Handle(), nullptr);
  ASSERT_FALSE(w.seen.empty());
  // WM_NCCREATE, WM_NCCALCSIZE and the like came first and went to the
  // default procedure: the object's first message is WM_CREATE.
  EXPECT_EQ(w.seen.front(), static_cast<UINT>(WM_CREATE));
  EXPECT_FALSE(w.Saw(WM_NCCREATE));
  EXPECT_EQ(w.handleAtCreate, w.Handle());
  EXPECT_EQ(GetWindowLongPtrA(w.Handle(), kWindowObjectSlot), reinterpret_cast<LONG_PTR>(&w));
  EXPECT_EQ(SendMessageA(w.Handle(), WM_USER + 7, 0, 0), 4242);
  DestroyWindow(w.Handle());
}

TEST_F(SetupWindowTest, DestroyMessageUnbindsAfterTheObjectHandledIt) {
  RecordingWindow w;
  ASSERT_TRUE(w.Create(WindowClassRecord{kClass, 0, nullptr, nullptr}, Popup()));
  HWND hwnd = w.Handle();
  ASSERT_TRUE(DestroyWindow(hwnd));
  EXPECT_TRUE(w.Saw(WM_DESTROY));
  EXPECT_FALSE(w.Saw(WM_NCDESTROY));  // after WM_DESTROY: the default procedure
  EXPECT_EQ(w.Handle(), nullptr);
}

TEST_F(SetupWindowTest, WindowWithoutObjectUsesTheDefaultProcedure) {
  HWND plain = CreateWindowExA(0, kClass, "plain", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(GetWindowLongPtrA(plain, kWindowObjectSlot), 0);
  EXPECT_EQ(SendMessageA(plain, WM_USER + 7, 0, 0), 0);
  char title[16] = {0};
  GetWindowTextA(plain, title, sizeof title);
  EXPECT_STREQ(title, "plain");
  DestroyWindow(plain);
}

TEST_F(SetupWindowTest, DestroyUnbindsFirstThenDestroys) {
  RecordingWindow w;
  ASSERT_TRUE(w.Create(WindowClassRecord{kClass, 0, nullptr, nullptr}, Popup()));
  HWND hwnd = w.Handle();
  w.seen.clear();
  w.Destroy();
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(w.Handle(), nullptr);
  EXPECT_TRUE(w.seen.empty());
}

TEST_F(SetupWindowTest, MissingClassFailsCreation) {
  RecordingWindow w;
  EXPECT_FALSE(
      w.Create(WindowClassRecord{"wndclassneverregistered", 0, nullptr, nullptr}, Popup()));
  EXPECT_EQ(w.Handle(), nullptr);
}

TEST_F(SetupWindowTest, ObjectDestroyedWithItsWindowShowsTheDeveloperCheck) {
  HWND hwnd = nullptr;
  {
    uitest::PlatformBoxAnswerer answerer(kDelBeforeDestruction);
    {
      RecordingWindow w;
      ASSERT_TRUE(w.Create(WindowClassRecord{kClass, 0, nullptr, nullptr}, Popup()));
      hwnd = w.Handle();
    }
    // joined here
    EXPECT_TRUE(answerer.Seen());
  }
  // The window is left alone but no longer points at the dead object.
  ASSERT_TRUE(IsWindow(hwnd));
  EXPECT_EQ(GetWindowLongPtrA(hwnd, kWindowObjectSlot), 0);
  EXPECT_EQ(SendMessageA(hwnd, WM_USER + 7, 0, 0), 0);
  DestroyWindow(hwnd);
}

TEST(ScreenMetrics, PerMilleOfTheScreen) {
  EXPECT_EQ(ScreenXPerMille(1000), GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(ScreenYPerMille(1000), GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(ScreenXPerMille(0), 0);
  EXPECT_EQ(ScreenXPerMille(500), (GetSystemMetrics(SM_CXSCREEN) + 1) / 2);
}

}  // namespace
