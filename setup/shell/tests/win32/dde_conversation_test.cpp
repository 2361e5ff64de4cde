// The DDE client and conversation against the stand-in Program Manager
// (tests/progman): what it takes, what it refuses, and its answers.
#include "shell/dde_conversation.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "shell/progman_commands.h"
#include "shell/progman_replies.h"
#include "stand_in_program_manager.h"

namespace {

class DdeConversationTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(server_.Start("ShowGroup")); }
  StandInProgramManager server_;
};

TEST_F(DdeConversationTest, CommandsAreTakenOrRefusedAndRequestsAnswered) {
  DdeClient client;
  ASSERT_TRUE(client.Initialize(APPCMD_CLIENTONLY));
  DdeConversation conversation(client);
  EXPECT_FALSE(conversation.Connected());
  EXPECT_FALSE(conversation.Execute("[CreateGroup(\"Early\", 0)]"));  // not connected
  ASSERT_TRUE(conversation.ConnectProgramManager());

  ShortCommand create, show;
  ASSERT_TRUE(CreateGroupCommand("Configuration Haventide", 0, create));
  EXPECT_TRUE(conversation.Execute(create.text));
  EXPECT_TRUE(conversation.Execute(
      AddItemCommand("notepad.exe C:\\README.TXT", "Read Me", "", 0, "").c_str()));
  ASSERT_TRUE(ShowGroupCommand("Configuration Haventide", 1, 0, show));
  EXPECT_FALSE(conversation.Execute(show.text));  // refused by this server
  EXPECT_FALSE(conversation.Execute("no command at all"));

  std::string groups, contents;
  ASSERT_TRUE(conversation.RequestText("GROUPS", groups));
  EXPECT_TRUE(GroupListHas(groups.c_str(), "CONFIGURATION HAVENTIDE"));
  ASSERT_TRUE(conversation.RequestText("Configuration Haventide", contents));
  GroupContents group;
  ASSERT_TRUE(ParseGroup(contents.c_str(), group));
  ASSERT_EQ(group.items.size(), 1u);
  EXPECT_STREQ(group.items[0].commandLine, "notepad.exe C:\\README.TXT");
  EXPECT_FALSE(conversation.RequestText("No Such Group", contents));
  // After requests, an execute still answers for itself.
  EXPECT_TRUE(conversation.Execute("[DeleteItem(\"Read Me\")]"));
  EXPECT_FALSE(conversation.Execute("[DeleteItem(\"Read Me\")]"));

  conversation.Disconnect();
  EXPECT_FALSE(conversation.Connected());
  EXPECT_FALSE(conversation.Execute(create.text));
  client.Uninitialize();
  EXPECT_EQ(client.Instance(), 0u);
}

// Our commands, understood by a Program Manager nobody here wrote: Wine's
// shell makes the group a Start Menu folder and the item a shortcut in it.
// (It is sent no request, after which Wine answers executes one behind, and
// no empty argument after a blank, which it does not survive.)
TEST(WinesProgramManager, TakesOurGroupAndItem) {
  char programs[MAX_PATH];
  ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, programs, CSIDL_PROGRAMS, FALSE));
  const std::string folder = std::string(programs) + "\\Haventide Bench Group";
  const std::string shortcut = folder + "\\Haventide Notepad.lnk";
  char windows[MAX_PATH];
  ASSERT_NE(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
  const std::string notepad = std::string(windows) + "\\notepad.exe";

  DdeClient client;
  ASSERT_TRUE(client.Initialize(APPCMD_CLIENTONLY));
  DdeConversation conversation(client);
  ASSERT_TRUE(conversation.ConnectProgramManager());
  ShortCommand create;
  ASSERT_TRUE(CreateGroupCommand("Haventide Bench Group", 0, create));
  EXPECT_TRUE(conversation.Execute(create.text));
  EXPECT_TRUE(conversation.Execute(
      AddItemCommand(notepad.c_str(), "Haventide Notepad", notepad.c_str(), 0, "").c_str()));
  conversation.Disconnect();
  EXPECT_TRUE(uidriver::WaitUntil([&] {
    return GetFileAttributesA(shortcut.c_str()) != INVALID_FILE_ATTRIBUTES;
  })) << shortcut;
  DeleteFileA(shortcut.c_str());
  RemoveDirectoryA(folder.c_str());
}

}  // namespace
