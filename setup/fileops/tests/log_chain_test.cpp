#include "fileops/log_chain.h"

#include <gtest/gtest.h>

#include <string>

using namespace log_chain;

TEST(BackupNameTest, BakThen000To999) {
  char out[kPathCapacity];
  ASSERT_TRUE(BackupName("C:\\KELVANE\\filog.ini", 0, out));
  EXPECT_STREQ(out, "C:\\KELVANE\\filog.bak");
  ASSERT_TRUE(BackupName("C:\\KELVANE\\filog.ini", 1, out));
  EXPECT_STREQ(out, "C:\\KELVANE\\filog.000");
  ASSERT_TRUE(BackupName("C:\\KELVANE\\filog.ini", 1000, out));
  EXPECT_STREQ(out, "C:\\KELVANE\\filog.999");
  EXPECT_FALSE(BackupName("C:\\KELVANE\\filog.ini", 1001, out));
  EXPECT_FALSE(BackupName("C:\\KELVANE\\filog.ini", -1, out));
}

TEST(BackupNameTest, ADotInTheFolderIsNotTheExtension) {
  char out[kPathCapacity];
  ASSERT_TRUE(BackupName("C:\\A.B\\filog", 0, out));
  EXPECT_STREQ(out, "C:\\A.B\\filog.bak");
}

TEST(BackupNameTest, ANameThatWouldNotFitIsRefused) {
  char out[kPathCapacity];
  const std::string fits = std::string(255, 'a') + ".ini";   // 259 characters
  ASSERT_TRUE(BackupName(fits.c_str(), 0, out));
  EXPECT_EQ(std::string(out), std::string(255, 'a') + ".bak");
  const std::string too_long = std::string(256, 'a');  // 256 + ".bak" = 260
  EXPECT_FALSE(BackupName(too_long.c_str(), 0, out));
}

TEST(ChainNameTest, IsTheNameNulPaddedTo12) {
  char name[12];
  ASSERT_TRUE(ChainName("C:\\KELVANE\\filog.bak", name));
  EXPECT_EQ(std::string(name, 12), std::string("filog.bak\0\0\0", 12));
  ASSERT_TRUE(ChainName("C:\\K\\ABCDEFGH.000", name));
  EXPECT_EQ(std::string(name, 12), "ABCDEFGH.000");
}

TEST(ChainNameTest, ANameLongerThan12IsRefused) {
  char name[12];
  EXPECT_FALSE(ChainName("C:\\K\\ABCDEFGHI.000", name));
  EXPECT_FALSE(ChainName("C:\\K\\", name));
}

TEST(ShouldStartUninstallerTest, NeedsVersion2AndARecord) {
  EXPECT_TRUE(ShouldStartUninstaller(true, 0x20000, LogContent::HasRecords));
  EXPECT_TRUE(ShouldStartUninstaller(true, 0x30005, LogContent::HasRecords));
  EXPECT_FALSE(ShouldStartUninstaller(true, 0x1FFFF, LogContent::HasRecords));
  EXPECT_FALSE(ShouldStartUninstaller(false, 0x20000, LogContent::HasRecords));
  EXPECT_FALSE(ShouldStartUninstaller(true, 0x20000, LogContent::Empty));
  EXPECT_FALSE(ShouldStartUninstaller(true, 0x20000, LogContent::Damaged));
}

TEST(UninstallCommandTest, JoinsWithOneSpaceAndRefusesWhatDoesNotFit) {
  char out[16];
  ASSERT_TRUE(UninstallCommand("C:\\W\\V.exe", "C:\\f", out, sizeof out));
  EXPECT_STREQ(out, "C:\\W\\V.exe C:\\f");
  EXPECT_FALSE(UninstallCommand("C:\\W\\V.exe", "C:\\fi", out, sizeof out));
  EXPECT_STREQ(out, "");
}
