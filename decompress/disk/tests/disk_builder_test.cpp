// The disk builder: names, contents, sizes report and the refusal to leave
// a half-written disk.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <vector>

#include "disk_builder.h"
#include "disk_layout.h"
#include "file_bytes.h"
#include "memory_source.h"
#include "szdd_decoder.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(CompressedName, FollowsTheRule) {
  EXPECT_EQ(disk::CompressedName("SETUP.EXE"), "SETUP.EX_");
  EXPECT_EQ(disk::CompressedName("README.H"), "README.H_");
  EXPECT_EQ(disk::CompressedName("README"), "README._");
  EXPECT_EQ(disk::CompressedName("A.LONG"), "A.LONG_");
  EXPECT_EQ(disk::CompressedName("DIR.X\\FILE"), "DIR.X\\FILE._");
}

TEST(DiskLayout, NamesOnTheDisk) {
  std::set<std::string> names;
  for (const disk::DiskEntry& e : disk::DiskContents()) names.insert(disk::DiskName(e));
  EXPECT_EQ(names,
            (std::set<std::string>{"KIVERSET.EXE", "LZPUNZ32.DLL", "INSTALL.HLP", "VANTREL3.EX_",
                                   "KELVANE.EX_", "KELVANE.HL_", "MSVBVM50.DL_", "OLEAUT32.DL_",
                                   "README.TXT", "RESTORE.BAT", "WHATSNEW.TXT"}));
}

class DiskBuilder : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("hvt_disk_" +
             std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "in");
    unsigned seed = 1;
    for (const disk::DiskEntry& e : disk::DiskContents()) {
      Bytes content;
      for (int i = 0; i < 3000 + 100 * static_cast<int>(seed); ++i)
        content.push_back(static_cast<std::uint8_t>((i % 13 == 0) ? seed : 'a' + i % 5));
      ++seed;
      const fs::path p = root_ / "in" / e.input;
      std::FILE* f = std::fopen(p.string().c_str(), "wb");
      ASSERT_NE(f, nullptr);
      std::fwrite(content.data(), 1, content.size(), f);
      std::fclose(f);
      inputs_[e.input] = p.string();
      originals_[e.input] = content;
    }
  }
  void TearDown() override { fs::remove_all(root_); }
  std::string Out() const { return (root_ / "disk1").string(); }

  fs::path root_;
  std::map<std::string, std::string> inputs_;
  std::map<std::string, Bytes> originals_;
};

TEST_F(DiskBuilder, WritesEveryFileUnderItsDiskName) {
  std::string error;
  std::FILE* report = std::tmpfile();
  ASSERT_TRUE(disk::BuildDisk(Out(), inputs_, error, report)) << error;
  std::rewind(report);
  char line[200];
  int lines = 0;
  while (std::fgets(line, sizeof line, report)) ++lines;
  std::fclose(report);
  EXPECT_EQ(lines, 12);  // a line per file and the totals

  std::set<std::string> present;
  for (const auto& f : fs::directory_iterator(Out())) present.insert(f.path().filename().string());
  EXPECT_EQ(present.size(), 11u);
  EXPECT_FALSE(fs::exists(Out() + ".partial"));

  for (const disk::DiskEntry& e : disk::DiskContents()) {
    const Bytes onDisk = ReadFileBytes<Bytes>((fs::path(Out()) / disk::DiskName(e)).string());
    const Bytes& original = originals_[e.input];
    if (!e.compressed) {
      EXPECT_TRUE(onDisk == original) << e.input;
      continue;
    }
    EXPECT_LT(onDisk.size(), original.size()) << e.input;
    szdd::MemorySource src(onDisk.data(), onDisk.size());
    szdd::Decoder dec;
    ASSERT_TRUE(dec.Begin(&src, onDisk.size())) << e.input;
    EXPECT_EQ(dec.missingChar(), disk::DiskName({e.input, false}).back());
    Bytes back(original.size() + 1);
    ASSERT_EQ(dec.Read(back.data(), back.size()), static_cast<long>(original.size()));
    back.pop_back();
    EXPECT_TRUE(back == original) << e.input;
  }
}

TEST_F(DiskBuilder, MissingInputIsNamedAndNothingIsWritten) {
  fs::remove(inputs_["Kelvane.hlp"]);
  std::string error;
  EXPECT_FALSE(disk::BuildDisk(Out(), inputs_, error, nullptr));
  EXPECT_NE(error.find("Kelvane.hlp"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(Out()));
  EXPECT_FALSE(fs::exists(Out() + ".partial"));
}

TEST_F(DiskBuilder, UnnamedOrUnknownInputsAreRefused) {
  std::string error;
  auto fewer = inputs_;
  fewer.erase("Restore.bat");
  EXPECT_FALSE(disk::BuildDisk(Out(), fewer, error, nullptr));
  EXPECT_NE(error.find("Restore.bat"), std::string::npos) << error;
  auto more = inputs_;
  more["Extra.dll"] = inputs_["ReadMe.txt"];
  EXPECT_FALSE(disk::BuildDisk(Out(), more, error, nullptr));
  EXPECT_NE(error.find("Extra.dll"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(Out()));
}

TEST_F(DiskBuilder, AFailedRebuildKeepsTheEarlierDisk) {
  std::string error;
  ASSERT_TRUE(disk::BuildDisk(Out(), inputs_, error, nullptr)) << error;
  // A directory where a file should be: found missing before anything is touched.
  fs::remove(inputs_["WhatsNew.txt"]);
  fs::create_directories(inputs_["WhatsNew.txt"]);
  EXPECT_FALSE(disk::BuildDisk(Out(), inputs_, error, nullptr));
  EXPECT_NE(error.find("WhatsNew.txt"), std::string::npos);
  EXPECT_TRUE(fs::exists(fs::path(Out()) / "WHATSNEW.TXT"));
  EXPECT_FALSE(fs::exists(Out() + ".partial"));
}

}  // namespace
