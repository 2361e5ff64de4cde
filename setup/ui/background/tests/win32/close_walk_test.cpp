#include "background_fixture.h"
#include "ui/background/model/button_model.h"
#include "ui/background/close_request.h"

namespace {

using bgtest::BackgroundTest;
using bgtest::FakeDialog;
using bgtest::Pump;

void SendClose(HWND background, HWND focusBefore) {
  SendMessageA(background, WM_COMMAND, kCloseCommand, reinterpret_cast<LPARAM>(focusBefore));
  Pump();
}

TEST_F(BackgroundTest, CloseAsksTheFocusWindowsDialogFirst) {
  FakeDialog other;
  ASSERT_TRUE(other.Open(nullptr, true));
  FakeDialog current;
  ASSERT_TRUE(current.Open(background.Handle(), true));
  SendClose(background.Handle(), current.control);
  EXPECT_EQ(current.closeRequests, 1);
  EXPECT_EQ(other.closeRequests, 0);
}

TEST_F(BackgroundTest, CloseGoesOnToTheThreadsWindowsWhenTheDialogsCloseIsDisabled) {
  FakeDialog current;
  ASSERT_TRUE(current.Open(background.Handle(), false));
  FakeDialog other;
  ASSERT_TRUE(other.Open(nullptr, true));
  SendClose(background.Handle(), current.control);
  EXPECT_EQ(current.closeRequests, 0);
  EXPECT_EQ(other.closeRequests, 1);
}

TEST_F(BackgroundTest, NothingClosesWhenNoWindowHasAnEnabledClose) {
  FakeDialog current;
  ASSERT_TRUE(current.Open(background.Handle(), false));
  // The icon window has an enabled Close and answers it with the close
  // command: it is never asked, or the two would ask each other forever.
  EXPECT_FALSE(AskWindowToClose(background.Handle()));
  background.Minimise();
  SendClose(background.Handle(), nullptr);
  EXPECT_EQ(current.closeRequests, 0);
  EXPECT_FALSE(IsWindowVisible(background.Handle()));  // the icon window saw no Close
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, background.Handle(), WM_COMMAND, WM_COMMAND, PM_NOREMOVE));
  background.Restore();
}

}  // namespace
