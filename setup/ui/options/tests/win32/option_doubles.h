// What the component selection's tests hand it in place of the program's
// objects: a failure report that counts, and disks with fixed free space.
#pragma once

#include "base/disk_space.h"
#include "base/failure_report.h"

#include <map>
#include <string>

namespace optiontest {

class CountingReports : public FailureReport {
 public:
  int reports = 0;
  int outOfMemory = 0;
  void ReportV(int, unsigned, va_list) override { ++reports; }
  void ReportText(const char*) override { ++reports; }
  void ReportOutOfMemory() override { ++outOfMemory; }
};

// Free space by root ("c:\"); a root it does not know cannot be read.
class FixedDisks : public DiskSpace {
 public:
  std::map<std::string, double> free;
  std::string lastAsked;
  bool FreeSpace(const char* root, double& kilobytes) override {
    lastAsked = root;
    auto found = free.find(root);
    if (found == free.end()) return false;
    kilobytes = found->second;
    return true;
  }
};

}  // namespace optiontest
