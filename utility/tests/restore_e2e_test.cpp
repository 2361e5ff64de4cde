// Restore as a person runs it under Wine: the refusals, the undo folder as
// a single generation, the missing-file boxes, the system-file lock, a live
// file held open by another program, and the commands it enables.
#include "kelvane_fixture.h"
#include "kelvane_texts.h"
#include "started_programs.h"

using namespace kelvane_test;

namespace {

std::string Copy(const std::string& folder, const char* name) { return folder + "\\" + name; }

}  // namespace

TEST_F(KelvaneTest, RestoreRefusesWithoutBackupFolderOrCopies) {
  ASSERT_TRUE(StartMain());
  EXPECT_EQ(SelectionCommands(), "11000");
  ClickBox(4);  // ticking any box enables Restore, whatever is on disk
  EXPECT_EQ(SelectionCommands(), "11111");
  ClickButton("&Restore");
  ExpectNoticeAndClose("No Backup Folder", "The backup folder does not exist.", kMakeBackupFirst);
  EXPECT_FALSE(Exists(BackupDir()));

  // A folder without any of the eight copies.
  CreateDirectoryA(BackupDir().c_str(), nullptr);
  WriteText(Copy(BackupDir(), "OTHER.TXT"), "other");
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Execute|Restore"));
  ExpectNoticeAndClose("Backup Not Found", "The backup folder contains no backup files.",
                       kMakeBackupFirst);
  EXPECT_FALSE(Exists(UndoDir()));
  for (int row = 0; row < 8; ++row)
    EXPECT_EQ(ReadText(LivePath(kFileNames[row])), std::string("live ") + kFileNames[row]);
  EXPECT_EQ(BoxValues(), "11111000");
  EXPECT_EQ(SelectionCommands(), "11111");
  EXPECT_EQ(uidriver::FindTopWindow(program_.Id(), "File Not Found"), nullptr);
}

TEST_F(KelvaneTest, RestoreSavesLiveFilesAndLocksIoSysAgain) {
  const char* const copies[] = {"AUTOEXEC.BAT", "SYSTEM.INI", "WIN.INI", "IO.SYS"};
  MakeCopies(BackupDir(), copies, 4, "bak");
  // A hidden folder and a hidden, system copy count as missing at startup;
  // the operation makes them plain first.
  SetAttributes(Copy(BackupDir(), "IO.SYS"), 39);
  SetAttributes(BackupDir(), FILE_ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(StartMain());
  EXPECT_EQ(SelectionCommands(), "11000");
  ClickBox(5);  // IO.SYS
  ClickBox(7);  // WIN.COM has no copy: its box shows IO.SYS after its restore
  ClickButton("&Restore");

  ExpectBoxAndAnswer("File Not Found", RestoreMissingText("CONFIG.SYS"), {"OK"}, "OK");
  EXPECT_TRUE(uidriver::WaitUntil([&] { return Ticked(1) == 0; }));
  ExpectIoSysUnlockedDuringBox("bak IO.SYS");  // 32 during
  ExpectBoxAndAnswer("File Not Found", RestoreMissingText("WIN.COM"), {"OK"}, "OK");
  ExpectNoticeAndClose("Restore Message", kRestoreHeading, kRestoreExplanation);

  EXPECT_EQ(BoxValues(), "10110100");
  for (const char* name : copies) {
    EXPECT_EQ(ReadText(LivePath(name)), std::string("bak ") + name);
    EXPECT_EQ(ReadText(Copy(UndoDir(), name)), std::string("live ") + name);
    EXPECT_EQ(ReadText(Copy(BackupDir(), name)), std::string("bak ") + name);
  }
  // Files whose copy is missing are neither saved nor changed.
  EXPECT_EQ(ReadText(LivePath("CONFIG.SYS")), "live CONFIG.SYS");
  EXPECT_EQ(ReadText(LivePath("WIN.COM")), "live WIN.COM");
  EXPECT_FALSE(Exists(Copy(UndoDir(), "CONFIG.SYS")));
  EXPECT_FALSE(Exists(Copy(UndoDir(), "WIN.COM")));
  EXPECT_EQ(Attributes(LivePath("IO.SYS")), 39u);     // 39 after
  EXPECT_EQ(Attributes(LivePath("MSDOS.SYS")), 39u);  // relocked though not ticked
  EXPECT_EQ(Attributes(Copy(UndoDir(), "IO.SYS")),
            static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));  // plain
  EXPECT_EQ(Attributes(UndoDir()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), 0u);
  EXPECT_EQ(Attributes(BackupDir()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), 0u);
  EXPECT_EQ(SelectionCommands(), "11111");
}

TEST_F(KelvaneTest, RestoreTwiceKeepsTheFirstRunsVersionsForUndo) {
  MakeCopies(BackupDir(), kFileNames, 4, "bak");
  ASSERT_TRUE(StartMain());
  EXPECT_EQ(SelectionCommands(), "11110");  // no undo folder yet
  ClickButton("&Restore");
  ExpectNoticeAndClose("Restore Message", kRestoreHeading, kRestoreExplanation);
  // The undo folder did not exist at startup; the notice enables Undo.
  EXPECT_TRUE(uidriver::WaitUntil([&] { return SelectionCommands() == "11111"; }))
      << SelectionCommands();
  for (int row = 0; row < 4; ++row)
    EXPECT_EQ(ReadText(Copy(UndoDir(), kFileNames[row])), std::string("live ") + kFileNames[row]);

  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Execute|Restore"));
  ExpectNoticeAndClose("Restore Message", kRestoreHeading, kRestoreExplanation);
  // One generation: the second run saved what the first one wrote.
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ(ReadText(Copy(UndoDir(), kFileNames[row])), std::string("bak ") + kFileNames[row]);
    EXPECT_EQ(ReadText(LivePath(kFileNames[row])), std::string("bak ") + kFileNames[row]);
  }
}

TEST_F(KelvaneTest, RestoreOfMissingLiveFileKeepsTheOlderUndoCopy) {
  const char* const copies[] = {"AUTOEXEC.BAT", "CONFIG.SYS"};
  MakeCopies(BackupDir(), copies, 2, "bak");
  MakeCopies(UndoDir(), copies, 1, "older");
  RemoveFile(LivePath("AUTOEXEC.BAT"));
  ASSERT_TRUE(StartMain());
  EXPECT_EQ(SelectionCommands(), "11111");
  ClickBox(2);
  ClickBox(3);
  ClickButton("&Restore");
  ExpectNoticeAndClose("Restore Message", kRestoreHeading, kRestoreExplanation);
  EXPECT_EQ(ReadText(LivePath("AUTOEXEC.BAT")), "bak AUTOEXEC.BAT");
  EXPECT_EQ(ReadText(Copy(UndoDir(), "AUTOEXEC.BAT")),
            "older AUTOEXEC.BAT");  // no live file, no new copy
  EXPECT_EQ(ReadText(Copy(UndoDir(), "CONFIG.SYS")), "live CONFIG.SYS");

  // Undo puts back the older copy.
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Execute|Undo Restore"));
  ExpectBoxAndAnswer("Undo Restore Query", kUndoQuery, {kYes, kNo}, kYes);
  ExpectNoticeAndClose("Undo Restore Message", kUndoHeading, kUndoExplanation);
  EXPECT_EQ(ReadText(LivePath("AUTOEXEC.BAT")), "older AUTOEXEC.BAT");
  EXPECT_EQ(ReadText(LivePath("CONFIG.SYS")), "live CONFIG.SYS");
  EXPECT_EQ(ReadText(Copy(UndoDir(), "AUTOEXEC.BAT")), "older AUTOEXEC.BAT");  // undo copies stay
}

TEST_F(KelvaneTest, RestoreWithEveryTickedCopyMissingEndsWithoutNotice) {
  const char* const copies[] = {"WIN.COM"};
  MakeCopies(BackupDir(), copies, 1, "bak");
  ASSERT_TRUE(StartMain());
  EXPECT_EQ(SelectionCommands(), "11110");
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Execute|Restore"));
  ExpectDefaultRowsMissing(RestoreMissingText, "Restore Message");
  EXPECT_TRUE(Exists(UndoDir()));  // made before the rows were looked at
  EXPECT_FALSE(Exists(Copy(UndoDir(), "AUTOEXEC.BAT")));
  EXPECT_EQ(SelectionCommands(), "00000");  // nothing re-enabled at the end
}

// A live file that another program holds open: reading it for the undo copy
// works while writing it fails (shared for reading), or even reading fails
// (not shared). Each failure leads to the error form, whose three buttons
// are tried in turn.
TEST_F(KelvaneTest, RestoreOfLiveFileHeldOpenTakesTheErrorForm) {
  MakeCopies(BackupDir(), kFileNames, 4, "bak");
  ASSERT_TRUE(StartMain());
  ASSERT_EQ(SelectionCommands(), "11110");  // no undo folder yet
  HANDLE held = CreateFileA(LivePath("SYSTEM.INI").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  ClickButton("&Restore");
  HWND error = WaitWindow("Configuration Haventide Error");
  ASSERT_NE(error, nullptr);
  CloseHandle(held);
  // The undo copy was refreshed before the restore itself failed.
  EXPECT_EQ(ReadText(Copy(UndoDir(), "SYSTEM.INI")), "live SYSTEM.INI");
  EXPECT_EQ(ReadText(LivePath("SYSTEM.INI")), "live SYSTEM.INI");
  EXPECT_EQ(ReadText(LivePath("AUTOEXEC.BAT")), "bak AUTOEXEC.BAT");
  EXPECT_EQ(ReadText(LivePath("WIN.INI")), "live WIN.INI");  // later rows untouched
  EXPECT_FALSE(Exists(Copy(UndoDir(), "WIN.INI")));
  // Run ScanDisk: there is none in the Windows folder; then the form hides.
  ClickButtonOf(error, "Run &ScanDisk");
  ExpectBoxAndAnswer("File Not Found", kScanDiskMissing, {"OK"}, "OK");
  ASSERT_TRUE(uidriver::WaitWindowGone(program_.Id(), "Configuration Haventide Error"));
  EXPECT_EQ(WaitWindow("Restore Message", 300), nullptr);
  EXPECT_EQ(SelectionCommands(), "11110");  // Undo keeps its state

  // Not shared at all: the undo copy cannot be made and the live file is
  // left as it was. ScanDisk now exists only as a hidden system file.
  WriteText(LivePath("SYSTEM.INI"), "edited SYSTEM.INI");
  held = CreateFileA(LivePath("SYSTEM.INI").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                     nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  PlacedTool scanDisk(WindowsFolder() + "\\SCANDSKW.EXE",
                      FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  ASSERT_TRUE(scanDisk.Placed());
  ClickButton("&Restore");
  error = WaitWindow("Configuration Haventide Error");
  ASSERT_NE(error, nullptr);
  CloseHandle(held);
  EXPECT_EQ(ReadText(Copy(UndoDir(), "SYSTEM.INI")), "live SYSTEM.INI");
  EXPECT_EQ(ReadText(LivePath("SYSTEM.INI")), "edited SYSTEM.INI");
  ClickButtonOf(error, "Run &ScanDisk");
  StartedWindow tool = WaitStartedWindow("Fake tool|", "HaventideFakeTool", uidriver::kWait);
  ASSERT_NE(tool.hwnd, nullptr) << "ScanDisk did not start";
  EXPECT_EQ(tool.caption, "Fake tool|1|" + WindowsFolder() + "\\SCANDSKW.EXE");
  EXPECT_TRUE(EndProcessById(tool.pid));
  ASSERT_TRUE(uidriver::WaitWindowGone(program_.Id(), "Configuration Haventide Error"));

  // The third failure ends the program through the error form.
  held = CreateFileA(LivePath("SYSTEM.INI").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                     nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Execute|Restore"));
  error = WaitWindow("Configuration Haventide Error");
  CloseHandle(held);
  ASSERT_NE(error, nullptr);
  ClickButtonOf(error, "E&xit Configuration Haventide");
  DWORD code = 1;
  ASSERT_TRUE(program_.WaitExit(uidriver::kWait, &code));
  EXPECT_EQ(code, 0u);
}
