#include "app/command_tail.h"

#include <gtest/gtest.h>

#include <string>

TEST(CommandTail, EmptyAfterTheProgramName) {
  EXPECT_STREQ(CommandTail("kiverset"), "");
  EXPECT_STREQ(CommandTail("kiverset   "), "");
  EXPECT_STREQ(CommandTail("\"C:\\setup dir\\kiverset.exe\""), "");
  EXPECT_STREQ(CommandTail("\"C:\\setup dir\\kiverset.exe\" \t "), "");
  EXPECT_STREQ(CommandTail(""), "");
  EXPECT_STREQ(CommandTail(nullptr), "");
}

TEST(CommandTail, RestKeepsTrailingBlanksAndQuotes) {
  EXPECT_STREQ(CommandTail("kiverset A:\\"), "A:\\");
  EXPECT_STREQ(CommandTail("kiverset   A:\\disk 1 "), "A:\\disk 1 ");
  EXPECT_STREQ(CommandTail("\"C:\\a b\\kiverset.exe\" \"D:\\src\""), "\"D:\\src\"");
}

TEST(CommandTail, UnquotedNameEndsAtControlCharacters) {
  EXPECT_STREQ(CommandTail("kiverset\tX:\\"), "X:\\");
}

TEST(CommandTail, UnclosedQuoteTakesTheWholeLine) {
  EXPECT_STREQ(CommandTail("\"C:\\kiverset.exe X:\\"), "");
}

TEST(SourceDirectoryOf, OnePairOfQuotesComesOffAndLengthIsChecked) {
  struct Case {
    const char* tail;
    TailKind kind;
    const char* directory;
  };
  const std::string fits(255, 'd'), over(256, 'd'), quotedFits = "\"" + fits + "\"";
  const Case cases[] = {
      {"", TailKind::kEmpty, ""},
      {"A:\\", TailKind::kDirectory, "A:\\"},
      {"\"D:\\disk 1\"", TailKind::kDirectory, "D:\\disk 1"},
      {"\"\"D:\\x\"\"", TailKind::kDirectory, "\"D:\\x\""},
      {"\"D:\\x", TailKind::kDirectory, "\"D:\\x"},
      {"\"", TailKind::kDirectory, "\""},
      {"A:\\ ", TailKind::kDirectory, "A:\\ "},
      {fits.c_str(), TailKind::kDirectory, fits.c_str()},
      {quotedFits.c_str(), TailKind::kDirectory, fits.c_str()},
      {over.c_str(), TailKind::kTooLong, ""},
  };
  for (const Case& c : cases) {
    char directory[256] = "stale";
    EXPECT_EQ(SourceDirectoryOf(c.tail, directory, sizeof directory), c.kind) << c.tail;
    EXPECT_STREQ(directory, c.directory) << c.tail;
  }
}
