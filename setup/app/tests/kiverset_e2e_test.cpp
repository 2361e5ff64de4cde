// kiverset.exe driven as a user would.
#include "uidriver.h"
#include "resources/dialog_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string ProgramPath() { return uidriver::ProgramUnderTest("kiverset.exe"); }

// A program's first window under a fresh Wine session can take more than
// ten seconds (the session's services start with it).
constexpr DWORD kFirstWindowMs = 40000;

// The push buttons of an engine message box (its group box is a button
// too, but not one to press).
std::vector<std::string> PushButtons(HWND box) {
  std::vector<std::string> captions;
  for (const uidriver::ControlInfo& c : uidriver::Controls(box)) {
    if (lstrcmpiA(c.cls.c_str(), "Button") != 0 || !c.visible) continue;
    LONG style = GetWindowLongA(c.hwnd, GWL_STYLE) & 0x0F;
    if (style == BS_PUSHBUTTON || style == BS_DEFPUSHBUTTON) captions.push_back(c.text);
  }
  return captions;
}

TEST(KiversetE2E, EmptyCommandLineShowsUsageAndExitsZero) {
  uidriver::Program program;
  ASSERT_TRUE(program.Start("\"" + ProgramPath() + "\""));
  HWND box = uidriver::WaitTopWindow(program.Id(), "Error", "#32770", kFirstWindowMs);
  ASSERT_NE(box, nullptr) << "no box titled \"Error\"";
  uidriver::MessageBoxInfo info;
  ASSERT_TRUE(uidriver::ReadMessageBox(box, &info));
  EXPECT_EQ(info.title, "Error");
  EXPECT_EQ(info.text, "Usage:kiverset [install source dir]");
  EXPECT_EQ(uidriver::Text(uidriver::ControlById(box, kDlgText)),
            "Usage:kiverset [install source dir]");
  EXPECT_EQ(PushButtons(box), std::vector<std::string>{"&OK"});
  // The exclamation icon is shown beside the text.
  HWND icon = uidriver::ControlById(box, kDlgIcon);
  ASSERT_NE(icon, nullptr);
  EXPECT_TRUE(IsWindowVisible(icon));
  ASSERT_TRUE(uidriver::AnswerMessageBox(box, "&OK"));
  DWORD code = 99;
  ASSERT_TRUE(program.WaitExit(10000, &code));
  EXPECT_EQ(code, 0u);
}

TEST(KiversetE2E, EscapeAnswersTheUsageBoxToo) {
  uidriver::Program program;
  ASSERT_TRUE(program.Start("\"" + ProgramPath() + "\"   "));
  HWND box = uidriver::WaitTopWindow(program.Id(), "Error", "#32770", kFirstWindowMs);
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(uidriver::PressKey(box, VK_ESCAPE));
  DWORD code = 99;
  ASSERT_TRUE(program.WaitExit(10000, &code));
  EXPECT_EQ(code, 0u);
}

TEST(KiversetE2E, SourceDirectoryTooLongIsRefusedBeforeAnything) {
  uidriver::Program program;
  ASSERT_TRUE(program.Start("\"" + ProgramPath() + "\" C:\\" + std::string(300, 'd')));
  HWND box = uidriver::WaitTopWindow(program.Id(), "Error", "#32770", kFirstWindowMs);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(uidriver::TopWindows(program.Id()), std::vector<HWND>{box});
  uidriver::MessageBoxInfo info;
  ASSERT_TRUE(uidriver::ReadMessageBox(box, &info));
  EXPECT_EQ(info.text, "The install source directory is longer than 255 characters");
  ASSERT_TRUE(uidriver::AnswerMessageBox(box, "&OK"));
  DWORD code = 99;
  ASSERT_TRUE(program.WaitExit(10000, &code));
  EXPECT_EQ(code, 1u);
}

}  // namespace
