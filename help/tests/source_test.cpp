// Source errors name their line, and a failed run leaves no output behind.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "compile.h"
#include "file_bytes.h"
#include "help_file.h"
#include "help_source.h"

using namespace hlp;

namespace {

SourceError ParseError(const std::string& text) {
  HelpSource src;
  SourceError err;
  EXPECT_FALSE(ParseHelpSource(text, src, err));
  return err;
}

std::string TempPath(const std::string& name) { return std::string(HVT_TEST_TMP) + "/" + name; }

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

bool exists(const std::string& path) { return std::ifstream(path).good(); }

}  // namespace

TEST(SourceErrors, JumpToUnknownTopicNamesTheParagraphLine) {
  SourceError e = ParseError("title: T\n= a: A\ntext\n\nsee [there](nowhere)\n");
  EXPECT_EQ(e.line, 5);
  EXPECT_NE(e.message.find("nowhere"), std::string::npos);
}

TEST(SourceErrors, DuplicateContextNameIgnoresCase) {
  SourceError e = ParseError("title: T\n= Intro: A\nx\n= intro: B\ny\n");
  EXPECT_EQ(e.line, 4);
  EXPECT_NE(e.message.find("duplicate context name"), std::string::npos);
}

TEST(SourceErrors, DuplicateContextNumber) {
  SourceError e = ParseError("title: T\n= a 5: A\nx\n= b 6: B\n= c 5: C\n");
  EXPECT_EQ(e.line, 5);
  EXPECT_NE(e.message.find("duplicate context number 5"), std::string::npos);
}

TEST(SourceErrors, ContextNameOutsideTheHashCharacters) {
  SourceError e = ParseError("title: T\n= a: A\n\n= undo-restore: B\n");
  EXPECT_EQ(e.line, 4);
  EXPECT_NE(e.message.find("undo-restore"), std::string::npos);
}

TEST(SourceErrors, UnknownContentsTopicAndBrokenMarkup) {
  EXPECT_EQ(ParseError("title: T\ncontents: gone\n= a: A\n").line, 2);
  EXPECT_EQ(ParseError("title: T\n= a: A\nsome **bold\n").line, 3);
  EXPECT_EQ(ParseError("title: T\n= a: A\n[label(a)\n").line, 3);
  EXPECT_EQ(ParseError("title: T\n= a x: A\n").line, 2);
  EXPECT_EQ(ParseError("= a: A\n").line, 1);  // no title
}

TEST(Compile, SourceErrorKeepsThePreviousOutput) {
  std::string src = TempPath("broken.hsrc"), out = TempPath("broken.hlp");
  WriteText(src, "title: T\n= a: A\nsee [x](missing)\n");
  WriteText(out, "previous");
  std::string message;
  EXPECT_FALSE(CompileHelpFile(src, out, message));
  EXPECT_EQ(message, src + ":3: error: jump to unknown topic 'missing'");
  EXPECT_EQ(ReadFileBytes(out), "previous");
  EXPECT_FALSE(exists(out + ".tmp"));
}

TEST(Compile, GoodSourceReplacesTheOutputWhole) {
  std::string src = TempPath("good.hsrc"), out = TempPath("good.hlp");
  WriteText(src, "title: T\n= a 1: A\nhello\n");
  std::remove(out.c_str());
  std::string message;
  ASSERT_TRUE(CompileHelpFile(src, out, message)) << message;
  std::string bytes = ReadFileBytes(out);
  ASSERT_GE(bytes.size(), 16u);
  EXPECT_EQ(static_cast<uint8_t>(bytes[0]), 0x3F);
  EXPECT_FALSE(exists(out + ".tmp"));
}

TEST(Compile, UnwritableOutputLeavesNothing) {
  std::string out = TempPath("no_such_folder/x.hlp");
  std::string err;
  EXPECT_FALSE(SaveFileAtomically(out, Bytes{1, 2, 3}, err));
  EXPECT_FALSE(err.empty());
  EXPECT_FALSE(exists(out));
}
