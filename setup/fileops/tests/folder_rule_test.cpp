#include "fileops/shared_count.h"
#include "fileops/sibling_path.h"

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

TEST(SiblingPath, JoinsTheNameToTheDirectory) {
  char text[64];
  ASSERT_TRUE(SiblingPath("C:\\APP\\BIN\\a.dll", "fiver.ini", text, sizeof text));
  EXPECT_STREQ(text, "C:\\APP\\BIN\\fiver.ini");
  ASSERT_TRUE(SiblingPath("C:\\a.dll", "fiver.ini", text, sizeof text));
  EXPECT_STREQ(text, "C:\\fiver.ini");
  ASSERT_TRUE(SiblingPath("\\a.dll", "fiver.ini", text, sizeof text));
  EXPECT_STREQ(text, "\\fiver.ini");
  ASSERT_TRUE(SiblingPath("C:/APP/a.dll", "fiver.ini", text, sizeof text));
  EXPECT_STREQ(text, "C:/APP\\fiver.ini");
}

TEST(SiblingPath, PathsWithoutDirectory) {
  char text[64];
  ASSERT_TRUE(SiblingPath("a.dll", "fiver.ini", text, sizeof text));
  EXPECT_STREQ(text, "fiver.ini");
  ASSERT_TRUE(SiblingPath("C:a.dll", "fiver.ini", text, sizeof text));
  EXPECT_STREQ(text, "C:fiver.ini");
}

TEST(SiblingPath, RefusesWhatDoesNotFit) {
  char text[13];
  EXPECT_TRUE(SiblingPath("C:\\a.dll", "fiver.ini", text, sizeof text));  // 12 + NUL
  EXPECT_STREQ(text, "C:\\fiver.ini");
  EXPECT_FALSE(SiblingPath("C:\\A\\a.dll", "fiver.ini", text, sizeof text));
  EXPECT_STREQ(text, "");
}

}  // namespace
