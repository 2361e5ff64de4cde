// Whole copies as the copy phase makes them: the version policy with the
// real "File Attribute Incompatible" question, a compressed source compared
// by its decompressed content, and the usage count of a shared file.
#include "fileops/copy_policies.h"
#include "fileops/copy_readers_writers.h"
#include "fileops/file_operations.h"
#include "fileops/shared_count.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "dialog_driver.h"
#include "recording_recorder.h"
#include "szdd_encoder.h"
#include "test_folder.h"

using uitest::Driven;
using uitest::TextOf;

namespace {

std::string BesideProgram(const char* name) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of('\\')) + "\\" + name;
}

std::vector<unsigned char> Content(const std::string& path) {
  std::vector<unsigned char> bytes;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    int c;
    while ((c = std::fgetc(file)) != EOF) bytes.push_back(static_cast<unsigned char>(c));
    std::fclose(file);
  }
  return bytes;
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Counts begin and end, never cancels.
class Sink : public ProgressSink {
 public:
  bool Add(uint32_t) override { return true; }
  void BeginFile() override { ++begins; }
  void EndFile() override { ++ends; }
  uint32_t BufferSize() override { return 0; }
  int begins = 0, ends = 0;
};

class CopyDecisions : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = MakeTestFolder("hvtdecide");
    ASSERT_FALSE(folder_.empty());
    ops_.SetQuiet(true);
    ops_.PushRecorder(recorder_);
  }
  void TearDown() override { RemoveTestFolder(folder_); }

  // dll as a file of the test folder.
  std::string Place(const char* dll, const char* name) {
    const std::string to = folder_ + "\\" + name;
    EXPECT_TRUE(CopyFileA(BesideProgram(dll).c_str(), to.c_str(), FALSE));
    return to;
  }

  // A version-policy copy of source onto destination, the question (if any)
  // answered by answer().
  int VersionCopy(const std::string& source, PathBuffer& destination,
                  const std::function<void(HWND)>& answer, bool* asked) {
    VersionPolicy policy;
    PlainReader reader;
    CreateWriter writer;
    const CopyRequest request = MakeCopyRequest(policy, reader, writer);
    if (asked) *asked = false;
    return Driven("File Attribute Incompatible",
                  {[&](HWND box) {
                    if (asked) *asked = true;
                    answer(box);
                  }},
                  [&] { return ops_.Copy(source.c_str(), destination, 1, request, sink_); });
  }

  std::string folder_;
  FileOperations ops_;
  RecordingRecorder recorder_;
  Sink sink_;
};

// Same version numbers, another language: the user is asked, types another
// target path and copies there; the file first named stays as it was.
TEST_F(CopyDecisions, CopyToATypedPathAfterTheQuestion) {
  const std::string source = Place("hvtstamplang.dll", "new.dll");
  const std::string existing = Place("hvtstamp110.dll", "old.dll");
  const std::string typed = folder_ + "\\typed.dll";
  PathBuffer destination;
  ASSERT_TRUE(destination.Set(existing.c_str()));
  std::string shownTarget;
  bool asked = false;
  const int result = VersionCopy(
      source, destination,
      [&](HWND box) {
        shownTarget = TextOf(GetDlgItem(box, 107));
        SetDlgItemTextA(box, 107, typed.c_str());
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
      },
      &asked);
  EXPECT_TRUE(asked);
  EXPECT_EQ(shownTarget, existing);
  EXPECT_EQ(result, kCopyDone);
  EXPECT_STREQ(destination.Get(), typed.c_str());
  EXPECT_EQ(Content(typed), Content(BesideProgram("hvtstamplang.dll")));
  EXPECT_EQ(Content(existing), Content(BesideProgram("hvtstamp110.dll")));
  EXPECT_FALSE(Exists(folder_ + "\\tmp000.000"));
  ASSERT_EQ(recorder_.records.size(), 1u);
  EXPECT_EQ(recorder_.records[0].kind, "FileCopied");
  EXPECT_EQ(recorder_.records[0].key, typed);
  EXPECT_EQ(sink_.begins, 1);
  EXPECT_EQ(sink_.ends, 1);
}

TEST_F(CopyDecisions, SkipKeepsTheFileAndLeavesNoTemporaryFile) {
  const std::string source = Place("hvtstampcharset.dll", "new.dll");
  const std::string existing = Place("hvtstamp110.dll", "old.dll");
  PathBuffer destination;
  ASSERT_TRUE(destination.Set(existing.c_str()));
  bool asked = false;
  const int result = VersionCopy(
      source, destination,
      [](HWND box) { PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); },
      &asked);
  EXPECT_TRUE(asked);
  EXPECT_EQ(result, kCopySkipped);
  EXPECT_EQ(Content(existing), Content(BesideProgram("hvtstamp110.dll")));
  EXPECT_FALSE(Exists(folder_ + "\\tmp000.000"));
  EXPECT_TRUE(recorder_.records.empty());
}

// A compressed 1.10 replaces an installed 1.9 and is kept over by a 1.9:
// the comparison sees the decompressed file, not the compressed one.
TEST_F(CopyDecisions, ACompressedSourceIsComparedDecompressed) {
  const std::vector<unsigned char> newer = Content(BesideProgram("hvtstamp110.dll"));
  std::vector<uint8_t> packed;
  ASSERT_TRUE(szdd::Encode(newer.data(), newer.size(), packed));
  const std::string source = folder_ + "\\new.dl_";
  FILE* file = std::fopen(source.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fwrite(packed.data(), 1, packed.size(), file);
  std::fclose(file);
  const std::string existing = Place("hvtstamp19.dll", "old.dll");

  VersionPolicy policy;
  CompressedReader reader;
  CreateWriter writer;
  PathBuffer destination;
  ASSERT_TRUE(destination.Set(existing.c_str()));
  EXPECT_EQ(ops_.Copy(source.c_str(), destination, 1,
                      MakeCopyRequest(policy, reader, writer), sink_),
            kCopyDone);
  EXPECT_EQ(Content(existing), newer);

  // Now the installed file is the newer one: an older source is kept out.
  const std::string older = Place("hvtstamp19.dll", "older.dll");
  PlainReader plainReader;
  EXPECT_EQ(ops_.Copy(older.c_str(), destination, 1,
                      MakeCopyRequest(policy, plainReader, writer), sink_),
            kCopySkipped);
  EXPECT_EQ(Content(existing), newer);
  EXPECT_FALSE(Exists(folder_ + "\\tmp000.000"));
}

// Every installation of a shared file raises its count, also one whose copy
// was skipped; that one is still recorded, as the uninstaller takes every
// installation back.
TEST_F(CopyDecisions, ASharedFileCountsEveryInstallation) {
  char shared[MAX_PATH];
  ASSERT_TRUE(SharedFolder(shared, sizeof shared));
  const std::string target = std::string(shared) + "\\hvtshared.dll";
  const std::string source = Place("hvtstamp110.dll", "shared.dll");
  HKEY key = nullptr;
  const char kSharedKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
  DeleteFileA(target.c_str());

  auto install = [&](CopyPolicy& policy) {
    PlainReader reader;
    CreateWriter writer;
    PathBuffer destination;
    EXPECT_TRUE(destination.Set(target.c_str()));
    const int result = ops_.CopyRecorded(source.c_str(), destination, 0,
                                         MakeCopyRequest(policy, reader, writer), sink_);
    ops_.PushRecorder(NullRecorder::Instance());
    const long count = IncrementSharedCount(ops_, target.c_str());
    ops_.PopRecorder();
    return std::make_pair(result, count);
  };

  AlwaysCopyPolicy always;
  EXPECT_EQ(install(always), std::make_pair(static_cast<int>(kCopyDone), 1L));
  SizePolicy keepAny(0);
  EXPECT_EQ(install(keepAny), std::make_pair(static_cast<int>(kCopyDone), 2L));

  ASSERT_EQ(recorder_.records.size(), 2u);
  for (const Recorded& r : recorder_.records) {
    EXPECT_EQ(r.kind, "FileCopied");
    EXPECT_EQ(r.key, target);
    EXPECT_EQ(r.flag, 0);
  }
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSharedKey, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
  DWORD type = 0, value = 0, size = sizeof value;
  EXPECT_EQ(RegQueryValueExA(key, target.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(&value), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(value, 2u);
  RegDeleteValueA(key, target.c_str());
  RegCloseKey(key);
  DeleteFileA(target.c_str());
}

}  // namespace
