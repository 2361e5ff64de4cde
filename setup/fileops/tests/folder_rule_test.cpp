#include "fileops/shared_count.h"

#include <gtest/gtest.h>

namespace {

TEST(LiesInFolder, FolderMustEndAtABackslashOfThePath) {
  EXPECT_TRUE(LiesInFolder("C:\\WINDOWS\\SYSTEM32\\a.dll", "C:\\WINDOWS\\SYSTEM32"));
  EXPECT_TRUE(LiesInFolder("C:\\WINDOWS\\SYSTEM32\\sub\\a.dll", "C:\\WINDOWS\\SYSTEM32"));
  EXPECT_FALSE(LiesInFolder("C:\\WINDOWS\\SYSTEM32X\\a.dll", "C:\\WINDOWS\\SYSTEM32"));
  EXPECT_FALSE(LiesInFolder("C:\\WINDOWS\\a.dll", "C:\\WINDOWS\\SYSTEM32"));
}

TEST(LiesInFolder, TheFolderItselfLiesInIt) {
  EXPECT_TRUE(LiesInFolder("C:\\WINDOWS\\SYSTEM32", "C:\\WINDOWS\\SYSTEM32"));
}

TEST(LiesInFolder, IgnoresCaseOfLetters) {
  EXPECT_TRUE(LiesInFolder("c:\\windows\\system32\\A.DLL", "C:\\WINDOWS\\SYSTEM32"));
  EXPECT_TRUE(LiesInFolder("C:\\WINDOWS\\SYSTEM32\\a.dll", "c:\\windows\\system32"));
  EXPECT_FALSE(LiesInFolder("C:\\WINDOWS\\SYSTEM3_\\a.dll", "C:\\WINDOWS\\SYSTEM3\x7F"));
}

TEST(LiesInFolder, AFolderWithItsClosingBackslash) {
  EXPECT_TRUE(LiesInFolder("C:\\a.dll", "C:\\"));
  EXPECT_FALSE(LiesInFolder("D:\\a.dll", "C:\\"));
}

TEST(LiesInFolder, NothingLiesInAnEmptyFolder) {
  EXPECT_FALSE(LiesInFolder("C:\\a.dll", ""));
  EXPECT_FALSE(LiesInFolder("C:\\a.dll", nullptr));
  EXPECT_FALSE(LiesInFolder(nullptr, "C:\\"));
}

TEST(LiesInFolder, AShorterPathDoesNotLieInTheFolder) {
  EXPECT_FALSE(LiesInFolder("C:\\WIN", "C:\\WINDOWS"));
}

}  // namespace
