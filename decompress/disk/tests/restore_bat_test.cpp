// Restore.bat run by the platform's cmd on a made-up Windows folder and
// boot drive: copies come back, IO.SYS and MSDOS.SYS get their attributes
// back, missing copies are named, and the batch says what it did.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "file_bytes.h"
#include "test_folder.h"

namespace {

const char* const kFiles[] = {"AUTOEXEC.BAT", "CONFIG.SYS", "SYSTEM.INI", "WIN.INI",
                              "COMMAND.COM",  "IO.SYS",     "MSDOS.SYS",  "WIN.COM"};
// Rows that live in the Windows folder; the others in the boot drive's root.
bool InWindows(const std::string& n) {
  return n == "SYSTEM.INI" || n == "WIN.INI" || n == "WIN.COM";
}
bool IsSystem(const std::string& n) { return n == "IO.SYS" || n == "MSDOS.SYS"; }

void WriteText(const std::string& path, const std::string& s) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr) << path;
  std::fwrite(s.data(), 1, s.size(), f);
  std::fclose(f);
}

class RestoreBat : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = MakeTestFolder("hvt_restore_");
    ASSERT_FALSE(root_.empty());
    ASSERT_EQ(root_.find(' '), std::string::npos) << "the batch takes plain folder names";
    win_ = root_ + "\\WIN";
    boot_ = root_ + "\\BOOT";
    backup_ = win_ + "\\BACKUP.HVT";
    ASSERT_TRUE(CreateDirectoryA(win_.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(boot_.c_str(), nullptr));
    for (const char* n : kFiles) {
      WriteText(Live(n), std::string("live ") + n + "\r\n");
      if (IsSystem(n))
        SetFileAttributesA(Live(n).c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                                FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
    }
  }
  void TearDown() override { RemoveTree(root_); }
  std::string Live(const std::string& n) const { return (InWindows(n) ? win_ : boot_) + "\\" + n; }

  // Runs the batch with cmd and answers what it printed.
  std::string Run() {
    std::string bat = std::string("Z:") + HVT_RESTORE_BAT;
    for (char& c : bat)
      if (c == '/') c = '\\';
    const std::string out = root_ + "\\out.txt";
    std::string cmd = "cmd.exe /c \"" + bat + "\" " + win_ + " " + boot_ + " > " + out;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
      ADD_FAILURE() << "cannot start cmd";
      return {};
    }
    const DWORD waited = WaitForSingleObject(pi.hProcess, 60000);
    if (waited != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    EXPECT_EQ(waited, WAIT_OBJECT_0);
    return ReadFileBytes(out);
  }

  std::string root_, win_, boot_, backup_;
};

TEST_F(RestoreBat, PutsTheCopiesBackAndSaysSo) {
  ASSERT_TRUE(CreateDirectoryA(backup_.c_str(), nullptr));
  for (const char* n : kFiles)
    if (std::string(n) != "WIN.COM")
      WriteText(backup_ + "\\" + n, std::string("copy of ") + n + "\r\n");

  const std::string said = Run();
  for (const char* n : kFiles) {
    if (std::string(n) == "WIN.COM") {
      EXPECT_EQ(ReadFileBytes(Live(n)), "live WIN.COM\r\n");
      EXPECT_NE(said.find("WIN.COM not found in backup."), std::string::npos) << said;
      continue;
    }
    EXPECT_EQ(ReadFileBytes(Live(n)), std::string("copy of ") + n + "\r\n") << n;
    EXPECT_NE(said.find(std::string(n) + " restored to " + Live(n)), std::string::npos) << said;
  }
  for (const char* n : {"IO.SYS", "MSDOS.SYS"}) {
    const DWORD a = GetFileAttributesA(Live(n).c_str());
    ASSERT_NE(a, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(a & FILE_ATTRIBUTE_HIDDEN) << n;
    EXPECT_TRUE(a & FILE_ATTRIBUTE_SYSTEM) << n;
    EXPECT_TRUE(a & FILE_ATTRIBUTE_READONLY) << n;
  }
  EXPECT_NE(said.find("Restore complete."), std::string::npos) << said;
}

TEST_F(RestoreBat, WithoutABackupFolderNothingChanges) {
  const std::string said = Run();
  EXPECT_NE(said.find("was not found"), std::string::npos) << said;
  EXPECT_NE(said.find("Nothing was restored."), std::string::npos) << said;
  for (const char* n : kFiles) EXPECT_EQ(ReadFileBytes(Live(n)), std::string("live ") + n + "\r\n");
}

}  // namespace
