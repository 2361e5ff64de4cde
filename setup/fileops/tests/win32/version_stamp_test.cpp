#include "fileops/version_compare.h"
#include "fileops/version_stamp.h"

#include "base/path_buffer.h"
#include "file_attribute_double.h"
#include "fileops/copy_strategies.h"
#include "fileops/file_operations.h"
#include "test_folder.h"
#include "ui/dialogs/engine_error_boxes.h"
#include "version_word.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The test DLLs are built next to this program.
std::string StampDll(const char* name) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of('\\')) + "\\" + name + ".dll";
}

TEST(ReadVersionStamp, ReadsTheFixedPartAndTheFirstTranslation) {
  VersionStamp stamp;
  ASSERT_EQ(ReadVersionStamp(StampDll("hvtstamp110").c_str(), stamp), kVersionRead);
  EXPECT_EQ(stamp.versionMs, VersionWord(1, 10));
  EXPECT_EQ(stamp.versionLs, 0u);
  EXPECT_EQ(stamp.type, static_cast<uint32_t>(VFT_DLL));
  EXPECT_EQ(stamp.subtype, 0u);
  EXPECT_EQ(stamp.os, static_cast<uint32_t>(VOS__WINDOWS32));
  EXPECT_EQ(stamp.language, 0x409);
  EXPECT_EQ(stamp.characterSet, 1252);
}

TEST(ReadVersionStamp, OtherStamps) {
  VersionStamp stamp;
  ASSERT_EQ(ReadVersionStamp(StampDll("hvtstamp19").c_str(), stamp), kVersionRead);
  EXPECT_EQ(stamp.versionMs, VersionWord(1, 9));
  ASSERT_EQ(ReadVersionStamp(StampDll("hvtstamplang").c_str(), stamp), kVersionRead);
  EXPECT_EQ(stamp.language, 0x407);
  ASSERT_EQ(ReadVersionStamp(StampDll("hvtstampcharset").c_str(), stamp), kVersionRead);
  EXPECT_EQ(stamp.characterSet, 1200);
  ASSERT_EQ(ReadVersionStamp(StampDll("hvtstampapp").c_str(), stamp), kVersionRead);
  EXPECT_EQ(stamp.type, static_cast<uint32_t>(VFT_APP));
}

TEST(ReadVersionStamp, NoUsableVersion) {
  VersionStamp stamp;
  stamp.versionMs = 99;
  EXPECT_EQ(ReadVersionStamp(StampDll("hvtstampnone").c_str(), stamp), kVersionNone);
  EXPECT_EQ(stamp.versionMs, 0u);
  EXPECT_EQ(ReadVersionStamp(StampDll("hvtstampnotrans").c_str(), stamp), kVersionNone);
  EXPECT_EQ(stamp.versionMs, 0u);  // nothing half read
  EXPECT_EQ(ReadVersionStamp(StampDll("hvtstampmissing").c_str(), stamp), kVersionNone);
}

class CompareVersions : public ::testing::Test {
 protected:
  CompareVersions() : folder_(MakeTestFolder("hvtstamps")) {
    ops_.SetQuiet(true);
    ops_.SetVersionQuestion(&question_);
    TheAttributeQuestion() = AttributeQuestion();
  }
  ~CompareVersions() override { RemoveTree(folder_); }

  // The existing file: a copy of a test DLL in the test folder.
  PathBuffer& Existing(const char* dll) {
    const std::string path = folder_ + "\\installed.dll";
    DeleteFileA(path.c_str());
    if (dll) CopyFileA(StampDll(dll).c_str(), path.c_str(), FALSE);
    existing_.Set(path.c_str());
    return existing_;
  }
  int Compare(const char* newDll, const char* existingDll) {
    return CompareVersionStamps(ops_, StampDll(newDll).c_str(), Existing(existingDll));
  }

  std::string folder_;
  EngineErrorBoxes boxes_;
  FileOperations ops_{boxes_};
  AttributeQuestionDouble question_;
  PathBuffer existing_;
};

TEST_F(CompareVersions, ANewerVersionReplaces) {
  ASSERT_FALSE(folder_.empty());
  EXPECT_EQ(Compare("hvtstamp110", "hvtstamp19"), kPolicyCopy);  // 1.10 above 1.9
  EXPECT_EQ(TheAttributeQuestion().calls, 0);
}

TEST_F(CompareVersions, AnOlderVersionKeeps) {
  EXPECT_EQ(Compare("hvtstamp19", "hvtstamp110"), kPolicyKeep);
}

TEST_F(CompareVersions, AnEqualVersionKeeps) {
  EXPECT_EQ(Compare("hvtstamp110", "hvtstamp110"), kPolicyKeep);
}

TEST_F(CompareVersions, AnExistingFileWithoutVersionIsReplaced) {
  EXPECT_EQ(Compare("hvtstamp19", "hvtstampnone"), kPolicyCopy);
  EXPECT_EQ(Compare("hvtstampnone", "hvtstampnone"), kPolicyCopy);
  EXPECT_EQ(Compare("hvtstamp19", nullptr), kPolicyCopy);  // no existing file at all
}

TEST_F(CompareVersions, ANewFileWithoutVersionNeverReplaces) {
  EXPECT_EQ(Compare("hvtstampnone", "hvtstamp19"), kPolicyKeep);
  EXPECT_EQ(Compare("hvtstampnotrans", "hvtstamp19"), kPolicyKeep);
}

TEST_F(CompareVersions, ADifferentLanguageAsksTheUser) {
  ops_.PushOwner(GetDesktopWindow());
  TheAttributeQuestion().answer = kAttributeSkip;
  EXPECT_EQ(Compare("hvtstamplang", "hvtstamp19"), kPolicyKeep);
  const AttributeQuestion& q = TheAttributeQuestion();
  ASSERT_EQ(q.calls, 1);
  EXPECT_EQ(q.owner, GetDesktopWindow());
  EXPECT_EQ(q.source, StampDll("hvtstamplang"));
  EXPECT_EQ(q.sourceStamp.language, 0x407);
  EXPECT_EQ(q.sourceStamp.versionMs, VersionWord(1, 10));
  EXPECT_EQ(q.target, folder_ + "\\installed.dll");
  EXPECT_EQ(q.targetStamp.language, 0x409);
  EXPECT_EQ(q.targetStamp.versionMs, VersionWord(1, 9));
}

TEST_F(CompareVersions, CopyInTheQuestionReplacesPossiblyElsewhere) {
  TheAttributeQuestion().answer = kAttributeCopy;
  TheAttributeQuestion().typedTarget = folder_ + "\\typed.dll";
  // Even an older file of another language may replace when the user says so.
  EXPECT_EQ(Compare("hvtstamp19", "hvtstamplang"), kPolicyCopy);
  EXPECT_EQ(std::string(existing_.Get()), folder_ + "\\typed.dll");
}

TEST_F(CompareVersions, AQuestionThatCannotBeAskedIsAnError) {
  TheAttributeQuestion().answer = kAttributeNoDialog;
  EXPECT_EQ(Compare("hvtstamp110", "hvtstamplang"), kPolicyError);
}

TEST_F(CompareVersions, ACharacterSetOrTypeOfItsOwnAsksToo) {
  TheAttributeQuestion().answer = kAttributeSkip;
  EXPECT_EQ(Compare("hvtstampcharset", "hvtstamp110"), kPolicyKeep);
  EXPECT_EQ(Compare("hvtstampapp", "hvtstamp19"), kPolicyKeep);
  EXPECT_EQ(TheAttributeQuestion().calls, 2);
  EXPECT_EQ(TheAttributeQuestion().sourceStamp.type, static_cast<uint32_t>(VFT_APP));
}

}  // namespace
