// Reading registry values for the system information program, against
// Wine's real registry; and the help file path.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "commands/help.h"
#include "runtime/application.h"

using namespace kelvane;

namespace {

const char kKey[] = "Software\\Haventide Tests\\GetKeyValue";

class KeyValue : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key_, nullptr),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    RegCloseKey(key_);
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Haventide Tests");
  }
  void Set(const char* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(RegSetValueExA(key_, name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
  }
  HKEY key_ = nullptr;
};

}  // namespace

TEST_F(KeyValue, TextStoredWithItsNulComesBackWithoutIt) {
  const char text[] = "C:\\TOOLS\\MSINFO32.EXE";
  Set("PATH", REG_SZ, text, sizeof text);  // counts the NUL
  std::string value = "old";
  EXPECT_TRUE(GetKeyValue(HKEY_CURRENT_USER, kKey, "PATH", value));
  EXPECT_EQ(value, text);
}

TEST_F(KeyValue, TextStoredWithoutNulKeepsEveryCharacter) {
  const char text[] = "C:\\TOOLS";
  Set("MSINFO", REG_SZ, text, static_cast<DWORD>(strlen(text)));
  std::string value;
  EXPECT_TRUE(GetKeyValue(HKEY_CURRENT_USER, kKey, "MSINFO", value));
  EXPECT_EQ(value, "C:\\TOOLS");
}

TEST_F(KeyValue, NumberBecomesDecimalText) {
  DWORD number = 4000000000u;
  Set("COUNT", REG_DWORD, &number, sizeof number);
  std::string value;
  EXPECT_TRUE(GetKeyValue(HKEY_CURRENT_USER, kKey, "COUNT", value));
  EXPECT_EQ(value, "4000000000");
  number = 0;
  Set("COUNT", REG_DWORD, &number, sizeof number);
  EXPECT_TRUE(GetKeyValue(HKEY_CURRENT_USER, kKey, "COUNT", value));
  EXPECT_EQ(value, "0");
}

TEST_F(KeyValue, OtherTypesLeaveTheTextAsItWas) {
  const unsigned char bytes[] = {1, 2, 3};
  Set("BLOB", REG_BINARY, bytes, sizeof bytes);
  std::string value = "unchanged";
  EXPECT_TRUE(GetKeyValue(HKEY_CURRENT_USER, kKey, "BLOB", value));
  EXPECT_EQ(value, "unchanged");
  const char expandable[] = "%WINDIR%\\MSINFO32.EXE";
  Set("EXPAND", REG_EXPAND_SZ, expandable, sizeof expandable);
  EXPECT_TRUE(GetKeyValue(HKEY_CURRENT_USER, kKey, "EXPAND", value));
  EXPECT_EQ(value, "unchanged");
}

TEST_F(KeyValue, MissingKeyOrValueGivesFalseAndEmptyText) {
  std::string value = "old";
  EXPECT_FALSE(
      GetKeyValue(HKEY_CURRENT_USER, "Software\\Haventide Tests\\No Such Key", "PATH", value));
  EXPECT_EQ(value, "");
  value = "old";
  EXPECT_FALSE(GetKeyValue(HKEY_CURRENT_USER, kKey, "NOSUCHVALUE", value));
  EXPECT_EQ(value, "");
}

TEST_F(KeyValue, ValueLongerThanTheBufferIsAFailure) {
  std::string text(1500, 'x');
  Set("LONG", REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
  std::string value = "old";
  EXPECT_FALSE(GetKeyValue(HKEY_CURRENT_USER, kKey, "LONG", value));
  EXPECT_EQ(value, "");
  // 1024 bytes with the NUL still fit.
  text.assign(1023, 'y');
  Set("LONG", REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
  EXPECT_TRUE(GetKeyValue(HKEY_CURRENT_USER, kKey, "LONG", value));
  EXPECT_EQ(value, text);
}

TEST(HelpFile, LiesInTheProgramsFolder) {
  char self[MAX_PATH] = {0};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string folder = self;
  folder.erase(folder.find_last_of('\\'));
  InitHelp(nullptr);
  EXPECT_EQ(HelpFilePath(), folder + "\\KELVANE.HLP");
  EXPECT_EQ(app::ProgramFolder(), folder);
}
