#include "app/command_tail.h"

#include <gtest/gtest.h>

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
