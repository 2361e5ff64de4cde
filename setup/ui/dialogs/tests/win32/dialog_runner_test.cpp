#include "ui/dialogs/dialog_object.h"

#include <gtest/gtest.h>

namespace {

// A dialog from a template that ends itself at initialisation.
class Probe : public DialogObject {
 public:
  DWORD style = 0;
  LRESULT HandleMessage(UINT message, WPARAM, LPARAM) override {
    if (message == WM_INITDIALOG) {
      style = static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE));
      EndDialog(Handle(), 42);
      return TRUE;
    }
    return FALSE;
  }
};

TEST(DialogRunner, MissingTemplateGivesMinusOne) {
  Probe probe;
  EXPECT_EQ(RunModalDialog(probe, nullptr, "NOSUCHTEMPLATE"), -1);
  EXPECT_EQ(RunModalDialog(probe, nullptr, MAKEINTRESOURCEA(4321)), -1);
  EXPECT_FALSE(CreateModelessDialog(probe, nullptr, "nosuchtemplate"));
}

TEST(DialogRunner, NamesAreFoundWithoutRegardToCase) {
  Probe probe;
  EXPECT_EQ(RunModalDialog(probe, nullptr, "dlgmsgbox2"), 42);
  EXPECT_EQ(probe.Handle(), nullptr);  // unbound after destruction
}

TEST(DialogRunner, NewLookSetsTheStyleBitInACopy) {
  // (The platform may add the 3-D look to every dialog window itself, so the
  // template given to it is what tells.)
  SetNewLookFlag(false);
  DWORD plain = RunnerTemplateStyle("DLGMSGBOX1");
  ASSERT_NE(plain, 0u);
  EXPECT_EQ(plain & DS_3DLOOK, 0u);
  SetNewLookFlag(true);
  DWORD look = RunnerTemplateStyle("dlgmsgbox1");
  Probe probe;
  EXPECT_EQ(RunModalDialog(probe, nullptr, "DLGMSGBOX1"), 42);
  SetNewLookFlag(false);
  EXPECT_EQ(look, plain | DS_3DLOOK);
  // The resource itself is unchanged.
  EXPECT_EQ(RunnerTemplateStyle("DLGMSGBOX1"), plain);
  EXPECT_EQ(RunnerTemplateStyle("NOSUCHTEMPLATE"), 0u);
}

TEST(DialogRunner, ModelessObjectKnowsItOwnsItsWindow) {
  Probe probe;  // ends nothing: EndDialog on a modeless dialog only hides it
  ASSERT_TRUE(CreateModelessDialog(probe, nullptr, "DLGMSGDLG"));
  EXPECT_TRUE(probe.OwnsModeless());
  HWND hwnd = probe.Handle();
  ASSERT_NE(hwnd, nullptr);
  DestroyWindow(hwnd);
  EXPECT_EQ(probe.Handle(), nullptr);
  EXPECT_FALSE(probe.OwnsModeless());
}

}  // namespace
