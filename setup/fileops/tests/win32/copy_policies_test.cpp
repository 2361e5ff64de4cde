#include "fileops/copy_policies.h"

#include "fileops/file_operations.h"
#include "test_folder.h"
#include "ui/dialogs/engine_error_boxes.h"
#include "version_word.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

class CopyPolicies : public ::testing::Test {
 protected:
  CopyPolicies() : folder_(MakeTestFolder("hvtpolicy")) { ops_.SetQuiet(true); }
  ~CopyPolicies() override {
    // The profile functions may hold fiver.ini in memory: let go of it first.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, Fiver().c_str());
    RemoveTree(folder_);
  }

  std::string In(const char* name) const { return folder_ + "\\" + name; }
  std::string Fiver() const { return In("fiver.ini"); }
  std::string Recorded(const std::string& key) const {
    char text[128];
    GetPrivateProfileStringA("iniversion", key.c_str(), "(none)", text, sizeof text,
                             Fiver().c_str());
    return text;
  }
  void Record(const std::string& key, const char* version) const {
    WritePrivateProfileStringA("iniversion", key.c_str(), version, Fiver().c_str());
  }
  bool Write(const char* name, const char* content) const {
    FILE* file = std::fopen(In(name).c_str(), "wb");
    if (!file) return false;
    std::fputs(content, file);
    return std::fclose(file) == 0;
  }
  // Gives the file a last-write time of the day at this hour.
  bool Stamp(const char* name, WORD hour, WORD millisecond = 0) const {
    SYSTEMTIME local = {};
    local.wYear = 2020;
    local.wMonth = 5;
    local.wDay = 17;
    local.wHour = hour;
    local.wMilliseconds = millisecond;
    FILETIME localTime, utc;
    if (!SystemTimeToFileTime(&local, &localTime) || !LocalFileTimeToFileTime(&localTime, &utc))
      return false;
    HANDLE file = CreateFileA(In(name).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool set = SetFileTime(file, nullptr, nullptr, &utc) != FALSE;
    CloseHandle(file);
    return set;
  }

  std::string folder_;
  EngineErrorBoxes boxes_;
  FileOperations ops_{boxes_};
};

TEST_F(CopyPolicies, AlwaysAndVersionPolicies) {
  AlwaysCopyPolicy always;
  VersionPolicy version;
  EXPECT_EQ(always.DecompressFirst(), 0);
  EXPECT_EQ(always.Compare("a", "b"), kPolicyCopy);
  EXPECT_EQ(version.DecompressFirst(), 1);
}

TEST_F(CopyPolicies, RecordedVersionRoundTrip) {
  ASSERT_FALSE(folder_.empty());
  const std::string destination = In("app.dll");
  RecordedVersionPolicy first(VersionWord(1, 2), VersionWord(3, 4));
  EXPECT_EQ(first.DecompressFirst(), 0);
  EXPECT_EQ(first.Compare("A:\\APP.DL_", destination.c_str()), kPolicyCopy);  // 0.0.0.0 so far
  first.AfterCopy();
  EXPECT_EQ(Recorded(destination), "1.2.3.4");

  RecordedVersionPolicy same(VersionWord(1, 2), VersionWord(3, 4));
  EXPECT_EQ(same.Compare("A:\\APP.DL_", destination.c_str()), kPolicyKeep);
  RecordedVersionPolicy older(VersionWord(1, 2), VersionWord(3, 3));
  EXPECT_EQ(older.Compare("A:\\APP.DL_", destination.c_str()), kPolicyKeep);
  RecordedVersionPolicy newer(VersionWord(1, 10), 0);
  EXPECT_EQ(newer.Compare("A:\\APP.DL_", destination.c_str()), kPolicyCopy);
  newer.AfterCopy();
  EXPECT_EQ(Recorded(destination), "1.10.0.0");
}

TEST_F(CopyPolicies, RecordedVersionWritesNothingBeforeAComparison) {
  RecordedVersionPolicy policy(VersionWord(1, 0), 0);
  policy.AfterCopy();
  EXPECT_EQ(GetFileAttributesA(Fiver().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(CopyPolicies, RecordedNumbersKeepTheirLow16Bits) {
  const std::string destination = In("app.dll");
  Record(destination, "65537.2.3.4");  // 65537 counts as 1
  RecordedVersionPolicy policy(VersionWord(1, 2), VersionWord(3, 4));
  EXPECT_EQ(policy.Compare("s", destination.c_str()), kPolicyKeep);
}

TEST_F(CopyPolicies, AnUnreadableRecordedVersionCopies) {
  const std::string destination = In("app.dll");
  RecordedVersionPolicy policy(VersionWord(1, 0), 0);
  for (const char* text : {"garbage", "1.2.3", "9.9.9.99999999999"}) {
    Record(destination, text);
    EXPECT_EQ(policy.Compare("s", destination.c_str()), kPolicyCopy) << text;
  }
  // A recorded text too long for its buffer is not read cut short.
  Record(destination, (std::string("9.9.9.9") + std::string(90, 'x')).c_str());
  EXPECT_EQ(policy.Compare("s", destination.c_str()), kPolicyCopy);
  Record(destination, (std::string("9.9.9.9") + std::string(60, 'x')).c_str());
  EXPECT_EQ(policy.Compare("s", destination.c_str()), kPolicyKeep);
}

TEST_F(CopyPolicies, RecordedVersionRefusesAFiverPathThatDoesNotFit) {
  const std::string destination = "C:\\" + std::string(250, 'd') + "\\b";  // 255 characters
  RecordedVersionPolicy policy(VersionWord(1, 0), 0);
  EXPECT_EQ(policy.Compare("s", destination.c_str()), kPolicyError);
  policy.AfterCopy();  // writes nowhere
}

TEST_F(CopyPolicies, TimeStampComparison) {
  ASSERT_TRUE(Write("a.txt", "a"));
  ASSERT_TRUE(Write("b.txt", "b"));
  ASSERT_TRUE(Stamp("a.txt", 10));
  ASSERT_TRUE(Stamp("b.txt", 10));
  EXPECT_EQ(CompareTimeStamps(ops_, In("a.txt").c_str(), In("b.txt").c_str()), 0);
  ASSERT_TRUE(Stamp("b.txt", 10, 500));
  EXPECT_EQ(CompareTimeStamps(ops_, In("a.txt").c_str(), In("b.txt").c_str()), -1);
  EXPECT_EQ(CompareTimeStamps(ops_, In("b.txt").c_str(), In("a.txt").c_str()), 1);
  // A missing file has all fields zero: older than any file.
  EXPECT_EQ(CompareTimeStamps(ops_, In("none.txt").c_str(), In("a.txt").c_str()), -1);
  EXPECT_EQ(CompareTimeStamps(ops_, In("none.txt").c_str(), In("none2.txt").c_str()), 0);
  // A folder has no readable time stamp here.
  EXPECT_EQ(CompareTimeStamps(ops_, folder_.c_str(), In("a.txt").c_str()), 2);
}

TEST_F(CopyPolicies, TimeStampPolicy) {
  ASSERT_TRUE(Write("source.txt", "new"));
  ASSERT_TRUE(Write("dest.txt", "old"));
  ASSERT_TRUE(Stamp("source.txt", 12));
  ASSERT_TRUE(Stamp("dest.txt", 12));
  TimeStampPolicy policy(ops_);
  EXPECT_EQ(policy.DecompressFirst(), 0);
  const std::string source = In("source.txt"), destination = In("dest.txt");
  EXPECT_EQ(policy.Compare(source.c_str(), destination.c_str()), kPolicyKeep);  // equal stays
  ASSERT_TRUE(Stamp("dest.txt", 13));
  EXPECT_EQ(policy.Compare(source.c_str(), destination.c_str()), kPolicyKeep);  // newer stays
  ASSERT_TRUE(Stamp("dest.txt", 11));
  EXPECT_EQ(policy.Compare(source.c_str(), destination.c_str()), kPolicyCopy);
  EXPECT_EQ(policy.Compare(source.c_str(), In("missing.txt").c_str()), kPolicyCopy);
  EXPECT_EQ(policy.Compare(source.c_str(), folder_.c_str()), kPolicyError);
}

TEST_F(CopyPolicies, SizePolicy) {
  ASSERT_TRUE(Write("empty.txt", ""));
  ASSERT_TRUE(Write("ten.txt", "0123456789"));
  const std::string empty = In("empty.txt"), ten = In("ten.txt");
  EXPECT_EQ(SizePolicy(0).DecompressFirst(), 0);
  EXPECT_EQ(SizePolicy(0).Compare("s", empty.c_str()), kPolicyKeep);  // threshold 0 keeps
  EXPECT_EQ(SizePolicy(0).Compare("s", ten.c_str()), kPolicyKeep);
  EXPECT_EQ(SizePolicy(10).Compare("s", ten.c_str()), kPolicyKeep);
  EXPECT_EQ(SizePolicy(11).Compare("s", ten.c_str()), kPolicyCopy);
  EXPECT_EQ(SizePolicy(-1).Compare("s", empty.c_str()), kPolicyKeep);
  EXPECT_EQ(SizePolicy(0).Compare("s", In("missing.txt").c_str()), kPolicyCopy);
}

}  // namespace
