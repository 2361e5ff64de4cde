// The Program Manager link against the stand-in Program Manager: the exact
// commands it sends, what it records, and every refusal it reports.
#include "shell/program_manager_link.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "stand_in_program_manager.h"

namespace {

using Strings = std::vector<std::string>;

struct Reports : FailureReport {
  void ReportV(int code, unsigned id, va_list) override {
    texts.push_back("code " + std::to_string(code) + " id " + std::to_string(id));
  }
  void ReportText(const char* text) override { texts.push_back(text); }
  void ReportOutOfMemory() override { texts.push_back("out of memory"); }
  Strings texts;
};

struct Paths : ShortPaths {
  bool ShortPath(const char* path, std::string& shortPath) override {
    shortPath =
        std::string(path) == "C:\\Long Folder\\Haventide.ico" ? "C:\\LONGFO~1\\HAVENT~1.ICO" : "";
    return !shortPath.empty();
  }
};

struct Records : ProgramManagerRecords {
  void GroupCreated(const char* group) override { kept.push_back(std::string("group ") + group); }
  void ItemAdded(const char* group, const char* item) override {
    kept.push_back(std::string("added ") + group + "|" + item);
  }
  void ItemDeleted(const char* group, const GroupItem& item) override {
    kept.push_back(std::string("deleted ") + group + "|" + item.name + "|" + item.commandLine);
  }
  Strings kept;
};

class LinkTest : public ::testing::Test {
 protected:
  void Start(const std::string& refuse = "") {
    ASSERT_TRUE(server_.Start(refuse));
    ASSERT_TRUE(link_.begddepm(true));
    EXPECT_FALSE(link_.StartedByUs());
  }
  void TearDown() override { link_.End(true); }
  Strings Commands() const { return server_.Commands(); }

  StandInProgramManager server_;
  Reports reports_;
  Paths paths_;
  Records records_;
  ProgramManagerLink link_{reports_, paths_, records_};
};

TEST_F(LinkTest, ANewGroupAndThreeItems) {
  Start();
  ASSERT_TRUE(link_.AddItem("Configuration Haventide", "Configuration Haventide",
                            "\"C:\\Haven\\Kelvane.exe\"", "C:\\Long Folder\\Haventide.ico", 0, ""));
  ASSERT_TRUE(link_.AddItem("configuration HAVENTIDE", "Read Me",
                            "notepad.exe C:\\Haven\\ReadMe.txt", "", 0, ""));
  ASSERT_TRUE(link_.AddItem("Configuration Haventide", "Kelvane Folder", "explorer.exe", "", 1,
                            "C:\\Long Folder\\Haventide.ico"));
  EXPECT_EQ(Commands(),
            (Strings{"[CreateGroup(\"Configuration Haventide\", 0)]",
                     "[CreateGroup(\"Configuration Haventide\", 0)]",
                     "[AddItem(\"C:\\Haven\\Kelvane.exe\", \"Configuration Haventide\", "
                     "C:\\LONGFO~1\\HAVENT~1.ICO, 0)]",
                     "[CreateGroup(\"configuration HAVENTIDE\", 0)]",
                     "[AddItem(notepad.exe C:\\Haven\\ReadMe.txt, \"Read Me\", , 0)]",
                     "[CreateGroup(\"Configuration Haventide\", 0)]",
                     "[AddItem(explorer.exe, \"Kelvane Folder\", , 1)]",
                     "[DeleteItem(\"Kelvane Folder\")]",
                     "[AddItem(explorer.exe, \"Kelvane Folder\", , 1, 0, 0, "
                     "C:\\LONGFO~1\\HAVENT~1.ICO, 0, 0)]"}));
  EXPECT_EQ(records_.kept, (Strings{"group Configuration Haventide",
                                    "added Configuration Haventide|Configuration Haventide",
                                    "added configuration HAVENTIDE|Read Me",
                                    "added Configuration Haventide|Kelvane Folder"}));
  EXPECT_TRUE(reports_.texts.empty());
}

TEST_F(LinkTest, AnItemAddedTwiceReplacesTheFirstAndDeletingAMissingOneSendsNothing) {
  Start();
  ASSERT_TRUE(link_.AddItem("G", "Item", "one.exe", "", 0, ""));
  ASSERT_TRUE(link_.AddItem("G", "ITEM", "two.exe", "", 0, ""));
  EXPECT_EQ(records_.kept,
            (Strings{"group G", "added G|Item", "deleted G|Item|one.exe", "added G|ITEM"}));
  const size_t sent = Commands().size();
  EXPECT_TRUE(link_.DeleteItem("G", "Nothing"));
  EXPECT_EQ(Commands().size(), sent);
  GroupItem item;
  ASSERT_TRUE(link_.FindItem("g", "item", item));
  EXPECT_STREQ(item.commandLine, "two.exe");
}

// Taking back: an item put back from its record, as it was (position, hot
// key, working directory), and the group deleted; neither told to the
// records, and a group that is not there needs nothing sent.
TEST_F(LinkTest, AnItemPutBackAndTheGroupDeleted) {
  Start();
  GroupItem item;
  std::snprintf(item.name, sizeof item.name, "%s", "Read Me");
  std::snprintf(item.commandLine, sizeof item.commandLine, "%s", "notepad.exe C:\\ReadMe.txt");
  std::snprintf(item.workingDirectory, sizeof item.workingDirectory, "%s", "C:\\HAVEN");
  item.x = 12;
  item.y = 34;
  item.hotKey = 5;
  ASSERT_TRUE(link_.PutItemBack("G", item));
  GroupItem found;
  ASSERT_TRUE(link_.FindItem("G", "Read Me", found));
  EXPECT_STREQ(found.workingDirectory, "C:\\HAVEN");
  EXPECT_EQ(found.x, 12);
  ASSERT_TRUE(link_.DeleteGroup("g"));
  EXPECT_FALSE(link_.GroupExists("G"));
  const size_t sent = Commands().size();
  EXPECT_TRUE(link_.DeleteGroup("G"));
  EXPECT_EQ(Commands().size(), sent);
  EXPECT_EQ(
      Commands(),
      (Strings{"[CreateGroup(\"G\", 0)]",
               "[AddItem(notepad.exe C:\\ReadMe.txt, \"Read Me\", , 0, 12, 34, C:\\HAVEN, 5, 0)]",
               "[DeleteGroup(\"g\")]"}));
  EXPECT_TRUE(records_.kept.empty());
  EXPECT_TRUE(reports_.texts.empty());
}

TEST_F(LinkTest, RefusedTakingBackIsReported) {
  Start("DeleteGroup");
  GroupItem item;
  std::snprintf(item.name, sizeof item.name, "%s", "Item");
  std::snprintf(item.commandLine, sizeof item.commandLine, "%s", "one.exe");
  ASSERT_TRUE(link_.PutItemBack("G", item));
  EXPECT_FALSE(link_.DeleteGroup("G"));
  EXPECT_EQ(reports_.texts, (Strings{"Unable to delete group G"}));
}

TEST_F(LinkTest, EveryRefusalIsReported) {
  Start("AddItem");
  EXPECT_FALSE(link_.AddItem("G", "Item", "one.exe", "", 0, ""));
  EXPECT_FALSE(link_.CreateGroup(std::string(120, 'g').c_str()));  // past 128 bytes
  EXPECT_EQ(reports_.texts, (Strings{"Unable to create PM item Item",
                                     "Unable to create group " + std::string(120, 'g')}));
  EXPECT_EQ(Commands(), (Strings{"[CreateGroup(\"G\", 0)]", "[CreateGroup(\"G\", 0)]",
                                 "[AddItem(one.exe, \"Item\", , 0)]"}));
  link_.End(false);
  EXPECT_FALSE(link_.DeleteItem("G", "Item"));
  EXPECT_EQ(reports_.texts.back(), "begddepm() has not been called");
}

TEST_F(LinkTest, ARefusedGroupIsReported) {
  Start("CreateGroup");
  EXPECT_FALSE(link_.AddItem("G", "Item", "one.exe", "", 0, ""));
  EXPECT_EQ(reports_.texts, (Strings{"Unable to create group G"}));
  EXPECT_TRUE(records_.kept.empty());
}

// A Program Manager the link started, as a process: found by its window and
// ended by id if it still runs at the end.
struct StartedProcess {
  explicit StartedProcess(DWORD id)
      : handle(id ? OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id) : nullptr) {}
  ~StartedProcess() { End(); }
  bool Exits() const {
    return handle && WaitForSingleObject(handle, uidriver::kWait) == WAIT_OBJECT_0;
  }
  void End() {
    if (!handle) return;
    TerminateProcess(handle, 99);
    WaitForSingleObject(handle, uidriver::kWait);
    CloseHandle(handle);
    handle = nullptr;
  }
  HANDLE handle;
};

// End(true) closes the Program Manager the link started; End(false), and
// End(true) on one the link found running, leave it serving. That it still
// serves is shown by an execute taken afterwards: a close posted before it
// would have been handled first. The stand-in goes by a name of its own,
// since Wine's shell answers "PROGMAN" and no link would start one there.
TEST(LinkEnd, ClosesOnlyTheProgramManagerItStarted) {
  const std::string name = "HVTPROGMAN" + std::to_string(GetCurrentProcessId());
  StandInProgramManager server(name);
  ProgramManagerTarget target;
  target.name = name;
  target.commandLine = server.CommandLine();
  Reports reports;
  Paths paths;
  Records records;
  ProgramManagerLink link(reports, paths, records), other(reports, paths, records);
  link.SetTarget(target);
  other.SetTarget(target);

  ASSERT_EQ(server.ServingProcess(), 0u);
  ASSERT_TRUE(link.begddepm(true));
  EXPECT_TRUE(link.StartedByUs());
  StartedProcess first(server.ServingProcess());
  ASSERT_TRUE(first.handle);
  link.End(false);
  ASSERT_TRUE(other.begddepm(true));
  EXPECT_FALSE(other.StartedByUs());
  EXPECT_TRUE(other.CreateGroup("After End(false)"));
  other.End(true);
  ASSERT_TRUE(link.begddepm(true));
  EXPECT_FALSE(link.StartedByUs());
  EXPECT_TRUE(link.CreateGroup("After End(true) of a link that found it"));
  link.End(false);
  first.End();

  ASSERT_TRUE(link.begddepm(true));
  EXPECT_TRUE(link.StartedByUs());
  StartedProcess second(server.ServingProcess());
  ASSERT_TRUE(second.handle);
  link.End(true);
  EXPECT_TRUE(second.Exits());
  EXPECT_TRUE(reports.texts.empty());
}

}  // namespace
