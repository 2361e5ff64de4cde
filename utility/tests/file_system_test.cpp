// The existence tests and attribute words against Wine's real file system.
#include <gtest/gtest.h>
#include <windows.h>

#include "boot_drive.h"
#include "runtime/file_system.h"

using namespace kelvane;
using namespace kelvane_test;

namespace {

class FileSystem : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveBackupFolder();
    CreateDirectoryA(BackupDir().c_str(), nullptr);
    file_ = BackupDir() + "\\PROBE.TXT";
    WriteText(file_, "probe");
  }
  void TearDown() override { RemoveBackupFolder(); }
  std::string file_;
};

}  // namespace

TEST_F(FileSystem, WinDirHasNoTrailingSeparator) {
  std::string dir = WinDir();
  ASSERT_FALSE(dir.empty());
  EXPECT_NE(dir.back(), '\\');
  EXPECT_EQ(dir, WindowsFolder());
}

TEST_F(FileSystem, PredicatesFollowTheAttributes) {
  EXPECT_TRUE(ExistsAny(file_));
  EXPECT_TRUE(ExistsPlain(file_));
  ASSERT_TRUE(SetAttributeWord(file_, 39));
  EXPECT_EQ(Attributes(file_), 39u);
  EXPECT_TRUE(ExistsAny(file_));
  EXPECT_FALSE(ExistsPlain(file_));
  ASSERT_TRUE(SetAttributeWord(file_, 34));  // hidden only
  EXPECT_FALSE(ExistsPlain(file_));
  ASSERT_TRUE(SetAttributeWord(file_, 32));
  EXPECT_TRUE(ExistsPlain(file_));
  EXPECT_FALSE(ExistsAny(BackupDir() + "\\NOSUCH.TXT"));
}

TEST_F(FileSystem, FoldersAndFilesDoNotStandForEachOther) {
  EXPECT_TRUE(FolderExists(BackupDir()));
  EXPECT_TRUE(FolderExistsAny(BackupDir()));
  EXPECT_FALSE(ExistsAny(BackupDir()));
  EXPECT_FALSE(ExistsPlain(BackupDir()));
  EXPECT_FALSE(FolderExists(file_));
  EXPECT_FALSE(FolderExistsAny(file_));
  ASSERT_TRUE(SetAttributeWord(BackupDir(), 2));  // hidden folder
  EXPECT_FALSE(FolderExists(BackupDir()));
  EXPECT_TRUE(FolderExistsAny(BackupDir()));
  ASSERT_TRUE(SetAttributeWord(BackupDir(), 0));
  EXPECT_TRUE(FolderExists(BackupDir()));
}

TEST_F(FileSystem, CopyOverReplacesAndReportsFailure) {
  const std::string target = BackupDir() + "\\COPY.TXT";
  WriteText(target, "old");
  ASSERT_TRUE(CopyOver(file_, target));
  EXPECT_EQ(ReadText(target), "probe");
  HANDLE held = CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  WriteText(file_, "newer");
  EXPECT_FALSE(CopyOver(file_, target));
  CloseHandle(held);
  EXPECT_EQ(ReadText(target), "probe");
  EXPECT_FALSE(CopyOver(BackupDir() + "\\NOSUCH.TXT", target));
}
