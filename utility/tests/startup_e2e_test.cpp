// kelvane.exe started under Wine: the main window as a person sees it, the
// enabled state of the commands worked out from the two folders, the
// second instance.
#include "kelvane_fixture.h"

using namespace kelvane_test;

namespace {

const char kMenuTree[] =
    "&File\n"
    " Restart &PC\n"
    " -\n"
    " E&xit\tF4\n"
    "&Editors\n"
    " &Notepad\n"
    " &System Configuration Editor\n"
    " &Registry Editor\n"
    "&Options\n"
    " Select &All\n"
    " &Deselect All\n"
    " -\n"
    " &Select Default\n"
    "Exe&cute\n"
    " &Backup\n"
    " &Restore\n"
    " -\n"
    " U&ndo Restore\n"
    "&Help\n"
    " &Contents\tF1\n"
    " &Quillmere Web Site\n"
    " -\n"
    " &About...\n";

}  // namespace

TEST_F(KelvaneTest, MainWindowWithoutBackupFolder) {
  ASSERT_TRUE(StartMain());

  RECT client;
  GetClientRect(main_, &client);
  EXPECT_EQ(client.right, 274);   // 4110 twips
  EXPECT_EQ(client.bottom, 291);  // 4365 twips

  // Buttons: caption, pixel position and size, in tab order first.
  struct Expected {
    const char* caption;
    int left, top;
  };
  const Expected buttons[] = {{"&Backup", 184, 128},       {"&Restore", 184, 168},
                              {"Restart &PC", 184, 208},   {"E&xit", 184, 248},
                              {"Select &All", 184, 8},     {"&Deselect All", 184, 48},
                              {"&Select Default", 184, 88}};
  std::vector<int> expectedTabOrder;
  for (const Expected& b : buttons) {
    HWND h = Button(b.caption);
    ASSERT_NE(h, nullptr) << b.caption;
    RECT r;
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, b.left) << b.caption;
    EXPECT_EQ(r.top, b.top) << b.caption;
    EXPECT_EQ(r.right - r.left, 81) << b.caption;
    EXPECT_EQ(r.bottom - r.top, 33) << b.caption;
    expectedTabOrder.push_back(GetDlgCtrlID(h));
  }
  const int boxTops[] = {8, 32, 56, 80, 168, 192, 216, 240};
  for (int row = 0; row < 8; ++row) {
    HWND h = Box(row);
    ASSERT_NE(h, nullptr) << kFileNames[row];
    RECT r;
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 24) << kFileNames[row];
    EXPECT_EQ(r.top, boxTops[row]) << kFileNames[row];
    EXPECT_EQ(Ticked(row), row < 4 ? 1 : 0) << kFileNames[row];
    expectedTabOrder.push_back(GetDlgCtrlID(h));
  }
  EXPECT_EQ(uidriver::TabOrder(main_), expectedTabOrder);

  // No backup folder: Restore and Undo Restore are off, Backup is on.
  EXPECT_TRUE(ButtonEnabled("&Backup"));
  EXPECT_FALSE(ButtonEnabled("&Restore"));
  EXPECT_TRUE(ButtonEnabled("Select &All"));
  EXPECT_EQ(uidriver::MenuItemEnabled(main_, "Execute|Backup"), 1);
  EXPECT_EQ(uidriver::MenuItemEnabled(main_, "Execute|Restore"), 0);
  EXPECT_EQ(uidriver::MenuItemEnabled(main_, "Execute|Undo Restore"), 0);
  std::string tree = uidriver::MenuTree(main_);
  std::string expectedTree = kMenuTree;
  expectedTree.replace(expectedTree.find(" &Restore\n"), 10, " &Restore [greyed]\n");
  expectedTree.replace(expectedTree.find(" U&ndo Restore\n"), 15, " U&ndo Restore [greyed]\n");
  EXPECT_EQ(tree, expectedTree);

  std::string tips = uidriver::Tooltips(main_);
  for (const char* tip : {"Select all files", "Deselect all files", "Back up the selected files",
                          "Restore the selected files from backup", "Restart the computer",
                          "Exit Configuration Haventide", "Select or deselect AUTOEXEC.BAT",
                          "Select or deselect WIN.COM"})
    EXPECT_NE(tips.find(std::string("\t") + tip + "\n"), std::string::npos) << tip << " in\n"
                                                                            << tips;
}

TEST_F(KelvaneTest, HiddenBackupFolderCountsAsMissing) {
  const char* const names[] = {"WIN.INI"};
  MakeCopies(BackupDir(), names, 1, "old");
  SetAttributes(BackupDir(), FILE_ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(StartMain());
  EXPECT_FALSE(ButtonEnabled("&Restore"));
  EXPECT_EQ(uidriver::MenuItemEnabled(main_, "Execute|Restore"), 0);
  EXPECT_EQ(uidriver::MenuItemEnabled(main_, "Execute|Undo Restore"), 0);
}

TEST_F(KelvaneTest, OneBackupCopyIsEnoughForRestore) {
  const char* const names[] = {"WIN.COM"};
  MakeCopies(BackupDir(), names, 1, "old");
  ASSERT_TRUE(StartMain());
  EXPECT_TRUE(ButtonEnabled("&Restore"));
  EXPECT_EQ(uidriver::MenuItemEnabled(main_, "Execute|Restore"), 1);
  EXPECT_EQ(uidriver::MenuItemEnabled(main_, "Execute|Undo Restore"), 0);  // no undo folder
}

TEST_F(KelvaneTest, HiddenBackupCopyCountsAsMissing) {
  const char* const names[] = {"CONFIG.SYS"};
  MakeCopies(BackupDir(), names, 1, "old");
  SetAttributes(BackupDir() + "\\CONFIG.SYS", FILE_ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(StartMain());
  EXPECT_FALSE(ButtonEnabled("&Restore"));
  EXPECT_EQ(uidriver::MenuItemEnabled(main_, "Execute|Restore"), 0);
}

TEST_F(KelvaneTest, EmptyUndoFolderDisablesOnlyUndo) {
  const char* const names[] = {"AUTOEXEC.BAT", "IO.SYS"};
  MakeCopies(BackupDir(), names, 2, "old");
  CreateDirectoryA(UndoDir().c_str(), nullptr);
  ASSERT_TRUE(StartMain());
  EXPECT_TRUE(ButtonEnabled("&Backup"));
  EXPECT_TRUE(ButtonEnabled("&Restore"));
  EXPECT_EQ(uidriver::MenuItemEnabled(main_, "Execute|Restore"), 1);
  EXPECT_EQ(uidriver::MenuItemEnabled(main_, "Execute|Undo Restore"), 0);
}

TEST_F(KelvaneTest, UndoCopiesEnableUndo) {
  const char* const names[] = {"SYSTEM.INI"};
  MakeCopies(BackupDir(), names, 1, "old");
  MakeCopies(UndoDir(), names, 1, "undo");
  ASSERT_TRUE(StartMain());
  EXPECT_EQ(uidriver::MenuItemEnabled(main_, "Execute|Undo Restore"), 1);
}

TEST_F(KelvaneTest, SecondInstanceIsRefusedAndEnds) {
  ASSERT_TRUE(StartMain());
  uidriver::Program second;
  ASSERT_TRUE(second.Start("\"" + ProgramPath() + "\""));
  HWND box = uidriver::WaitTopWindow(second.Id(), "Configuration Haventide", "#32770");
  ASSERT_NE(box, nullptr);
  uidriver::MessageBoxInfo info;
  ASSERT_TRUE(uidriver::ReadMessageBox(box, &info));
  EXPECT_EQ(info.text, "Configuration Haventide is already running.");
  EXPECT_EQ(info.buttons, std::vector<std::string>{"OK"});
  // The second copy never shows a main window of its own.
  EXPECT_EQ(uidriver::FindTopWindow(second.Id(), "Configuration Haventide", "HaventideForm"),
            nullptr);
  ASSERT_TRUE(uidriver::AnswerMessageBox(box, "OK"));
  DWORD code = 1;
  ASSERT_TRUE(second.WaitExit(uidriver::kWait, &code));
  EXPECT_EQ(code, 0u);
  EXPECT_TRUE(program_.Running());
  EXPECT_TRUE(IsWindowVisible(main_));
}

TEST_F(KelvaneTest, EscapeExitsThroughTheCancelButton) {
  ASSERT_TRUE(StartMain());
  ASSERT_TRUE(uidriver::PressKey(main_, VK_ESCAPE));
  DWORD code = 1;
  ASSERT_TRUE(program_.WaitExit(uidriver::kWait, &code));
  EXPECT_EQ(code, 0u);
}

TEST_F(KelvaneTest, CloseBoxExits) {
  ASSERT_TRUE(StartMain());
  uidriver::CloseWindow(main_);
  DWORD code = 1;
  ASSERT_TRUE(program_.WaitExit(uidriver::kWait, &code));
  EXPECT_EQ(code, 0u);
}
