// The engine's resource script as the engine finds it.
#include "base/message_text.h"
#include "resources/string_ids.h"
#include "ui/dialogs/dialog_object.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Message(unsigned id) {
  SetupString text;
  EXPECT_TRUE(LoadMessage(text, id));
  return text.Text();
}

TEST(EngineResources, TextsKeepTheirIdentifiers) {
  EXPECT_EQ(Message(1), "Usage:kiverset [install source dir]");
  EXPECT_EQ(Message(11), "Simply follow the instructions in the program!");
  EXPECT_EQ(Message(12), "Help");
  EXPECT_EQ(Message(61), "Congratulations!\n%s has been installed successfully");
  EXPECT_EQ(Message(76), "&OK");
  EXPECT_EQ(Message(77), "&Cancel");
  EXPECT_EQ(Message(78), "&Yes");
  EXPECT_EQ(Message(79), "&No");
  EXPECT_EQ(Message(80), "&Retry");
  EXPECT_EQ(Message(81), "Error");
  EXPECT_EQ(Message(82), "&Help");
  EXPECT_EQ(Message(104), "File %s not found");
  EXPECT_EQ(Message(122), "Unable to install font");
  EXPECT_EQ(Message(kStrSpaceQuestion),
            "%lu K free space required but you only have %lu K\n\nContinue anyway?");
}

TEST(EngineResources, NothingOutsideTheVocabulary) {
  EXPECT_EQ(Message(0), "");
  EXPECT_EQ(Message(133), "");
  // The combined restart's box has a text in the manner of its two siblings.
  EXPECT_EQ(Message(131),
            "%s has been installed successfully\nbut we need to restart\nWindows and DOS for the "
            "changes to take effect");
}

TEST(EngineResources, EveryTemplateIsThereWhateverTheCase) {
  const char* names[] = {"dlgmsgbox0", "DLGMSGBOX1", "DlgMsgBox2",
                         "dlgmsgbox3", "dlgmsgbox4", "dlgmsgdlg"};
  for (const char* name : names) EXPECT_NE(RunnerTemplateStyle(name), 0u) << name;
  const int numbers[] = {100, 800, 1000, 1600, 1700};
  for (int n : numbers) EXPECT_NE(RunnerTemplateStyle(MAKEINTRESOURCEA(n)), 0u) << n;
}

TEST(EngineResources, ButtonBitmapsAre63By39) {
  for (int id = 2001; id <= 2006; ++id) {
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    ASSERT_NE(bitmap, nullptr) << id;
    BITMAP info;
    GetObjectA(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 63);
    EXPECT_EQ(info.bmHeight, 39);
    DeleteObject(bitmap);
  }
  HBITMAP background = LoadBitmapA(GetModuleHandleA(nullptr), "bkbitmap");
  EXPECT_NE(background, nullptr);
  DeleteObject(background);
}

TEST(EngineResources, IconsByNameWhateverTheCase) {
  EXPECT_NE(LoadIconA(GetModuleHandleA(nullptr), "iconsetup"), nullptr);
  EXPECT_NE(LoadIconA(GetModuleHandleA(nullptr), "IconFInstall"), nullptr);
}

}  // namespace
