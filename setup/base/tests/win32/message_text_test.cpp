#include "base/message_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The text the test string table holds under ids 2, 4 and 5 (cut).
std::string Alphabet(int length) {
  std::string text;
  for (int i = 0; i < length; ++i) text += static_cast<char>('A' + i % 26);
  return text;
}

}  // namespace

TEST(MessageTextTest, LoadsATextByIdentifier) {
  SetupString message;
  ASSERT_TRUE(LoadMessage(message, 1));
  EXPECT_STREQ(message.Text(), "Copying %s");
  EXPECT_EQ(message.Length(), 10);
}

TEST(MessageTextTest, AMissingIdentifierGivesTheEmptyText) {
  SetupString message("old");
  ASSERT_TRUE(LoadMessage(message, 77));
  EXPECT_EQ(message.Text(), SetupString::SharedEmpty());
  EXPECT_EQ(message.Length(), 0);
}

TEST(MessageTextTest, ATextLongerThan255CharactersIsCutTo255) {
  SetupString message;
  ASSERT_TRUE(LoadMessage(message, 2));
  EXPECT_EQ(message.Length(), 255);
  EXPECT_EQ(std::string(message.Text()), Alphabet(255));
}

TEST(MessageTextTest, TextsUpTo255CharactersAreWhole) {
  SetupString message;
  ASSERT_TRUE(LoadMessage(message, 4));
  EXPECT_EQ(std::string(message.Text()), Alphabet(255));
  ASSERT_TRUE(LoadMessage(message, 5));
  EXPECT_EQ(std::string(message.Text()), Alphabet(254));
}

TEST(MessageTextTest, FormatsTheLoadedTextPrintfStyle) {
  SetupString message;
  ASSERT_TRUE(FormatMessageText(message, 1, "KELVANE.EXE"));
  EXPECT_STREQ(message.Text(), "Copying KELVANE.EXE");
  ASSERT_TRUE(FormatMessageText(message, 3, 4, 9));
  EXPECT_STREQ(message.Text(), "4 of 9 files");
}

TEST(MessageTextTest, AFormattedMessageMayRunPast255Characters) {
  std::string name(400, 'n');
  SetupString message;
  ASSERT_TRUE(FormatMessageText(message, 1, name.c_str()));
  EXPECT_EQ(message.Length(), 8 + 400);
}
