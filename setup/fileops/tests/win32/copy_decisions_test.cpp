// Whole copies as the copy phase makes them: the version policy with the
// real "File Attribute Incompatible" question, a compressed source compared
// by its decompressed content, and the usage count of a shared file.
#include "fileops/copy_policies.h"
#include "fileops/copy_readers_writers.h"
#include "fileops/file_operations.h"
#include "fileops/shared_count.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "copy_test_support.h"
#include "dialog_driver.h"
#include "szdd_encoder.h"
#include "resources/dialog_ids.h"

using copytest::Exists;
using copytest::ProgramFolder;
using copytest::ReadBytes;

namespace {

std::string StampDll(const char* name) { return ProgramFolder() + "\\" + name + ".dll"; }

class CopyDecisions : public copytest::FileOpsTest {
 protected:
  // A test DLL as a file of the scratch folder.
  std::string Place(const char* dll, const char* name) {
    EXPECT_TRUE(CopyFileA(StampDll(dll).c_str(), Path(name).c_str(), FALSE));
    return Path(name);
  }

  // A version-policy copy of source onto destination; the question, when it
  // comes, is answered by answer().
  int VersionCopy(const std::string& source, PathBuffer& destination,
                  const std::function<void(HWND)>& answer) {
    VersionPolicy policy;
    PlainReader reader;
    CreateWriter writer;
    asked_ = false;
    return uitest::Driven("File Attribute Incompatible", {[&](HWND box) {
                            asked_ = true;
                            answer(box);
                          }},
                          [&] {
                            return ops_.Copy(source.c_str(), destination, 1,
                                             MakeCopyRequest(policy, reader, writer), progress_);
                          });
  }

  copytest::CountingProgress progress_;
  bool asked_ = false;
};

// Same version numbers, another language: the user is asked, types another
// target path and copies there; the file first named stays as it was.
TEST_F(CopyDecisions, CopyToATypedPathAfterTheQuestion) {
  const std::string source = Place("hvtstamplang", "new.dll");
  const std::string existing = Place("hvtstamp110", "old.dll");
  const std::string typed = Path("typed.dll");
  PathBuffer destination;
  ASSERT_TRUE(destination.Set(existing.c_str()));
  std::string shownTarget;
  const int result = VersionCopy(source, destination, [&](HWND box) {
    shownTarget = uitest::TextOf(GetDlgItem(box, kAttributeTargetFirst));
    SetDlgItemTextA(box, kAttributeTargetFirst, typed.c_str());
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  EXPECT_TRUE(asked_);
  EXPECT_EQ(shownTarget, existing);
  EXPECT_EQ(result, kCopyDone);
  EXPECT_STREQ(destination.Get(), typed.c_str());
  EXPECT_EQ(ReadBytes(typed), ReadBytes(StampDll("hvtstamplang")));
  EXPECT_EQ(ReadBytes(existing), ReadBytes(StampDll("hvtstamp110")));
  EXPECT_FALSE(Exists(Path("tmp000.000")));
  EXPECT_EQ(Records(), std::vector<std::string>{"FileCopied|" + source + "|" + typed + "|1"});
  EXPECT_EQ(progress_.begins, 1);
  EXPECT_EQ(progress_.ends, 1);
}

TEST_F(CopyDecisions, SkipKeepsTheFileAndLeavesNoTemporaryFile) {
  const std::string source = Place("hvtstampcharset", "new.dll");
  const std::string existing = Place("hvtstamp110", "old.dll");
  PathBuffer destination;
  ASSERT_TRUE(destination.Set(existing.c_str()));
  const int result = VersionCopy(source, destination, [](HWND box) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  });
  EXPECT_TRUE(asked_);
  EXPECT_EQ(result, kCopySkipped);
  EXPECT_EQ(ReadBytes(existing), ReadBytes(StampDll("hvtstamp110")));
  EXPECT_FALSE(Exists(Path("tmp000.000")));
  EXPECT_TRUE(Records().empty());
}

// A compressed 1.10 replaces an installed 1.9, and a 1.9 then stays out:
// the comparison sees the decompressed file, not the compressed one.
TEST_F(CopyDecisions, ACompressedSourceIsComparedDecompressed) {
  const copytest::Bytes newer = ReadBytes(StampDll("hvtstamp110"));
  std::vector<uint8_t> packed;
  ASSERT_TRUE(szdd::Encode(newer.data(), newer.size(), packed));
  const std::string source = Path("new.dl_");
  ASSERT_TRUE(copytest::WriteBytes(source, copytest::Bytes(packed.begin(), packed.end())));
  const std::string existing = Place("hvtstamp19", "old.dll");

  VersionPolicy policy;
  CompressedReader compressed;
  PlainReader plain;
  CreateWriter writer;
  PathBuffer destination;
  ASSERT_TRUE(destination.Set(existing.c_str()));
  EXPECT_EQ(ops_.Copy(source.c_str(), destination, 1, MakeCopyRequest(policy, compressed, writer),
                      progress_),
            kCopyDone);
  EXPECT_EQ(ReadBytes(existing), newer);

  const std::string older = Place("hvtstamp19", "older.dll");
  EXPECT_EQ(
      ops_.Copy(older.c_str(), destination, 1, MakeCopyRequest(policy, plain, writer), progress_),
      kCopySkipped);
  EXPECT_EQ(ReadBytes(existing), newer);
  EXPECT_FALSE(Exists(Path("tmp000.000")));
}

// Every installation of a shared file raises its count, also one whose copy
// was skipped; that one is still recorded, as the uninstaller takes every
// installation back.
TEST_F(CopyDecisions, ASharedFileCountsEveryInstallation) {
  char shared[MAX_PATH];
  ASSERT_TRUE(SharedFolder(shared, sizeof shared));
  const std::string target = std::string(shared) + "\\hvtshared.dll";
  const std::string source = Place("hvtstamp110", "shared.dll");
  DeleteFileA(target.c_str());

  auto install = [&](CopyPolicy& policy, long expectedCount) {
    PlainReader reader;
    CreateWriter writer;
    PathBuffer destination;
    ASSERT_TRUE(destination.Set(target.c_str()));
    EXPECT_EQ(ops_.CopyRecorded(source.c_str(), destination, 0,
                                MakeCopyRequest(policy, reader, writer), progress_),
              kCopyDone);
    ops_.PushRecorder(NullRecorder::Instance());
    EXPECT_EQ(IncrementSharedCount(ops_, target.c_str()), expectedCount);
    ops_.PopRecorder();
  };
  AlwaysCopyPolicy always;
  install(always, 1);
  SizePolicy keepAny(0);
  install(keepAny, 2);

  const std::string copied = "FileCopied|" + source + "|" + target + "|0";
  EXPECT_EQ(Records(), (std::vector<std::string>{copied, copied}));
  HKEY key = nullptr;
  ASSERT_EQ(
      RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs",
                    0, KEY_ALL_ACCESS, &key),
      ERROR_SUCCESS);
  DWORD type = 0, value = 0, size = sizeof value;
  EXPECT_EQ(
      RegQueryValueExA(key, target.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
      ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(value, 2u);
  RegDeleteValueA(key, target.c_str());
  RegCloseKey(key);
  DeleteFileA(target.c_str());
}

}  // namespace
