// A machine in memory for the uninstaller's tests: every change asked of it
// is written down as one line ("delete-file C:\App\k.exe"), answers kDone
// unless the test names answers for that line (taken in turn, the last one
// kept), and the few things the removal reads (files, counts, INI sections,
// folders) are the test's to set. Logs cut back or erased change in files.
#pragma once

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/machine.h"

class MemoryMachine : public Machine {
 public:
  std::map<std::string, std::vector<uint8_t>> files;  // what ReadFile finds
  std::set<std::string> missing;                      // Exists answers false
  std::map<std::string, SharedUse> shared;
  std::map<std::string, std::vector<std::string>> sections;  // "file|section"
  std::map<std::string, std::vector<std::string>> folders;   // what ListFolder finds
  std::map<std::string, std::vector<Change>> answers;        // by line
  std::vector<std::string> calls;
  bool noteLogWrites = false;  // the removal's own writes to its logs, in calls too

  FileRead ReadFile(const std::string& path, std::vector<uint8_t>& bytes) override {
    const auto found = files.find(path);
    if (found == files.end()) return FileRead::kMissing;
    bytes = found->second;
    return FileRead::kRead;
  }
  bool Exists(const std::string& path) override {
    calls.push_back("exists " + path);
    return missing.count(path) == 0;
  }
  Change EraseFile(const std::string& path) override {
    const Change change = Say("delete-file " + path);
    if (change == Change::kDone) files.erase(path);
    return change;
  }
  bool DeleteAtRestart(const std::string& path) override {
    return Say("at-restart " + path) == Change::kDone;
  }
  Change CutFile(const std::string& path, uint32_t length) override {
    return Say("cut " + path + " " + std::to_string(length));
  }
  Change MoveFileBack(const std::string& from, const std::string& to) override {
    return Say("move " + from + " " + to);
  }
  Change SetAttributes(const std::string& path, uint32_t attributes) override {
    return Say("attributes " + path + " " + std::to_string(attributes));
  }
  // A folder that still holds one of the files is kept, unless the test
  // answers otherwise.
  Change RemoveFolder(const std::string& path) override {
    const std::string line = "remove-folder " + path;
    if (answers.count(line) == 0 && HoldsFile(path)) {
      calls.push_back(line);
      return Change::kKept;
    }
    return Say(line);
  }
  bool RemoveFolderAtRestart(const std::string& path) override {
    return Say("folder-at-restart " + path) == Change::kDone;
  }
  bool ListFolder(const std::string& path, std::vector<std::string>& names) override {
    const auto found = folders.find(path);
    if (found == folders.end()) return false;
    names = found->second;
    return true;
  }
  Change MakeFolder(const std::string& path) override { return Say("make-folder " + path); }
  Change RemoveFont(const std::string& path) override { return Say("remove-font " + path); }

  // The log files change as on disk, so that a removal started again reads
  // what the last one left.
  Change CutLog(const std::string& path, uint32_t length) override {
    const Change change = SayLog("cut-log " + path + " " + std::to_string(length));
    auto file = files.find(path);
    if (change == Change::kDone && file != files.end() && file->second.size() >= length)
      file->second.resize(length);
    return change;
  }
  Change ForgetEarlierLog(const std::string& path) override {
    const Change change = SayLog("forget-earlier " + path);
    auto file = files.find(path);
    if (change == Change::kDone && file != files.end() && file->second.size() >= 12)
      std::fill(file->second.begin(), file->second.begin() + 12, uint8_t{0});
    return change;
  }

  bool ReadSharedUse(const std::string& path, SharedUse& use) override {
    calls.push_back("read-shared " + path);
    const auto found = shared.find(path);
    if (found == shared.end()) return false;
    use = found->second;
    return true;
  }
  Change WriteSharedUse(const std::string& path, const SharedUse& use) override {
    const Change change = Say("write-shared " + path + " " + std::to_string(use.count) + " " +
                              std::to_string(use.type));
    if (change == Change::kDone) shared[path] = use;
    return change;
  }
  Change DeleteSharedUse(const std::string& path) override {
    const Change change = Say("delete-shared " + path);
    if (change == Change::kDone) shared.erase(path);
    return change;
  }

  Change DeleteValue(int root, const std::string& key, const std::string& name) override {
    return Say("delete-value " + std::to_string(root) + " " + key + " " + name);
  }
  Change WriteValue(int root, const std::string& key, const std::string& name, uint32_t type,
                    const std::vector<uint8_t>& data) override {
    std::string hex;
    for (uint8_t b : data) {
      char two[3];
      std::snprintf(two, sizeof two, "%02x", b);
      hex += two;
    }
    return Say("write-value " + std::to_string(root) + " " + key + " " + name + " " +
               std::to_string(type) + " " + hex);
  }
  Change DeleteKey(int root, const std::string& key) override {
    return Say("delete-key " + std::to_string(root) + " " + key);
  }
  Change MakeKey(int root, const std::string& key) override {
    return Say("make-key " + std::to_string(root) + " " + key);
  }

  bool ReadSection(const std::string& file, const std::string& section,
                   std::vector<std::string>& lines) override {
    calls.push_back("read-section " + file + " " + section);
    lines = sections[file + "|" + section];
    return true;
  }
  Change WriteSection(const std::string& file, const std::string& section,
                      const std::vector<std::string>& lines) override {
    std::string joined;
    for (const std::string& line : lines) joined += (joined.empty() ? "" : "|") + line;
    const Change change = Say("write-section " + file + " " + section + " " + joined);
    if (change == Change::kDone) sections[file + "|" + section] = lines;
    return change;
  }
  Change DeleteSection(const std::string& file, const std::string& section) override {
    return Say("delete-section " + file + " " + section);
  }
  Change MakeSection(const std::string& file, const std::string& section) override {
    return Say("make-section " + file + " " + section);
  }
  Change DeleteIniFile(const std::string& file) override { return Say("delete-ini " + file); }

  Change DeleteGroup(const std::string& group) override { return Say("delete-group " + group); }
  Change MakeGroup(const std::string& group) override { return Say("make-group " + group); }
  Change DeleteItem(const std::string& group, const std::string& item) override {
    return Say("delete-item " + group + " " + item);
  }
  Change PutItemBack(const std::string& group, const GroupItem& item) override {
    return Say("put-item " + group + " " + item.name + " " + item.commandLine + " " +
               std::to_string(item.x));
  }

 private:
  bool HoldsFile(const std::string& folder) const {
    const auto next = files.lower_bound(folder + "\\");
    return next != files.end() && next->first.compare(0, folder.size() + 1, folder + "\\") == 0;
  }
  Change SayLog(const std::string& line) {
    if (noteLogWrites) return Say(line);
    const auto found = answers.find(line);
    return found == answers.end() || found->second.empty() ? Change::kDone : Say(line);
  }
  Change Say(const std::string& line) {
    calls.push_back(line);
    const auto found = answers.find(line);
    if (found == answers.end() || found->second.empty()) return Change::kDone;
    const Change change = found->second.front();
    if (found->second.size() > 1) found->second.erase(found->second.begin());
    return change;
  }
};
