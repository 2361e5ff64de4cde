#include "product/haventide_tables.h"
#include "product/table_product.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class HaventideProductTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ProductDirectories& folders = product.Directories();
    std::snprintf(folders.source, sizeof folders.source, "A:\\");
    std::snprintf(folders.windows, sizeof folders.windows, "C:\\WINDOWS");
    std::snprintf(folders.system, sizeof folders.system, "C:\\WINDOWS\\SYSTEM");
    std::snprintf(folders.install, sizeof folders.install,
                  "C:\\Program Files\\Configuration Haventide");
  }
  TableProduct product{kHaventideTables};
};

TEST_F(HaventideProductTest, RequiredSpaceOfTheCopyRows) {
  EXPECT_EQ(CopyRowBytes(product), 2191282.0);
  EXPECT_EQ(static_cast<int>(CopyRowBytes(product) / 1024), 2139);
}

TEST_F(HaventideProductTest, FileRowsFromTheirFolders) {
  struct Row {
    const char* source;
    const char* destination;
    int storedPlain, shared, policy, size;
    const char* label;
  };
  const Row rows[] = {
      {"A:\\Vantrel3.exe", "C:\\WINDOWS\\Vantrel3.exe", 0, 1, 1, 146464, "Uninstaller"},
      {"A:\\Kelvane.exe", "C:\\Program Files\\Configuration Haventide\\Kelvane.exe", 0, 0, 0,
       149504, ""},
      {"A:\\Kelvane.hlp", "C:\\Program Files\\Configuration Haventide\\Kelvane.hlp", 0, 0, 0, 41084,
       ""},
      {"A:\\Msvbvm50.dll", "C:\\WINDOWS\\SYSTEM\\Msvbvm50.dll", 0, 1, 1, 1347344, ""},
      {"A:\\Oleaut32.dll", "C:\\WINDOWS\\SYSTEM\\Oleaut32.dll", 0, 1, 1, 490256, ""},
      {"A:\\ReadMe.txt", "C:\\Program Files\\Configuration Haventide\\ReadMe.txt", 1, 0, 0, 5317,
       ""},
      {"A:\\Restore.bat", "C:\\WINDOWS\\COMMAND\\Restore.bat", 1, 0, 0, 10203, ""},
      {"A:\\WhatsNew.txt", "C:\\Program Files\\Configuration Haventide\\WhatsNew.txt", 1, 0, 0,
       1110, ""},
  };
  ASSERT_EQ(product.FileRowCount(), 8);
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    FileEntry entry;
    int flag = 0;
    ASSERT_TRUE(product.InstallRow(i, flag));
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(product.RowKind(i), kRowCopy);
    ASSERT_TRUE(product.GetFileEntry(i, entry));
    EXPECT_STREQ(entry.source.Get(), rows[i].source);
    EXPECT_STREQ(entry.destination.Get(), rows[i].destination);
    EXPECT_EQ(entry.storedPlain, rows[i].storedPlain);
    EXPECT_EQ(entry.shared, rows[i].shared);
    EXPECT_EQ(entry.append + entry.font, 0);
    EXPECT_EQ(entry.policy, rows[i].policy);
    EXPECT_EQ(entry.size, rows[i].size);
    EXPECT_EQ(product.RowSize(i), rows[i].size);
    EXPECT_STREQ(entry.label, rows[i].label);
    EXPECT_STREQ(entry.diskLabel, "Installation Disk 1");
  }
  int flag = 7;
  EXPECT_TRUE(product.InstallRow(8, flag));
  EXPECT_EQ(flag, 7);
}

TEST_F(HaventideProductTest, ProgramItemsStartTheUtilityAndNotepad) {
  const char* const expected[][3] = {
      {"Configuration Haventide", "\"C:\\Program Files\\Configuration Haventide\\Kelvane.exe\"",
       "C:\\Program Files\\Configuration Haventide\\Kelvane.exe"},
      {"Read Me", "\"Notepad\" \"C:\\Program Files\\Configuration Haventide\\ReadMe.txt\"", ""},
      {"What's New", "\"Notepad\" \"C:\\Program Files\\Configuration Haventide\\WhatsNew.txt\"",
       ""},
  };
  ASSERT_EQ(product.ProgramItemCount(), 3);
  for (int i = 0; i < 3; ++i) {
    ProgramItem item;
    ASSERT_TRUE(product.GetProgramItem(i, item));
    EXPECT_STREQ(item.group, "Configuration Haventide");
    EXPECT_STREQ(item.title, expected[i][0]);
    EXPECT_STREQ(item.commandLine, expected[i][1]);
    EXPECT_STREQ(item.iconPath.Get(), expected[i][2]);
    EXPECT_STREQ(item.workingDirectory.Get(), "");
    EXPECT_EQ(item.iconIndex, 0);
  }
  ProgramItem untouched;
  EXPECT_TRUE(product.GetProgramItem(3, untouched));
  EXPECT_STREQ(untouched.title, "");
}

TEST_F(HaventideProductTest, UninstallEntryLeavesTheBlankUnquoted) {
  RegistryEntry name, command, untouched;
  ASSERT_TRUE(product.GetRegistryEntry(0, name));
  ASSERT_TRUE(product.GetRegistryEntry(1, command));
  for (const RegistryEntry* entry : {&name, &command}) {
    EXPECT_EQ(entry->root, 2);
    EXPECT_EQ(entry->type, 1);
    EXPECT_STREQ(
        entry->key,
        "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Configuration Haventide");
  }
  EXPECT_STREQ(name.valueName, "DisplayName");
  EXPECT_STREQ(name.data, "Configuration Haventide");
  EXPECT_STREQ(command.valueName, "UninstallString");
  EXPECT_STREQ(command.data,
               "C:\\WINDOWS\\vantrel3.exe C:\\Program Files\\Configuration Haventide\\filog.ini");
  EXPECT_TRUE(product.GetRegistryEntry(2, untouched));
  EXPECT_STREQ(untouched.valueName, "");
}

TEST_F(HaventideProductTest, TitleNameAndFolder) {
  TitleLine line;
  ASSERT_EQ(product.TitleLineCount(), 3);
  ASSERT_TRUE(product.GetTitleLine(2, line));
  EXPECT_STREQ(line.text, "For Windows 95");
  EXPECT_STREQ(line.face, "Arial");
  EXPECT_EQ(line.x + line.y + line.height + line.width, 650 + 120 + 60 + 290);
  EXPECT_EQ(line.colour, 0x00FFFFu);
  char name[60];
  ASSERT_TRUE(product.ProductName(name, sizeof name));
  EXPECT_STREQ(name, "Configuration Haventide");
  EXPECT_FALSE(product.ProductName(name, 23));
  PathBuffer folder;
  ASSERT_TRUE(product.InstallDirectory(folder));
  EXPECT_STREQ(folder.Get(), "C:\\Program Files\\Configuration Haventide");
}

TEST_F(HaventideProductTest, TooLongFolderIsRefusedNotCut) {
  std::string longFolder(250, 'x');
  std::snprintf(product.Directories().install, kDirectoryChars, "%s", longFolder.c_str());
  FileEntry entry;
  EXPECT_FALSE(product.GetFileEntry(1, entry));
  RegistryEntry command;
  EXPECT_TRUE(product.GetRegistryEntry(1, command));  // 2048 characters hold it
}

}  // namespace
