#include "install_log/log_chain.h"

#include <gtest/gtest.h>

#include <string>

using namespace log_chain;

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
