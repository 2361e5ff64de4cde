// What the Program Manager link creates and deletes, told to the file
// operations' current recorder (the install log while setup runs), so that
// the uninstaller can take it back.
#pragma once

#include "fileops/file_operations.h"
#include "shell/program_manager_link.h"

class LoggedProgramManagerRecords : public ProgramManagerRecords {
 public:
  explicit LoggedProgramManagerRecords(FileOperations& ops) : ops_(ops) {}
  void GroupCreated(const char* group) override { ops_.Recorder().GroupCreated(group); }
  void ItemAdded(const char* group, const char* item) override {
    ops_.Recorder().ItemAdded(group, item);
  }
  // The log keeps the item as its 1112-byte record.
  void ItemDeleted(const char* group, const GroupItem& item) override {
    ops_.Recorder().ItemDeleted(group, &item);
  }

 private:
  FileOperations& ops_;
};
