// The Program Manager commands byte for byte, and the reading of its
// replies, without the platform.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "shell/progman_commands.h"
#include "shell/progman_replies.h"

namespace {

TEST(ProgmanCommands, ShortCommandsAreFormattedOrRefusedWhenTooLong) {
  ShortCommand c;
  ASSERT_TRUE(CreateGroupCommand("Configuration Haventide", 7, c));
  EXPECT_STREQ(c.text, "[CreateGroup(\"Configuration Haventide\", 1)]");
  ASSERT_TRUE(ShowGroupCommand("Tools", 1, 0, c));
  EXPECT_STREQ(c.text, "[ShowGroup(\"Tools\", 1, 0)]");
  ASSERT_TRUE(ShowGroupCommand("Tools", 9, 1, c));  // 9 activates by creating
  EXPECT_STREQ(c.text, "[CreateGroup(\"Tools\", 0)]");
  ASSERT_TRUE(DeleteItemCommand("Read Me", c));
  EXPECT_STREQ(c.text, "[DeleteItem(\"Read Me\")]");
  ASSERT_TRUE(DeleteGroupCommand("Configuration Haventide", c));
  EXPECT_STREQ(c.text, "[DeleteGroup(\"Configuration Haventide\")]");
  EXPECT_FALSE(DeleteGroupCommand(std::string(120, 'g').c_str(), c));

  // 127 bytes fit the buffer with its NUL; 128 do not, and nothing is sent.
  const std::string fits(127 - std::string("[DeleteItem(\"\")]").size(), 'n');
  ASSERT_TRUE(DeleteItemCommand(fits.c_str(), c));
  EXPECT_EQ(std::string(c.text).size(), 127u);
  EXPECT_FALSE(DeleteItemCommand((fits + "n").c_str(), c));
  EXPECT_STREQ(c.text, "");
  EXPECT_FALSE(CreateGroupCommand(std::string(200, 'g').c_str(), 0, c));
}

TEST(ProgmanCommands, AddItemInItsThreeForms) {
  EXPECT_EQ(AddItemCommand("\"C:\\PROGRA~1\\HAVEN\\KELVANE.EXE\"", "Configuration Haventide",
                           "C:\\PROGRA~1\\HAVEN\\KELVANE.EXE", 0, ""),
            "[AddItem(\"C:\\PROGRA~1\\HAVEN\\KELVANE.EXE\", \"Configuration Haventide\", "
            "C:\\PROGRA~1\\HAVEN\\KELVANE.EXE, 0)]");
  // An empty argument after a blank, as a Windows 95 shell accepts it.
  EXPECT_EQ(AddItemCommand("notepad.exe C:\\README.TXT", "Read Me", "", 0, nullptr),
            "[AddItem(notepad.exe C:\\README.TXT, \"Read Me\", , 0)]");
  EXPECT_EQ(AddItemCommand("x.exe", "X", "x.ico", 2, "C:\\WORK"),
            "[AddItem(x.exe, \"X\", x.ico, 2, , , C:\\WORK)]");
  GroupItem item;
  std::strcpy(item.name, "X");
  std::strcpy(item.commandLine, "x.exe");
  std::strcpy(item.iconPath, "x.ico");
  std::strcpy(item.workingDirectory, "C:\\WORK");
  item.iconIndex = 2;
  item.x = 10;
  item.y = -4;
  item.hotKey = 65;
  item.minimised = 1;
  EXPECT_EQ(AddItemCommand(item), "[AddItem(x.exe, \"X\", x.ico, 2, 10, -4, C:\\WORK, 65, 1)]");
}

// Names are data: a text that could end its command and start another is
// refused in every command, with nothing to send.
TEST(ProgmanCommands, TextsTheSyntaxCannotCarryAreRefused) {
  const char* hostile[] = {
      "\")][DeleteGroup(\"Main\")][", "a\"b", "[x", "x]", "tab\there", "line\r\n", "\x7f"};
  for (const char* name : hostile) {
    ShortCommand c;
    EXPECT_FALSE(CreateGroupCommand(name, 0, c)) << name;
    EXPECT_STREQ(c.text, "");
    EXPECT_FALSE(ShowGroupCommand(name, 1, 0, c)) << name;
    EXPECT_FALSE(DeleteItemCommand(name, c)) << name;
    EXPECT_FALSE(DeleteGroupCommand(name, c)) << name;
    EXPECT_EQ(AddItemCommand("x.exe", name, "", 0, ""), "") << name;
    GroupItem item;
    std::strcpy(item.commandLine, "x.exe");
    std::snprintf(item.name, sizeof item.name, "%s", name);
    EXPECT_EQ(AddItemCommand(item), "") << name;
  }
  // Bare arguments keep quotes in pairs, and take no bracket.
  EXPECT_EQ(AddItemCommand("\"C:\\A B\\x.exe\" \"C:\\r.txt\"", "X", "", 0, ""),
            "[AddItem(\"C:\\A B\\x.exe\" \"C:\\r.txt\", \"X\", , 0)]");
  for (const char* bare : {"\"x.exe", "x.exe]", "[x.exe", "x\n.exe"}) {
    EXPECT_EQ(AddItemCommand(bare, "X", "", 0, ""), "") << bare;
    EXPECT_EQ(AddItemCommand("x.exe", "X", bare, 0, ""), "") << bare;
    EXPECT_EQ(AddItemCommand("x.exe", "X", "", 0, bare), "") << bare;
  }
  EXPECT_TRUE(FitsQuotedArgument("What's New (1.1), 100%"));
}

TEST(ProgmanReplies, GroupNamesMatchIgnoringTheCaseOfAToZOnly) {
  const char* groups = "Main\r\nAccessories\r\nConfiguration Haventide\r\n";
  EXPECT_TRUE(GroupListHas(groups, "configuration HAVENTIDE"));
  EXPECT_TRUE(GroupListHas(groups, "MAIN"));
  EXPECT_FALSE(GroupListHas(groups, "Configuration"));
  EXPECT_FALSE(GroupListHas(groups, ""));
  EXPECT_TRUE(GroupListHas("Main", "main"));  // the last name needs no CR LF
  EXPECT_TRUE(SameName("caf\xe9", "CAF\xe9"));
  EXPECT_FALSE(SameName("caf\xe9", "caf\xc9"));  // only A-Z fold
  EXPECT_FALSE(GroupListHas(nullptr, "Main"));
}

TEST(ProgmanReplies, FieldsAndNumbers) {
  struct Case {
    const char* line;
    std::vector<std::string> fields;
  } cases[] = {
      {"a,b,c", {"a", "b", "c"}},
      {"\"Read Me\",\"notepad.exe C:\\a,b.txt\",C:\\",
       {"Read Me", "notepad.exe C:\\a,b.txt", "C:\\"}},
      {"", {""}},
      {"x,,", {"x", "", ""}},
      {"\"unterminated,still one", {"unterminated,still one"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitFields(c.line), c.fields) << c.line;

  struct Number {
    const char* field;
    int value;
  } numbers[] = {{"42", 42},    {"-7", -7}, {"+3", 3},
                 {"12abc", 12}, {"abc", 0}, {"", 0},
                 {" 5", 0},     {"-", 0},   {"99999999999", 2147483647}};
  for (const Number& n : numbers) EXPECT_EQ(FieldNumber(n.field), n.value) << n.field;
}

TEST(ProgmanReplies, AGroupsContents) {
  const char* reply =
      "\"Configuration Haventide\",\"C:\\WINDOWS\\HAVEN.GRP\",3\n"
      "\"Configuration Haventide\",\"C:\\HAVEN\\KELVANE.EXE\",C:\\HAVEN,C:\\HAVEN\\KELVANE.EXE,"
      "0,0,0,0,0\n"
      "\"Read Me\",\"notepad.exe C:\\HAVEN\\README.TXT\",,,75,0,2,65,1\n"
      "Short,x.exe\r\n"
      "Beyond the count,y.exe\n";
  GroupContents group;
  ASSERT_TRUE(ParseGroup(reply, group));
  EXPECT_STREQ(group.name, "Configuration Haventide");
  EXPECT_EQ(group.count, 3);
  ASSERT_EQ(group.items.size(), 3u);
  EXPECT_STREQ(group.items[0].workingDirectory, "C:\\HAVEN");
  EXPECT_STREQ(group.items[0].iconPath, "C:\\HAVEN\\KELVANE.EXE");
  EXPECT_STREQ(group.items[1].commandLine, "notepad.exe C:\\HAVEN\\README.TXT");
  EXPECT_EQ(group.items[1].x, 75);
  EXPECT_EQ(group.items[1].iconIndex, 2);
  EXPECT_EQ(group.items[1].hotKey, 65);
  EXPECT_EQ(group.items[1].minimised, 1);
  // Missing fields are empty or 0; the CR before the line's end is no part
  // of the last field.
  EXPECT_STREQ(group.items[2].name, "Short");
  EXPECT_STREQ(group.items[2].commandLine, "x.exe");
  EXPECT_STREQ(group.items[2].iconPath, "");
  EXPECT_EQ(group.items[2].minimised, 0);

  EXPECT_EQ(FindItem(group, "READ ME"), &group.items[1]);
  EXPECT_EQ(FindItem(group, "Beyond the count"), nullptr);
  EXPECT_FALSE(ParseGroup("", group));
  EXPECT_FALSE(ParseGroup(nullptr, group));
}

TEST(ProgmanReplies, TextFieldsAreCutToTheirWidths) {
  const std::string longName(100, 'n'), longCommand(600, 'c'), longPath(300, 'p');
  const std::string reply = std::string(80, 'g') + ",x,1\n" + longName + "," + longCommand + "," +
                            longPath + "," + longPath + ",1,2,3,4,5";
  GroupContents group;
  ASSERT_TRUE(ParseGroup(reply.c_str(), group));
  EXPECT_EQ(std::string(group.name), std::string(kGroupNameChars - 1, 'g'));
  ASSERT_EQ(group.items.size(), 1u);
  const GroupItem& item = group.items[0];
  EXPECT_EQ(std::string(item.name).size(), static_cast<size_t>(kItemNameChars - 1));
  EXPECT_EQ(std::string(item.commandLine).size(), static_cast<size_t>(kItemCommandChars - 1));
  EXPECT_EQ(std::string(item.workingDirectory).size(), static_cast<size_t>(kItemPathChars - 1));
  EXPECT_EQ(std::string(item.iconPath).size(), static_cast<size_t>(kItemPathChars - 1));
  EXPECT_EQ(item.minimised, 5);
}

}  // namespace
