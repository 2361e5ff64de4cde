// The command line's log path, INI section editing, the item record and
// the chain name, without the platform.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/ini_lines.h"
#include "core/item_record.h"
#include "core/log_path.h"
#include "core/removal_log.h"

namespace {

using Strings = std::vector<std::string>;

TEST(LogPath, TheWholeTailLessOnePairOfQuotes) {
  const struct {
    const char* line;
    const char* path;
  } rows[] = {
      {"C:\\WINDOWS\\vantrel3.exe C:\\Program Files\\Configuration Haventide\\filog.ini",
       "C:\\Program Files\\Configuration Haventide\\filog.ini"},
      {"\"C:\\My Windows\\Vantrel3.exe\"   \"C:\\A B\\filog.ini\"  ", "C:\\A B\\filog.ini"},
      {"Vantrel3.exe\tC:\\WINDOWS\\filog.ini", "C:\\WINDOWS\\filog.ini"},
      {"Vantrel3.exe \"\"x\"\"", "\"x\""},
      {"Vantrel3.exe \"C:\\half", "\"C:\\half"},
      {"\"C:\\unclosed\\Vantrel3.exe C:\\x.ini", ""},
      {"Vantrel3.exe", ""},
      {"Vantrel3.exe    ", ""},
      {"", ""},
      {nullptr, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.line ? row.line : "(null)");
    EXPECT_EQ(LogPathOf(row.line), row.path);
  }
}

TEST(IniLines, OccurrencesAreAddressedByKeyIgnoringCase) {
  const Strings section = {"Key=1", "Other=x", " key =2", "KEY=3"};
  const struct {
    int op;  // 0 remove, 1 change, 2 insert
    unsigned occurrence;
    bool found;
    Strings after;
  } rows[] = {
      {0, 0, true, {"Other=x", " key =2", "KEY=3"}},
      {0, 1, true, {"Key=1", "Other=x", "KEY=3"}},
      {0, 3, false, section},
      {1, 2, true, {"Key=1", "Other=x", " key =2", "Key=old"}},
      {1, 5, false, section},
      {2, 1, true, {"Key=1", "Other=x", "Key=old", " key =2", "KEY=3"}},
      {2, 9, true, {"Key=1", "Other=x", " key =2", "KEY=3", "Key=old"}},
  };
  for (const auto& row : rows) {
    Strings lines = section;
    bool found = true;
    if (row.op == 0) found = RemoveEntry(lines, "Key", row.occurrence);
    if (row.op == 1) found = ChangeEntry(lines, "Key", "old", row.occurrence);
    if (row.op == 2) InsertEntry(lines, "Key", "old", row.occurrence);
    EXPECT_EQ(found, row.found) << row.op << " " << row.occurrence;
    EXPECT_EQ(lines, row.after) << row.op << " " << row.occurrence;
  }
  Strings empty;
  InsertEntry(empty, "New", "v", 0);
  EXPECT_EQ(empty, Strings{"New=v"});
  EXPECT_FALSE(RemoveEntry(empty, "Ne", 0));
}

TEST(ItemRecord, OnlyA1112ByteItemWithEndedTextsIsOne) {
  GroupItem item;
  std::strcpy(item.name, "Read Me");
  std::strcpy(item.iconPath, "C:\\HAVEN\\K.EXE");
  item.hotKey = 3;
  std::vector<uint8_t> record(sizeof item);
  std::memcpy(record.data(), &item, sizeof item);
  GroupItem read;
  ASSERT_TRUE(GroupItemFromRecord(record, read));
  EXPECT_STREQ(read.name, "Read Me");
  EXPECT_STREQ(read.iconPath, "C:\\HAVEN\\K.EXE");
  EXPECT_EQ(read.hotKey, 3);

  std::vector<uint8_t> unended = record;
  std::memset(unended.data() + offsetof(GroupItem, workingDirectory), 'x', kItemPathChars);
  EXPECT_FALSE(GroupItemFromRecord(unended, read));
  EXPECT_STREQ(read.name, "Read Me");  // untouched
  record.pop_back();
  EXPECT_FALSE(GroupItemFromRecord(record, read));
}

TEST(RemovalLogName, TheChainNamesAPlainFileBesideTheLog) {
  const struct {
    const char name[12];
    EarlierLog kind;
    const char* path;
  } rows[] = {
      {"filog.bak", EarlierLog::kNamed, "C:\\App\\filog.bak"},
      {{'f', 'i', 'l', 'o', 'g', '.', '0', '0', '7', 0, 0, 0},
       EarlierLog::kNamed,
       "C:\\App\\filog.007"},
      {{}, EarlierLog::kNone, ""},
      {{'0', '1', '2', '3', '4', '5', '6', '7', '.', '0', '1', '2'}, EarlierLog::kNone, ""},
      {"..\\x.ini", EarlierLog::kInvalid, ""},
      {"C:x", EarlierLog::kInvalid, ""},
      {"..", EarlierLog::kInvalid, ""},
      {{'a', 0, 'b'}, EarlierLog::kInvalid, ""},
      {"a b", EarlierLog::kInvalid, ""},
  };
  for (const auto& row : rows) {
    RemovalLog log;
    log.path = "C:\\App\\filog.ini";
    std::memcpy(log.header.chain_name, row.name, sizeof row.name);
    std::string path = "?";
    EXPECT_EQ(EarlierLogOf(log, path), row.kind) << row.name;
    EXPECT_EQ(path, row.path) << row.name;
  }
  RemovalLog bare;
  bare.path = "filog.ini";
  std::memcpy(bare.header.chain_name, "filog.bak", 9);
  std::string path;
  EXPECT_EQ(EarlierLogOf(bare, path), EarlierLog::kNamed);
  EXPECT_EQ(path, "filog.bak");
}

}  // namespace
