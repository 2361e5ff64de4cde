// Undo Restore as a person runs it under Wine: the refusals before the
// question, the question whose default is No, the per-file boxes and the
// system-file lock.
#include "kelvane_fixture.h"
#include "kelvane_texts.h"

using namespace kelvane_test;

namespace {

std::string UndoCopy(const char* name) { return UndoDir() + "\\" + name; }

}  // namespace

TEST_F(KelvaneTest, UndoRefusesWithoutFoldersOrCopiesBeforeAsking) {
  ASSERT_TRUE(StartMain());
  EXPECT_EQ(SelectionCommands(), "11000");
  ClickBox(6);
  EXPECT_EQ(SelectionCommands(), "11111");
  // No backup folder.
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Execute|Undo Restore"));
  ExpectNoticeAndClose("No Undo Folder", "The undo folder does not exist.", kRestoreFirst);
  // A backup folder without an undo folder.
  const char* const copies[] = {"WIN.INI"};
  MakeCopies(BackupDir(), copies, 1, "bak");
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Execute|Undo Restore"));
  ExpectNoticeAndClose("No Undo Folder", "The undo folder does not exist.", kRestoreFirst);
  EXPECT_FALSE(Exists(UndoDir()));
  // An undo folder that holds none of the eight copies.
  CreateDirectoryA(UndoDir().c_str(), nullptr);
  WriteText(UndoCopy("OTHER.TXT"), "other");
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Execute|Undo Restore"));
  ExpectNoticeAndClose("Undo Restore Files Not Found",
                       "The undo folder contains no files to undo restore.", kRestoreFirst);
  EXPECT_EQ(uidriver::FindTopWindow(program_.Id(), "Undo Restore Query"), nullptr);
  EXPECT_EQ(BoxValues(), "11110010");
  EXPECT_EQ(SelectionCommands(), "11111");
}

TEST_F(KelvaneTest, UndoAsksWithNoAsDefaultThenPutsTheCopiesBack) {
  const char* const copies[] = {"AUTOEXEC.BAT", "CONFIG.SYS", "SYSTEM.INI", "WIN.INI", "IO.SYS"};
  MakeCopies(BackupDir(), copies, 1, "bak");
  MakeCopies(UndoDir(), copies, 5, "undo");
  SetAttributes(UndoDir(), FILE_ATTRIBUTE_HIDDEN);  // made plain by the operation
  SetAttributes(UndoCopy("IO.SYS"), 39);
  ASSERT_TRUE(StartMain());
  EXPECT_EQ(SelectionCommands(), "11110");  // a hidden undo folder counts as missing
  ClickBox(5);                              // IO.SYS
  ClickBox(7);                              // WIN.COM has no undo copy
  EXPECT_EQ(SelectionCommands(), "11111");

  // Enter answers No: nothing changes.
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Execute|Undo Restore"));
  ExpectBoxAndPressKey("Undo Restore Query", kUndoQuery, {kYes, kNo}, VK_RETURN);
  EXPECT_EQ(WaitWindow("Undo Restore Message", 500), nullptr);
  EXPECT_EQ(WaitWindow("File Not Found", 100), nullptr);
  for (const char* name : copies) EXPECT_EQ(ReadText(LivePath(name)), std::string("live ") + name);
  EXPECT_EQ(Attributes(UndoCopy("IO.SYS")),
            static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));  // normalised anyway

  // Yes.
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Execute|Undo Restore"));
  ExpectBoxAndAnswer("Undo Restore Query", kUndoQuery, {kYes, kNo}, kYes);
  ExpectIoSysUnlockedDuringBox("undo IO.SYS");  // 32 during
  ExpectBoxAndAnswer("File Not Found", UndoMissingText("WIN.COM"), {"OK"}, "OK");
  ExpectNoticeAndClose("Undo Restore Message", kUndoHeading, kUndoExplanation);
  for (const char* name : copies) {
    EXPECT_EQ(ReadText(LivePath(name)), std::string("undo ") + name);
    EXPECT_EQ(ReadText(UndoCopy(name)),
              std::string("undo ") + name);  // neither deleted nor changed
  }
  EXPECT_EQ(ReadText(LivePath("WIN.COM")), "live WIN.COM");
  EXPECT_EQ(Attributes(LivePath("IO.SYS")), 39u);
  EXPECT_EQ(Attributes(LivePath("MSDOS.SYS")), 39u);
  EXPECT_EQ(BoxValues(), "11110100");
  EXPECT_EQ(SelectionCommands(), "11111");

  // Again: the same copies once more.
  WriteText(LivePath("WIN.INI"), "edited WIN.INI");
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Execute|Undo Restore"));
  ExpectBoxAndAnswer("Undo Restore Query", kUndoQuery, {kYes, kNo}, kYes);
  ExpectNoticeAndClose("Undo Restore Message", kUndoHeading, kUndoExplanation);
  EXPECT_EQ(ReadText(LivePath("WIN.INI")), "undo WIN.INI");
}

TEST_F(KelvaneTest, UndoWithEveryTickedCopyMissingAsksFirstAndShowsNoNotice) {
  const char* const copies[] = {"WIN.COM"};
  MakeCopies(BackupDir(), copies, 1, "bak");
  MakeCopies(UndoDir(), copies, 1, "undo");
  ASSERT_TRUE(StartMain());
  EXPECT_EQ(SelectionCommands(), "11111");
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Execute|Undo Restore"));
  ExpectBoxAndAnswer("Undo Restore Query", kUndoQuery, {kYes, kNo}, kYes);
  ExpectDefaultRowsMissing(UndoMissingText, "Undo Restore Message");
  for (int row = 0; row < 8; ++row)
    EXPECT_EQ(ReadText(LivePath(kFileNames[row])), std::string("live ") + kFileNames[row]);
}
