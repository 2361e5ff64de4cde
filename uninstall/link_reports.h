// What the Program Manager link asks of its caller: where its refusals go
// (kept for the box at the end of the removal, each shown once there), the
// short form of a path, and the records of what it changes, which the
// uninstaller keeps none of: it takes records back, it writes none.
#pragma once

#include <string>
#include <vector>

#include "base/failure_report.h"
#include "base/short_paths.h"
#include "shell/program_manager_link.h"

class LinkReports : public FailureReport, public ShortPaths, public ProgramManagerRecords {
 public:
  void ReportV(int code, unsigned id, va_list args) override;
  void ReportText(const char* text) override;
  void ReportOutOfMemory() override;
  // Each existing component by its 8.3 name (GetShortPathNameA).
  bool ShortPath(const char* path, std::string& shortPath) override;

  void GroupCreated(const char*) override {}
  void ItemAdded(const char*, const char*) override {}
  void ItemDeleted(const char*, const GroupItem&) override {}

  // The refusals, each text once, in the order they came.
  const std::vector<std::string>& Texts() const { return texts_; }

 private:
  void Keep(const std::string& text);
  std::vector<std::string> texts_;
};
