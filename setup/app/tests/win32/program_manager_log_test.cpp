// The Program Manager link wired as setup wires it: the file operations
// report and give short paths, and the install log keeps what the link did,
// read back with the log's own reader.
#include "app/program_manager_records.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "install_log/install_log_reader.h"
#include "install_log/install_log_recorder.h"
#include "memory_log_file.h"
#include "stand_in_program_manager.h"
#include "ui/dialogs/engine_error_boxes.h"

namespace {

TEST(ProgramManagerLog, GroupItemsAndAReplacedItemAreRecorded) {
  StandInProgramManager server;
  ASSERT_TRUE(server.Start());

  EngineErrorBoxes boxes;
  FileOperations ops(boxes);
  ops.SetQuiet(true);
  MemoryLogFile file;
  InstallLogRecorder recorder(file);
  ASSERT_TRUE(recorder.OpenAt("filog.ini", "Test"));
  ops.PushRecorder(recorder);
  LoggedProgramManagerRecords records(ops);
  ProgramManagerLink link(ops, ops, records);
  ASSERT_TRUE(link.begddepm(true));
  // The test program's own folder has a short form of its own.
  const std::string icon = uidriver::BesideTest("progman_server.exe");
  std::string shortIcon;
  ASSERT_TRUE(ops.ShortPath(icon.c_str(), shortIcon));
  ASSERT_TRUE(link.AddItem("Haventide", "Item", "one.exe", icon.c_str(), 0, ""));
  ASSERT_TRUE(link.AddItem("Haventide", "Item", "two.exe", "", 0, ""));
  link.End(false);
  ops.PopRecorder();
  recorder.Close();
  const std::string sent = server.State();
  EXPECT_NE(sent.find("[AddItem(one.exe, \"Item\", " + shortIcon + ", 0)]"), std::string::npos)
      << sent;

  LogHeader header;
  std::vector<LogRecord> logged;
  ASSERT_TRUE(ReadInstallLog(file.bytes.data(), file.bytes.size(), header, logged));
  ASSERT_EQ(logged.size(), 4u);
  EXPECT_EQ(logged[0].kind, LogOp::GroupCreated);
  EXPECT_EQ(logged[0].texts, std::vector<std::string>{"Haventide"});
  EXPECT_EQ(logged[1].kind, LogOp::ItemAdded);
  EXPECT_EQ(logged[2].kind, LogOp::ItemDeleted);
  ASSERT_EQ(logged[2].data.size(), sizeof(GroupItem));
  GroupItem old;
  std::memcpy(&old, logged[2].data.data(), sizeof old);
  EXPECT_STREQ(old.name, "Item");
  EXPECT_STREQ(old.commandLine, "one.exe");
  EXPECT_STREQ(old.iconPath, shortIcon.c_str());
  EXPECT_EQ(logged[3].kind, LogOp::ItemAdded);
}

}  // namespace
