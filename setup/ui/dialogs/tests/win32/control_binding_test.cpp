#include "ui/dialogs/control_binding.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr UINT kProbe = WM_USER + 11;

// Answers the probe with its own mark; everything else goes on.
class Marker : public ControlBinding {
 public:
  explicit Marker(LRESULT mark) : mark_(mark) {}
  int probes = 0;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kProbe) {
      ++probes;
      return mark_;
    }
    return PassOn(message, wParam, lParam);
  }

 private:
  LRESULT mark_;
};

class ControlBindingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    edit_ = CreateWindowExA(0, "EDIT", "text", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(edit_, nullptr);
    own_ = GetWindowLongPtrA(edit_, GWLP_WNDPROC);
  }
  void TearDown() override {
    if (IsWindow(edit_)) DestroyWindow(edit_);
  }
  LONG_PTR Procedure() const { return GetWindowLongPtrA(edit_, GWLP_WNDPROC); }
  HWND edit_ = nullptr;
  LONG_PTR own_ = 0;
};

TEST_F(ControlBindingTest, BindingForwardsAndPassesTheRestOn) {
  Marker a(111);
  ASSERT_TRUE(a.Bind(edit_));
  EXPECT_EQ(Procedure(), reinterpret_cast<LONG_PTR>(ControlForwardProc));
  EXPECT_EQ(SendMessageA(edit_, kProbe, 0, 0), 111);
  // Unhandled messages reach the edit control's own procedure.
  SetWindowTextA(edit_, "changed");
  char text[32] = {0};
  GetWindowTextA(edit_, text, sizeof text);
  EXPECT_STREQ(text, "changed");
  EXPECT_EQ(ControlBinding::BoundObject(edit_), &a);
}

TEST_F(ControlBindingTest, PropertiesHoldTheTwoHalvesOfTheAddress) {
  Marker a(1);
  ASSERT_TRUE(a.Bind(edit_));
  const unsigned half = sizeof(void*) * 4;
  auto address = reinterpret_cast<std::uintptr_t>(&a);
  auto low = reinterpret_cast<std::uintptr_t>(GetPropA(edit_, "subclrobjptrloword"));
  auto high = reinterpret_cast<std::uintptr_t>(GetPropA(edit_, "subclrobjptrhiword"));
  EXPECT_EQ(low, address & ((std::uintptr_t(1) << half) - 1));
  EXPECT_EQ(high, address >> half);
}

TEST_F(ControlBindingTest, UndoingTheOnlyBindingRestoresTheControl) {
  Marker a(111);
  ASSERT_TRUE(a.Bind(edit_));
  a.Unbind();
  EXPECT_EQ(Procedure(), own_);
  EXPECT_EQ(GetPropA(edit_, "subclrobjptrloword"), nullptr);
  EXPECT_EQ(GetPropA(edit_, "subclrobjptrhiword"), nullptr);
  EXPECT_EQ(SendMessageA(edit_, kProbe, 0, 0), 0);
  EXPECT_EQ(a.probes, 0);
}

TEST_F(ControlBindingTest, SecondBindingKeepsTheProcedureAndGivesBackOnUndo) {
  Marker a(111);
  Marker b(222);
  ASSERT_TRUE(a.Bind(edit_));
  LONG_PTR forwarding = Procedure();
  ASSERT_TRUE(b.Bind(edit_));
  EXPECT_EQ(Procedure(), forwarding);
  EXPECT_EQ(SendMessageA(edit_, kProbe, 0, 0), 222);
  EXPECT_EQ(a.probes, 0);
  b.Unbind();
  EXPECT_EQ(Procedure(), forwarding);
  EXPECT_EQ(SendMessageA(edit_, kProbe, 0, 0), 111);
  EXPECT_EQ(a.probes, 1);
  EXPECT_EQ(b.probes, 1);
  a.Unbind();
  EXPECT_EQ(Procedure(), own_);
}

TEST_F(ControlBindingTest, SecondBindingPassesUnhandledMessagesToTheControl) {
  Marker a(111);
  Marker b(222);
  ASSERT_TRUE(a.Bind(edit_));
  ASSERT_TRUE(b.Bind(edit_));
  SetWindowTextA(edit_, "through b");
  char text[32] = {0};
  GetWindowTextA(edit_, text, sizeof text);
  EXPECT_STREQ(text, "through b");
  b.Unbind();
  a.Unbind();
}

TEST_F(ControlBindingTest, DestroyedControlLeavesNoObjectBehind) {
  Marker a(111);
  Marker b(222);
  ASSERT_TRUE(a.Bind(edit_));
  ASSERT_TRUE(b.Bind(edit_));
  DestroyWindow(edit_);
  EXPECT_FALSE(a.Bound());
  EXPECT_FALSE(b.Bound());
  // Unbinding (and destruction) afterwards is harmless.
  b.Unbind();
  a.Unbind();
}

TEST_F(ControlBindingTest, BindingTwiceOrToNothingFails) {
  Marker a(111);
  EXPECT_FALSE(a.Bind(nullptr));
  ASSERT_TRUE(a.Bind(edit_));
  EXPECT_FALSE(a.Bind(edit_));
}

}  // namespace
