#include "ui/dialogs/ctl3d.h"

#include <gtest/gtest.h>

TEST(Ctl3d, RegistrationIsCounted) {
  ASSERT_EQ(Ctl3dReferenceCount(), 0);
  bool first = Register3dControls();
  EXPECT_EQ(Ctl3dReferenceCount(), 1);
  EXPECT_EQ(Ctl3dLoaded(), first || Ctl3dLoaded());
  bool loaded = Ctl3dLoaded();
  EXPECT_EQ(Register3dControls(), loaded);  // the second one changes nothing
  EXPECT_EQ(Ctl3dReferenceCount(), 2);
  EXPECT_EQ(Ctl3dLoaded(), loaded);
  Unregister3dControls();
  EXPECT_EQ(Ctl3dReferenceCount(), 1);
  EXPECT_EQ(Ctl3dLoaded(), loaded);
  Unregister3dControls();
  EXPECT_EQ(Ctl3dReferenceCount(), 0);
  EXPECT_FALSE(Ctl3dLoaded());
  Unregister3dControls();  // never below zero
  EXPECT_EQ(Ctl3dReferenceCount(), 0);
}

TEST(Ctl3d, SubclassWithoutTheLibraryDoesNothing) {
  HWND w = CreateWindowExA(0, "BUTTON", "b", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(w, nullptr);
  LONG_PTR before = GetWindowLongPtrA(w, GWLP_WNDPROC);
  Subclass3dControl(w);
  EXPECT_EQ(GetWindowLongPtrA(w, GWLP_WNDPROC), before);
  DestroyWindow(w);
}
