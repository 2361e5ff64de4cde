// The stand-in Program Manager, driven by a DDE management library client as
// the setup engine's link will drive it: the commands it takes and refuses,
// its answers to requests, and executes and requests kept in step.
#include <windows.h>
#include <ddeml.h>

#include <gtest/gtest.h>

#include <string>

#include "stand_in_program_manager.h"

namespace {

HDDEDATA CALLBACK NoNotifications(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  return nullptr;
}

class ProgmanServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server_.Start("DeleteGroup"));
    ASSERT_EQ(DdeInitializeA(&instance_, NoNotifications, APPCMD_CLIENTONLY, 0), DMLERR_NO_ERROR);
    HSZ progman = DdeCreateStringHandleA(instance_, "PROGMAN", CP_WINANSI);
    conversation_ = DdeConnect(instance_, progman, progman, nullptr);
    DdeFreeStringHandle(instance_, progman);
    ASSERT_NE(conversation_, nullptr);
  }
  void TearDown() override {
    if (conversation_) DdeDisconnect(conversation_);
    if (instance_) DdeUninitialize(instance_);
    server_.Stop();
  }

  bool Execute(const std::string& command) {
    DWORD result = 0;
    HDDEDATA done =
        DdeClientTransaction(reinterpret_cast<LPBYTE>(const_cast<char*>(command.c_str())),
                             static_cast<DWORD>(command.size() + 1), conversation_, nullptr,
                             CF_TEXT, XTYP_EXECUTE, 60000, &result);
    return done != nullptr;
  }

  std::string Request(const char* item) {
    HSZ name = DdeCreateStringHandleA(instance_, item, CP_WINANSI);
    HDDEDATA data = DdeClientTransaction(nullptr, 0, conversation_, name, CF_TEXT, XTYP_REQUEST,
                                         60000, nullptr);
    DdeFreeStringHandle(instance_, name);
    if (!data) return "(none)";
    std::string text(DdeGetData(data, nullptr, 0, 0), '\0');
    DdeGetData(data, reinterpret_cast<LPBYTE>(&text[0]), static_cast<DWORD>(text.size()), 0);
    DdeFreeDataHandle(data);
    return text.c_str();
  }

  StandInProgramManager server_;
  DWORD instance_ = 0;
  HCONV conversation_ = nullptr;
};

TEST_F(ProgmanServerTest, TakesTheCommandsAndAnswersInStep) {
  EXPECT_TRUE(Execute("[CreateGroup(\"Test Group\", 1)]"));
  EXPECT_EQ(Request("GROUPS"), "Test Group\r\n");
  // An empty argument after a blank, and a command line with arguments.
  EXPECT_TRUE(Execute("[AddItem(notepad.exe C:\\README.TXT, \"Read Me\", , 0)]"));
  EXPECT_TRUE(
      Execute("[AddItem(\"C:\\HVT\\KELVANE.EXE\", \"Kelvane\", C:\\HVT\\KELVANE.EXE, 0, "
              "10, 20, C:\\HVT, 65, 1)]"));
  EXPECT_EQ(Request("test group"),
            "\"Test Group\",C:\\WINDOWS\\GROUP.GRP,2\r\n"
            "\"Read Me\",\"notepad.exe C:\\README.TXT\",,,0,0,0,0,0\r\n"
            "\"Kelvane\",\"C:\\HVT\\KELVANE.EXE\",C:\\HVT,C:\\HVT\\KELVANE.EXE,10,20,0,65,1\r\n");
  // After a request, executes still answer for themselves: a missing item,
  // a refused command, then one that is taken.
  EXPECT_FALSE(Execute("[DeleteItem(\"Nothing\")]"));
  EXPECT_FALSE(Execute("[DeleteGroup(\"Test Group\")]"));
  EXPECT_TRUE(Execute("[ShowGroup(\"TEST GROUP\", 1, 0)]"));
  EXPECT_TRUE(Execute("[DeleteItem(\"read me\")]"));
  EXPECT_EQ(Request("Unknown Group"), "(none)");

  const std::string state = server_.State();
  EXPECT_NE(state.find("command: [AddItem(notepad.exe C:\\README.TXT, \"Read Me\", , 0)]\n"),
            std::string::npos)
      << state;
  EXPECT_NE(state.find("command: [DeleteGroup(\"Test Group\")]\n"), std::string::npos) << state;
  EXPECT_NE(state.find("group: Test Group\nitem: Test Group|Kelvane|C:\\HVT\\KELVANE.EXE|C:\\HVT|"
                       "C:\\HVT\\KELVANE.EXE|0|10|20|65|1\n"),
            std::string::npos)
      << state;
  EXPECT_EQ(state.find("Read Me|"), std::string::npos) << state;
}

}  // namespace
