#include "fileops/file_operations.h"
#include "recording_recorder.h"
#include "test_folder.h"
#include "ui/dialogs/engine_error_boxes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

namespace {

class FontOperationsTest : public ::testing::Test {
 protected:
  FontOperationsTest() : folder_(MakeTestFolder("hvtfont")) {
    ops_.SetQuiet(true);
    ops_.PushRecorder(recorder_);
  }
  ~FontOperationsTest() override { RemoveTree(folder_); }

  std::string folder_;
  EngineErrorBoxes boxes_;
  FileOperations ops_{boxes_};
  RecordingRecorder recorder_;
};

TEST_F(FontOperationsTest, AFontThePlatformRefusesIsNotRecorded) {
  ASSERT_FALSE(folder_.empty());
  const std::string path = folder_ + "\\notafont.ttf";
  FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fputs("plain text, no font tables", file);
  std::fclose(file);
  EXPECT_FALSE(ops_.InstallFont(path.c_str(), 0));
  EXPECT_EQ(ops_.LastError(), kFileOpGeneral);
  EXPECT_TRUE(recorder_.records.empty());
}

TEST_F(FontOperationsTest, AMissingFontFileIsRefused) {
  EXPECT_FALSE(ops_.InstallFont((folder_ + "\\missing.ttf").c_str(), 0));
  EXPECT_EQ(ops_.LastError(), kFileOpGeneral);
  EXPECT_TRUE(recorder_.records.empty());
}

// Wine's own Tahoma (a scalable font) under a family name of ours: Wine does
// not load a second font of a family it already has.
bool WriteRenamedTahoma(const char* shipped, const std::string& path) {
  FILE* in = std::fopen(shipped, "rb");
  if (!in) return false;
  std::string bytes;
  char chunk[4096];
  for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, in)) > 0;) bytes.append(chunk, n);
  std::fclose(in);
  const std::string plain = "Tahoma", wide("\0T\0a\0h\0o\0m\0a", 12);
  const std::string plainNew = "Hvttah", wideNew("\0H\0v\0t\0t\0a\0h", 12);
  int renamed = 0;
  for (const auto& [from, to] : {std::pair{plain, plainNew}, std::pair{wide, wideNew}})
    for (size_t at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at)) {
      bytes.replace(at, from.size(), to);
      ++renamed;
    }
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  return std::fclose(out) == 0 && written && renamed > 0;
}

TEST_F(FontOperationsTest, ARealFontIsInstalledAndRecorded) {
  ASSERT_FALSE(folder_.empty());
  const char* shipped = "Z:\\usr\\share\\wine\\fonts\\tahoma.ttf";
  if (GetFileAttributesA(shipped) == INVALID_FILE_ATTRIBUTES)
    GTEST_SKIP() << "no TrueType font of Wine's at " << shipped;
  const std::string path = folder_ + "\\hvttah.ttf";
  ASSERT_TRUE(WriteRenamedTahoma(shipped, path));
  const bool installed = ops_.InstallFont(path.c_str(), 1);
  EXPECT_TRUE(installed);
  EXPECT_EQ(ops_.LastError(), kFileOpOk);
  ASSERT_EQ(recorder_.records.size(), 1u);
  EXPECT_EQ(recorder_.records[0].kind, "FontInstalled");
  EXPECT_EQ(recorder_.records[0].key, path);
  EXPECT_EQ(recorder_.records[0].flag, 1);
  if (installed) RemoveFontResourceA(path.c_str());
}

}  // namespace
