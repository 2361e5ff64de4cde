#include "fileops/shared_count.h"

#include "fileops/file_operations.h"
#include "recording_recorder.h"
#include "registry_test_key.h"
#include "test_folder.h"
#include "base/shell_info.h"
#include "base/registry_roots.h"
#include "ui/dialogs/engine_error_boxes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char kSharedKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

class SharedCounts : public ::testing::Test {
 protected:
  SharedCounts() {
    CurrentShellInfo().platformKind = kPlatformWindows;
    ops_.SetQuiet(true);
    ops_.PushRecorder(recorder_);
    char folder[MAX_PATH];
    if (SharedFolder(folder, sizeof folder)) shared_ = folder;
    char name[64];
    std::snprintf(name, sizeof name, "\\hvtshared%lu.dll",
                  static_cast<unsigned long>(GetCurrentProcessId()));
    file_ = shared_ + name;
    RegDeleteValueA(Key(), file_.c_str());
  }
  ~SharedCounts() override {
    RegDeleteValueA(Key(), file_.c_str());
    if (key_) RegCloseKey(key_);
    CurrentShellInfo().platformKind = savedPlatform_;
  }

  HKEY Key() {
    if (!key_)
      RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSharedKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                      &key_, nullptr);
    return key_;
  }
  // The stored value: true when there is one.
  bool Stored(const std::string& name, DWORD& type, DWORD& value) {
    DWORD size = sizeof value;
    value = 0;
    return RegQueryValueExA(Key(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                            &size) == ERROR_SUCCESS &&
           size == 4;
  }

  bool Store(DWORD type, const void* data, DWORD size) {
    return RegSetValueExA(Key(), file_.c_str(), 0, type, static_cast<const BYTE*>(data), size) ==
           ERROR_SUCCESS;
  }
  // The test file's value has this type and count.
  void ExpectStored(DWORD expectedType, DWORD expectedCount) {
    DWORD type = 0, value = 0;
    ASSERT_TRUE(Stored(file_, type, value));
    EXPECT_EQ(type, expectedType);
    EXPECT_EQ(value, expectedCount);
  }

  int savedPlatform_ = CurrentShellInfo().platformKind;
  EngineErrorBoxes boxes_;
  FileOperations ops_{boxes_};
  RecordingRecorder recorder_;
  HKEY key_ = nullptr;
  std::string shared_;
  std::string file_;
};

TEST_F(SharedCounts, CurrentVersionKeyFollowsThePlatform) {
  EXPECT_STREQ(CurrentVersionKey(), "SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
  CurrentShellInfo().platformKind = kPlatformNt;
  EXPECT_STREQ(CurrentVersionKey(), "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion");
  CurrentShellInfo().platformKind = kPlatformWin32s;
  EXPECT_EQ(CurrentVersionKey(), nullptr);
}

TEST_F(SharedCounts, TheSharedFolderIsTheSystemFolder) {
  char system[MAX_PATH];
  ASSERT_GT(GetSystemDirectoryA(system, MAX_PATH), 0u);
  EXPECT_EQ(lstrcmpiA(shared_.c_str(), system), 0) << shared_ << " / " << system;
}

TEST_F(SharedCounts, CommonFilesFolderIsTheRegisteredOneOrTheSharedFolder) {
  char folder[MAX_PATH];
  ASSERT_TRUE(CommonFilesFolder(ops_, folder, sizeof folder));
  char registered[MAX_PATH] = "";
  DWORD size = sizeof registered, type = 0;
  HKEY key = nullptr;
  bool found = false;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", 0, KEY_READ,
                    &key) == ERROR_SUCCESS) {
    found = RegQueryValueExA(key, "CommonFilesDir", nullptr, &type,
                             reinterpret_cast<BYTE*>(registered), &size) == ERROR_SUCCESS &&
            type == REG_SZ && registered[0];
    RegCloseKey(key);
  }
  EXPECT_STREQ(folder, found ? registered : shared_.c_str());
}

TEST_F(SharedCounts, FirstInstallationStoresOneAsBinaryThenTwo) {
  ASSERT_FALSE(shared_.empty());
  EXPECT_EQ(SharedCount(ops_, file_.c_str()), 0);
  EXPECT_EQ(IncrementSharedCount(ops_, file_.c_str()), 1);
  ExpectStored(REG_BINARY, 1);
  EXPECT_EQ(IncrementSharedCount(ops_, file_.c_str()), 2);
  ExpectStored(REG_BINARY, 2);
  EXPECT_EQ(SharedCount(ops_, file_.c_str()), 2);
  // Through the registry operation, so recorded unless the caller says not.
  ASSERT_EQ(recorder_.records.size(), 2u);
  EXPECT_EQ(recorder_.records[0].kind, "RegValueCreated");
  EXPECT_EQ(recorder_.records[0].root, kRootLocalMachine);
  EXPECT_EQ(recorder_.records[0].key, kSharedKey);
  EXPECT_EQ(recorder_.records[0].name, file_);
  EXPECT_EQ(recorder_.records[1].kind, "RegValueChanged");
  EXPECT_EQ(recorder_.records[1].oldData, (std::vector<unsigned char>{1, 0, 0, 0}));
}

// What an installation counts: one more, but a file it found there with no
// count (the machine's own) starts at 2, so that taking the installation
// back leaves it counted; outside the shared folders nothing.
TEST_F(SharedCounts, AFileFoundWithoutACountIsCountedTwice) {
  const DWORD three = 3;
  const struct {
    bool existed;
    bool counted;  // three before
    long count;
  } rows[] = {{false, false, 1}, {true, false, 2}, {true, true, 4}, {false, true, 4}};
  for (const auto& row : rows) {
    RegDeleteValueA(Key(), file_.c_str());
    if (row.counted) {
      ASSERT_TRUE(Store(REG_BINARY, &three, 4));
    }
    EXPECT_EQ(CountInstalledFile(ops_, file_.c_str(), row.existed), row.count)
        << row.existed << row.counted;
    ExpectStored(REG_BINARY, static_cast<DWORD>(row.count));
  }
  const std::string temp = TempFolder();
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(CountInstalledFile(ops_, (std::string(temp) + "hvtoutside.dll").c_str(), true), -1);
}

// The key is made, recorded, by the first file counted; later ones find it.
TEST_F(SharedCounts, TheKeyIsMadeAndRecordedOnceBeforeTheFirstCount) {
  CurrentShellInfo().platformKind = kPlatformNt;  // a key no other test fills
  const char kNtKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\SharedDLLs";
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kNtKey);
  const std::string temp = TempFolder();
  ASSERT_FALSE(temp.empty());
  EXPECT_TRUE(MakeSharedCountKey(ops_, (std::string(temp) + "hvtoutside.dll").c_str()));
  EXPECT_TRUE(recorder_.records.empty());
  EXPECT_TRUE(MakeSharedCountKey(ops_, file_.c_str()));
  EXPECT_TRUE(MakeSharedCountKey(ops_, file_.c_str()));
  ASSERT_EQ(recorder_.records.size(), 1u);
  EXPECT_EQ(recorder_.records[0].kind, "RegKeyCreated");
  EXPECT_EQ(recorder_.records[0].key, kNtKey);
  EXPECT_EQ(RegDeleteKeyA(HKEY_LOCAL_MACHINE, kNtKey), ERROR_SUCCESS);
}

TEST_F(SharedCounts, ADwordCountStaysADword) {
  const DWORD five = 5;
  ASSERT_TRUE(Store(REG_DWORD, &five, 4));
  EXPECT_EQ(SharedCount(ops_, file_.c_str()), 5);
  EXPECT_EQ(IncrementSharedCount(ops_, file_.c_str()), 6);
  ExpectStored(REG_DWORD, 6);
}

TEST_F(SharedCounts, ValuesOfOtherShapesCountZero) {
  ASSERT_TRUE(Store(REG_SZ, "7", 2));
  EXPECT_EQ(SharedCount(ops_, file_.c_str()), 0);
  const unsigned char shortBinary[2] = {9, 0};
  ASSERT_TRUE(Store(REG_BINARY, shortBinary, 2));
  EXPECT_EQ(SharedCount(ops_, file_.c_str()), 0);
  ASSERT_TRUE(Store(REG_DWORD, shortBinary, 2));
  EXPECT_EQ(SharedCount(ops_, file_.c_str()), 0);  // too short to hold a count
  EXPECT_EQ(IncrementSharedCount(ops_, file_.c_str()), 1);
  ExpectStored(REG_BINARY, 1);
}

TEST_F(SharedCounts, AFileOutsideTheSharedFoldersHasNoCount) {
  const std::string temp = TempFolder();
  ASSERT_FALSE(temp.empty());
  const std::string outside = std::string(temp) + "hvtoutside.dll";
  const std::string lookalike = shared_ + "X\\hvtoutside.dll";
  for (const std::string& path : {outside, lookalike}) {
    EXPECT_EQ(SharedCount(ops_, path.c_str()), -1) << path;
    EXPECT_EQ(IncrementSharedCount(ops_, path.c_str()), -1) << path;
    DWORD type = 0, value = 0;
    EXPECT_FALSE(Stored(path, type, value)) << path;
  }
  EXPECT_TRUE(recorder_.records.empty());
}

TEST_F(SharedCounts, AFileInTheCommonFilesFolderIsCounted) {
  char folder[MAX_PATH];
  ASSERT_TRUE(CommonFilesFolder(ops_, folder, sizeof folder));
  const std::string path = std::string(folder) + "\\Haventide\\hvtcommon.dll";
  RegDeleteValueA(Key(), path.c_str());
  EXPECT_EQ(SharedCount(ops_, path.c_str()), 0);
  EXPECT_EQ(IncrementSharedCount(ops_, path.c_str()), 1);
  RegDeleteValueA(Key(), path.c_str());
}

TEST_F(SharedCounts, Win32sKeepsNoCounts) {
  CurrentShellInfo().platformKind = kPlatformWin32s;
  EXPECT_EQ(SharedCount(ops_, file_.c_str()), 0);
  EXPECT_EQ(IncrementSharedCount(ops_, file_.c_str()), 1);
  DWORD type = 0, value = 0;
  EXPECT_FALSE(Stored(file_, type, value));
  EXPECT_TRUE(recorder_.records.empty());
}

}  // namespace
