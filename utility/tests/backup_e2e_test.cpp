// Backup as a person runs it under Wine: copies, attribute words, the
// missing-file boxes, the notice, the error form, and the commands it
// enables.
#include "kelvane_fixture.h"

using namespace kelvane_test;

namespace {

const char kBackupHeading[] = "The checked configuration and system files have been backed up.";
const char kBackupExplanation[] =
    "To restore the backed up files press Restore button from this application. To restore from "
    "MS-DOS mode type "
    "RESTORE and press Enter.";

std::string MissingText(const char* name) {
  return std::string(name) + " not found.\nFile not backed up.\nSelection will be unchecked.";
}

}  // namespace

TEST_F(KelvaneTest, BackupWithoutFolderCreatesItAndEnablesRestore) {
  ASSERT_TRUE(StartMain());
  ASSERT_FALSE(ButtonEnabled("&Restore"));
  // Enter presses the default button, Backup.
  ASSERT_TRUE(uidriver::PressKey(main_, VK_RETURN));
  ExpectNoticeAndClose("Backup Message", kBackupHeading, kBackupExplanation);
  for (int row = 0; row < 4; ++row)
    EXPECT_EQ(ReadText(BackupDir() + "\\" + kFileNames[row]),
              std::string("live ") + kFileNames[row]);
  for (int row = 4; row < 8; ++row)
    EXPECT_FALSE(Exists(BackupDir() + "\\" + kFileNames[row])) << kFileNames[row];
  EXPECT_FALSE(Exists(UndoDir()));  // Backup never makes the undo folder
  EXPECT_TRUE(uidriver::WaitUntil([&] { return ButtonEnabled("&Restore"); }));
  EXPECT_EQ(uidriver::MenuItemEnabled(main_, "Execute|Restore"), 1);
  EXPECT_EQ(uidriver::MenuItemEnabled(main_, "Execute|Undo Restore"), 0);  // keeps its state
  // The folder is plain, the copies plain archive files.
  EXPECT_EQ(Attributes(BackupDir()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), 0u);
  EXPECT_EQ(Attributes(BackupDir() + "\\AUTOEXEC.BAT"), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
}

TEST_F(KelvaneTest, BackupOfMissingFilesShowsOneBoxEachAndDisablesCommands) {
  for (int row = 0; row < 4; ++row) RemoveFile(LivePath(kFileNames[row]));
  ASSERT_TRUE(StartMain());
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Execute|Backup"));
  for (int row = 0; row < 4; ++row) {
    ExpectBoxAndAnswer("File Not Found", MissingText(kFileNames[row]), {"OK"}, "OK");
    EXPECT_TRUE(uidriver::WaitUntil([&] { return Ticked(row) == 0; })) << kFileNames[row];
  }
  // The last cleared box switched the selection commands off; no notice.
  EXPECT_TRUE(uidriver::WaitUntil([&] { return !ButtonEnabled("&Backup"); }));
  EXPECT_FALSE(ButtonEnabled("&Restore"));
  EXPECT_EQ(uidriver::MenuItemEnabled(main_, "Execute|Backup"), 0);
  EXPECT_EQ(uidriver::MenuItemEnabled(main_, "Execute|Restore"), 0);
  EXPECT_EQ(uidriver::MenuItemEnabled(main_, "Execute|Undo Restore"), 0);
  EXPECT_EQ(WaitWindow("Backup Message", 500), nullptr);
  EXPECT_EQ(WaitWindow("File Not Found", 300), nullptr);  // exactly four boxes
  EXPECT_TRUE(program_.Running());
}

TEST_F(KelvaneTest, IoSysIsUnlockedForItsCopyAndLockedAgain) {
  RemoveFile(LivePath("WIN.COM"));
  ASSERT_TRUE(StartMain());
  ClickButton("&Deselect All");
  ClickBox(5);  // IO.SYS
  ClickBox(7);  // WIN.COM, missing: its box shows IO.SYS mid-operation
  ClickButton("&Backup");
  HWND box = uidriver::WaitTopWindow(program_.Id(), "File Not Found", "#32770");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(Attributes(LivePath("IO.SYS")),
            static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));  // 32 during
  ExpectBoxAndAnswer("File Not Found", MissingText("WIN.COM"), {"OK"}, "OK");
  ExpectNoticeAndClose("Backup Message", kBackupHeading, kBackupExplanation);
  EXPECT_EQ(Attributes(LivePath("IO.SYS")), 39u);     // 39 after
  EXPECT_EQ(Attributes(LivePath("MSDOS.SYS")), 39u);  // relocked though not ticked
  const std::string copy = BackupDir() + "\\IO.SYS";
  EXPECT_EQ(ReadText(copy), "live IO.SYS");
  EXPECT_EQ(Attributes(copy), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));  // plain: found later
  EXPECT_EQ(Ticked(7), 0);
  EXPECT_EQ(Ticked(5), 1);
}

TEST_F(KelvaneTest, SecondBackupReplacesOnlyTickedCopies) {
  ASSERT_TRUE(StartMain());
  ClickButton("&Backup");
  ExpectNoticeAndClose("Backup Message", kBackupHeading, kBackupExplanation);
  for (int row = 0; row < 4; ++row)
    WriteText(LivePath(kFileNames[row]), std::string("new ") + kFileNames[row]);
  ClickBox(1);  // CONFIG.SYS off
  ClickBox(3);  // WIN.INI off
  ClickButton("&Backup");
  ExpectNoticeAndClose("Backup Message", kBackupHeading, kBackupExplanation);
  EXPECT_EQ(ReadText(BackupDir() + "\\AUTOEXEC.BAT"), "new AUTOEXEC.BAT");
  EXPECT_EQ(ReadText(BackupDir() + "\\CONFIG.SYS"), "live CONFIG.SYS");
  EXPECT_EQ(ReadText(BackupDir() + "\\SYSTEM.INI"), "new SYSTEM.INI");
  EXPECT_EQ(ReadText(BackupDir() + "\\WIN.INI"), "live WIN.INI");
}

TEST_F(KelvaneTest, NoticeClosesWithEnterEscAndOkAndIsReused) {
  ASSERT_TRUE(StartMain());
  const UINT keys[] = {VK_RETURN, VK_ESCAPE};
  for (UINT key : keys) {
    ClickButton("&Backup");
    HWND notice = WaitWindow("Backup Message");
    ASSERT_NE(notice, nullptr);
    ASSERT_TRUE(uidriver::PressKey(notice, key));
    ASSERT_TRUE(uidriver::WaitWindowGone(program_.Id(), "Backup Message"));
  }
  ClickButton("&Backup");
  HWND notice = WaitWindow("Backup Message");
  ASSERT_NE(notice, nullptr);
  // The same window each time: hidden, never destroyed.
  ASSERT_TRUE(uidriver::Click(uidriver::ControlByText(notice, "OK")));
  ASSERT_TRUE(uidriver::WaitWindowGone(program_.Id(), "Backup Message"));
  EXPECT_TRUE(IsWindow(notice));
  ClickButton("&Backup");
  EXPECT_EQ(WaitWindow("Backup Message"), notice);
}

TEST_F(KelvaneTest, FailedCopyShowsTheErrorFormAndStops) {
  const char* const old[] = {"AUTOEXEC.BAT", "SYSTEM.INI", "WIN.INI", "WIN.COM"};
  MakeCopies(BackupDir(), old, 4, "old");
  ASSERT_TRUE(StartMain());
  ASSERT_TRUE(ButtonEnabled("&Restore"));
  ClickBox(5);  // IO.SYS and WIN.COM come after the failing row
  ClickBox(7);
  // Another program holds the copy of SYSTEM.INI open without sharing.
  HANDLE held = CreateFileA((BackupDir() + "\\SYSTEM.INI").c_str(), GENERIC_READ, 0, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  ClickButton("&Backup");
  HWND error = WaitWindow("Configuration Haventide Error");
  ASSERT_NE(error, nullptr);
  for (const char* text :
       {"The program encountered a system error and was unable to complete your request.",
        "Check for disk errors and/or the following possible problems:",
        "System Date/Time mismatch", "Configuration file opened in an editor.",
        "Would you like to run ScanDisk to check for disk errors and integrity?", "Run &ScanDisk",
        "E&xit Configuration Haventide", "&Cancel"})
    EXPECT_NE(uidriver::ControlByText(error, text), nullptr) << text;
  // The exit button holds its caption whole in the dialog font, and Cancel
  // stands beside it, inside the form.
  SavePicture(error, "error-form.bmp");
  HWND exitButton = uidriver::ControlByText(error, "E&xit Configuration Haventide");
  HWND cancel = uidriver::ControlByText(error, "&Cancel");
  RECT exitRect, cancelRect, form;
  ASSERT_TRUE(GetWindowRect(exitButton, &exitRect) && GetWindowRect(cancel, &cancelRect) &&
              GetClientRect(error, &form));
  HDC screen = GetDC(nullptr);
  HFONT font =
      CreateFontA(-MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE,
                  FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
  HGDIOBJ previous = SelectObject(screen, font);
  SIZE caption = {};
  GetTextExtentPoint32A(screen, "Exit Configuration Haventide", 28, &caption);
  SelectObject(screen, previous);
  DeleteObject(font);
  ReleaseDC(nullptr, screen);
  EXPECT_GE(exitRect.right - exitRect.left, caption.cx);
  EXPECT_GE(cancelRect.left, exitRect.right);
  POINT cancelRight = {cancelRect.right, cancelRect.bottom};
  ScreenToClient(error, &cancelRight);
  EXPECT_LE(cancelRight.x, form.right);
  EXPECT_EQ(Attributes(LivePath("IO.SYS")), 39u);
  CloseHandle(held);
  ASSERT_TRUE(uidriver::PressKey(error, VK_ESCAPE));  // Cancel
  ASSERT_TRUE(uidriver::WaitWindowGone(program_.Id(), "Configuration Haventide Error"));
  // Rows before the failure were copied; the failing row and the rows
  // after it were not touched.
  EXPECT_EQ(ReadText(BackupDir() + "\\AUTOEXEC.BAT"), "live AUTOEXEC.BAT");
  EXPECT_EQ(ReadText(BackupDir() + "\\CONFIG.SYS"), "live CONFIG.SYS");
  EXPECT_EQ(ReadText(BackupDir() + "\\SYSTEM.INI"), "old SYSTEM.INI");
  EXPECT_EQ(ReadText(BackupDir() + "\\WIN.INI"), "old WIN.INI");
  EXPECT_FALSE(Exists(BackupDir() + "\\IO.SYS"));
  EXPECT_EQ(ReadText(BackupDir() + "\\WIN.COM"), "old WIN.COM");
  EXPECT_EQ(WaitWindow("Backup Message", 500), nullptr);
  EXPECT_TRUE(ButtonEnabled("&Restore"));
  EXPECT_TRUE(program_.Running());
}
