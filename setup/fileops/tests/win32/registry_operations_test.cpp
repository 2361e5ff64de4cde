#include "fileops/file_operations.h"
#include "recording_recorder.h"
#include "registry_test_key.h"
#include "base/shell_info.h"
#include "base/registry_roots.h"
#include "ui/dialogs/engine_error_boxes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class RegistryOperationsTest : public ::testing::Test {
 protected:
  RegistryOperationsTest() : key_("Reg") {
    ops_.SetQuiet(true);
    ops_.PushRecorder(recorder_);
  }
  ~RegistryOperationsTest() override { CurrentShellInfo().platformKind = savedPlatform_; }

  const std::vector<Recorded>& Records() const { return recorder_.records; }

  EngineErrorBoxes boxes_;

  FileOperations ops_{boxes_};
  RecordingRecorder recorder_;
  TestKey key_;
  int savedPlatform_ = CurrentShellInfo().platformKind;
};

TEST_F(RegistryOperationsTest, RootHandlesAndNames) {
  EXPECT_EQ(RootHandle(0), HKEY_CLASSES_ROOT);
  EXPECT_EQ(RootHandle(1), HKEY_CURRENT_USER);
  EXPECT_EQ(RootHandle(2), HKEY_LOCAL_MACHINE);
  EXPECT_EQ(RootHandle(3), HKEY_USERS);
  EXPECT_EQ(reinterpret_cast<ULONG_PTR>(RootHandle(7)), ~static_cast<ULONG_PTR>(0));
  EXPECT_EQ(reinterpret_cast<ULONG_PTR>(RootHandle(-1)), ~static_cast<ULONG_PTR>(0));
  EXPECT_STREQ(RootName(0), "HKEY_CLASSES_ROOT");
  EXPECT_STREQ(RootName(1), "HKEY_CURRENT_USER");
  EXPECT_STREQ(RootName(2), "HKEY_LOCAL_MACHINE");
  EXPECT_STREQ(RootName(3), "HKEY_USERS");
  EXPECT_STREQ(RootName(4), "Unknown");
  EXPECT_STREQ(RootName(7), "Unknown");
}

TEST_F(RegistryOperationsTest, KeyExists) {
  EXPECT_TRUE(ops_.KeyExists(kRootCurrentUser, key_.Path().c_str()));
  EXPECT_FALSE(ops_.KeyExists(kRootCurrentUser, key_.Sub("Missing").c_str()));
  EXPECT_FALSE(ops_.KeyExists(7, "Software"));
  EXPECT_TRUE(Records().empty());
}

TEST_F(RegistryOperationsTest, CreateKeyRecordsParentsBeforeChildren) {
  const std::string leaf = key_.Sub("A\\B\\C");
  ASSERT_TRUE(ops_.CreateKey(kRootCurrentUser, leaf.c_str()));
  EXPECT_TRUE(RawKeyExists(HKEY_CURRENT_USER, leaf));
  ASSERT_EQ(Records().size(), 3u);
  const char* expected[] = {"A", "A\\B", "A\\B\\C"};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(Records()[i].kind, "RegKeyCreated");
    EXPECT_EQ(Records()[i].root, kRootCurrentUser);
    EXPECT_EQ(Records()[i].key, key_.Sub(expected[i]));
  }
  EXPECT_EQ(ops_.LastError(), kFileOpOk);
}

TEST_F(RegistryOperationsTest, AnExistingKeyIsNeitherMadeNorRecorded) {
  ASSERT_TRUE(ops_.CreateKey(kRootCurrentUser, key_.Path().c_str()));
  EXPECT_TRUE(Records().empty());
}

TEST_F(RegistryOperationsTest, AKeyLongerThanAPathIsRefused) {
  std::string tooLong = key_.Path() + "\\" + std::string(PathBuffer::kMaxLength, 'k');
  EXPECT_FALSE(ops_.CreateKey(kRootCurrentUser, tooLong.c_str()));
  EXPECT_EQ(ops_.LastError(), kFileOpGeneral);
  EXPECT_TRUE(Records().empty());
  EXPECT_FALSE(ops_.SetValue(kRootCurrentUser, tooLong.c_str(), "v", REG_SZ, 1, ""));
  EXPECT_TRUE(Records().empty());
}

TEST_F(RegistryOperationsTest, SettingAValueUnderAMissingKeyCreatesTheKey) {
  const std::string key = key_.Sub("New");
  ASSERT_TRUE(ops_.SetValue(kRootCurrentUser, key.c_str(), "Text", REG_SZ, 4, "abc"));
  ASSERT_EQ(Records().size(), 2u);
  EXPECT_EQ(Records()[0].kind, "RegKeyCreated");
  EXPECT_EQ(Records()[0].key, key);
  EXPECT_EQ(Records()[1].kind, "RegValueCreated");
  EXPECT_EQ(Records()[1].root, kRootCurrentUser);
  EXPECT_EQ(Records()[1].key, key);
  EXPECT_EQ(Records()[1].name, "Text");
  char text[16];
  ASSERT_TRUE(ops_.ReadString(kRootCurrentUser, key.c_str(), "Text", text, sizeof text));
  EXPECT_STREQ(text, "abc");
}

TEST_F(RegistryOperationsTest, ANewValueUnderAnExistingKey) {
  const DWORD one = 1;
  ASSERT_TRUE(ops_.SetValue(kRootCurrentUser, key_.Path().c_str(), "Count", REG_DWORD, 4, &one));
  ASSERT_EQ(Records().size(), 1u);
  EXPECT_EQ(Records()[0].kind, "RegValueCreated");
  EXPECT_EQ(Records()[0].name, "Count");
}

TEST_F(RegistryOperationsTest, ChangingADwordRecordsItsFormerBytes) {
  const DWORD former = 0x11223344, next = 5;
  ASSERT_TRUE(RawSetValue(HKEY_CURRENT_USER, key_.Path(), "Count", REG_DWORD, &former, 4));
  ASSERT_TRUE(ops_.SetValue(kRootCurrentUser, key_.Path().c_str(), "Count", REG_DWORD, 4, &next));
  ASSERT_EQ(Records().size(), 1u);
  const Recorded& r = Records()[0];
  EXPECT_EQ(r.kind, "RegValueChanged");
  EXPECT_EQ(r.root, kRootCurrentUser);
  EXPECT_EQ(r.key, key_.Path());
  EXPECT_EQ(r.name, "Count");
  EXPECT_EQ(r.oldType, 4u);
  EXPECT_EQ(r.oldSize, 4u);
  EXPECT_EQ(r.oldData, (std::vector<unsigned char>{0x44, 0x33, 0x22, 0x11}));
  DWORD type = 0, size = 0;
  unsigned char* data = ops_.ReadValue(kRootCurrentUser, key_.Path().c_str(), "Count", type, size);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(size, 4u);
  DWORD now = 0;
  std::memcpy(&now, data, 4);
  EXPECT_EQ(now, 5u);
  delete[] data;
}

TEST_F(RegistryOperationsTest, TheSameDataStillRecordsAChange) {
  const DWORD value = 9;
  ASSERT_TRUE(RawSetValue(HKEY_CURRENT_USER, key_.Path(), "Same", REG_DWORD, &value, 4));
  ASSERT_TRUE(ops_.SetValue(kRootCurrentUser, key_.Path().c_str(), "Same", REG_DWORD, 4, &value));
  ASSERT_EQ(Records().size(), 1u);
  EXPECT_EQ(Records()[0].kind, "RegValueChanged");
  EXPECT_EQ(Records()[0].oldType, 4u);
  EXPECT_EQ(Records()[0].oldData, (std::vector<unsigned char>{9, 0, 0, 0}));
}

TEST_F(RegistryOperationsTest, AFormerValueOfAnotherTypeAndSize) {
  ASSERT_TRUE(RawSetValue(HKEY_CURRENT_USER, key_.Path(), "Mixed", REG_SZ, "hello", 6));
  const DWORD value = 2;
  ASSERT_TRUE(ops_.SetValue(kRootCurrentUser, key_.Path().c_str(), "Mixed", REG_DWORD, 4, &value));
  ASSERT_EQ(Records().size(), 1u);
  EXPECT_EQ(Records()[0].oldType, static_cast<uint32_t>(REG_SZ));
  EXPECT_EQ(Records()[0].oldSize, 6u);
  EXPECT_EQ(Records()[0].oldData, (std::vector<unsigned char>{'h', 'e', 'l', 'l', 'o', 0}));
}

TEST_F(RegistryOperationsTest, AnEmptyFormerValueRecordsNoBytes) {
  ASSERT_TRUE(RawSetValue(HKEY_CURRENT_USER, key_.Path(), "Empty", REG_BINARY, "", 0));
  ASSERT_TRUE(ops_.SetValue(kRootCurrentUser, key_.Path().c_str(), "Empty", REG_BINARY, 2, "xy"));
  ASSERT_EQ(Records().size(), 1u);
  EXPECT_EQ(Records()[0].kind, "RegValueChanged");
  EXPECT_EQ(Records()[0].oldType, static_cast<uint32_t>(REG_BINARY));
  EXPECT_EQ(Records()[0].oldSize, 0u);
  EXPECT_TRUE(Records()[0].oldData.empty());
}

TEST_F(RegistryOperationsTest, ReadValueOfMissingValuesAndKeys) {
  DWORD type = 7, size = 7;
  EXPECT_EQ(ops_.ReadValue(kRootCurrentUser, key_.Path().c_str(), "None", type, size), nullptr);
  EXPECT_EQ(type, 0u);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(ops_.ReadValue(kRootCurrentUser, key_.Sub("None").c_str(), "x", type, size), nullptr);
  EXPECT_EQ(ops_.ReadValue(7, "Software", "x", type, size), nullptr);
  EXPECT_EQ(ops_.LastError(), kFileOpOk);  // a missing value is not reported
}

TEST_F(RegistryOperationsTest, ReadStringTakesOnlyStringsAndCutsToFit) {
  const DWORD number = 3;
  ASSERT_TRUE(RawSetValue(HKEY_CURRENT_USER, key_.Path(), "Number", REG_DWORD, &number, 4));
  ASSERT_TRUE(RawSetValue(HKEY_CURRENT_USER, key_.Path(), "Long", REG_SZ, "abcdefgh", 9));
  char text[5] = "zzzz";
  EXPECT_FALSE(ops_.ReadString(kRootCurrentUser, key_.Path().c_str(), "Number", text, 5));
  EXPECT_FALSE(ops_.ReadString(kRootCurrentUser, key_.Path().c_str(), "Missing", text, 5));
  ASSERT_TRUE(ops_.ReadString(kRootCurrentUser, key_.Path().c_str(), "Long", text, 5));
  EXPECT_STREQ(text, "abcd");
}

TEST_F(RegistryOperationsTest, AnUnknownRootFailsWithoutRecording) {
  const DWORD value = 1;
  EXPECT_FALSE(ops_.SetValue(7, "Software\\HaventideNever", "v", REG_DWORD, 4, &value));
  EXPECT_EQ(ops_.LastError(), kFileOpGeneral);
  EXPECT_FALSE(ops_.CreateKey(7, "Software\\HaventideNever"));
  EXPECT_EQ(ops_.LastError(), kFileOpGeneral);
  EXPECT_TRUE(Records().empty());
}

TEST_F(RegistryOperationsTest, OnWin32sOnlyTheClassesRootIsThere) {
  CurrentShellInfo().platformKind = kPlatformWin32s;
  const std::string key = key_.Sub("Win32s");
  const DWORD value = 1;
  EXPECT_TRUE(ops_.CreateKey(kRootCurrentUser, key.c_str()));
  EXPECT_TRUE(ops_.SetValue(kRootLocalMachine, key.c_str(), "v", REG_DWORD, 4, &value));
  EXPECT_TRUE(ops_.SetValue(kRootCurrentUser, key.c_str(), "v", REG_DWORD, 4, &value));
  EXPECT_TRUE(ops_.KeyExists(kRootUsers, "HaventideNever"));
  EXPECT_TRUE(Records().empty());
  EXPECT_FALSE(RawKeyExists(HKEY_CURRENT_USER, key));

  DWORD type = 0, size = 0;
  unsigned char* data = ops_.ReadValue(kRootCurrentUser, key.c_str(), "v", type, size);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, 1u);
  EXPECT_EQ(data[0], 0);
  delete[] data;
  char text[8] = "zzz";
  EXPECT_TRUE(ops_.ReadString(kRootLocalMachine, "Anything", "v", text, sizeof text));
  EXPECT_STREQ(text, "");

  // The classes root is really asked.
  EXPECT_FALSE(ops_.KeyExists(kRootClasses, "HaventideNeverAClass"));
  EXPECT_EQ(ops_.ReadValue(kRootClasses, "HaventideNeverAClass", "v", type, size), nullptr);
  EXPECT_EQ(ops_.LastError(), kFileOpOk);
}

}  // namespace
