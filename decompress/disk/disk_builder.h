// Lays out "Installation Disk 1" as a folder. The disk is written beside
// the target under a ".partial" name and only renamed into place when every
// file is there, so a failed build never leaves a disk that looks complete.
#pragma once
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "disk_layout.h"

namespace disk {

// inputs: DiskEntry::input name → path of the file to put on the disk.
// Every name of DiskContents must be given. Prints a line per file with its
// size before and after, and totals, to report (when not null). On failure
// answers false with a message naming the file in error.
bool BuildDisk(const std::string& outDir, const std::map<std::string, std::string>& inputs,
               std::string& error, std::FILE* report);
// The same for a disk of other contents (another product's).
bool BuildDisk(const std::string& outDir, const std::vector<DiskEntry>& entries,
               const std::map<std::string, std::string>& inputs, std::string& error,
               std::FILE* report);

}  // namespace disk
