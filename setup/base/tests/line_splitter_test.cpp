#include "base/line_splitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Split(const char* text) {
  std::vector<std::string> lines;
  LineSplitter splitter;
  for (splitter.Start(text); splitter.More(); splitter.Next()) {
    char buffer[64];
    EXPECT_TRUE(splitter.CopyLine(buffer, sizeof buffer));
    EXPECT_EQ(std::string(buffer), std::string(splitter.Line(), splitter.LineLength()));
    lines.push_back(buffer);
  }
  return lines;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(LineSplitterTest, TextWithoutCrLfIsOneLine) {
  EXPECT_EQ(Split("single line"), Lines{"single line"});
  EXPECT_EQ(LineSplitter::CountLines("single line"), 1);
}

TEST(LineSplitterTest, EmptyTextIsOneEmptyLine) {
  EXPECT_EQ(Split(""), Lines{""});
  EXPECT_EQ(LineSplitter::CountLines(""), 1);
}

TEST(LineSplitterTest, NullTextHasNoLines) {
  EXPECT_EQ(Split(nullptr), Lines{});
  EXPECT_EQ(LineSplitter::CountLines(nullptr), 0);
}

TEST(LineSplitterTest, SplitsAtEachCrLf) {
  EXPECT_EQ(Split("one\r\ntwo\r\nthree"), (Lines{"one", "two", "three"}));
  EXPECT_EQ(LineSplitter::CountLines("one\r\ntwo\r\nthree"), 3);
  EXPECT_EQ(Split("a\r\n\r\nb"), (Lines{"a", "", "b"}));
}

TEST(LineSplitterTest, TextEndingInCrLfHasAnEmptyLastLine) {
  EXPECT_EQ(Split("one\r\ntwo\r\n"), (Lines{"one", "two", ""}));
  EXPECT_EQ(LineSplitter::CountLines("\r\n"), 2);
}

TEST(LineSplitterTest, LoneCrOrLfStaysInTheLine) {
  EXPECT_EQ(Split("a\nb\rc\r\nd"), (Lines{"a\nb\rc", "d"}));
}

TEST(LineSplitterTest, CopyLineOfPicksLineN) {
  char buffer[16];
  const char* text = "alpha\r\nbeta\r\ngamma";
  EXPECT_TRUE(LineSplitter::CopyLineOf(text, 1, buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "beta");
  EXPECT_TRUE(LineSplitter::CopyLineOf(text, 2, buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "gamma");
  EXPECT_FALSE(LineSplitter::CopyLineOf(text, 3, buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "");
  EXPECT_FALSE(LineSplitter::CopyLineOf(text, -1, buffer, sizeof buffer));
}

TEST(LineSplitterTest, ALineTooLongForTheBufferIsCutAndReported) {
  char buffer[5];
  EXPECT_FALSE(LineSplitter::CopyLineOf("abcdefgh\r\nx", 0, buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "abcd");
  EXPECT_TRUE(LineSplitter::CopyLineOf("abcd\r\nx", 0, buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "abcd");
  LineSplitter splitter;
  splitter.Start("abc");
  EXPECT_FALSE(splitter.CopyLine(buffer, 0));
  EXPECT_FALSE(splitter.CopyLine(nullptr, 4));
}

TEST(LineSplitterTest, NextAfterTheLastLineStaysDone) {
  LineSplitter splitter;
  splitter.Start("x");
  splitter.Next();
  EXPECT_FALSE(splitter.More());
  splitter.Next();
  EXPECT_FALSE(splitter.More());
  char buffer[4] = "zz";
  EXPECT_FALSE(splitter.CopyLine(buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "");
}
