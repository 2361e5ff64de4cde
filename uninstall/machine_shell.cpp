// Program Manager of the real machine, through the setup engine's link: one
// conversation for the whole removal, opened at the first group or item.
#include "win32_machine.h"

bool Win32Machine::LinkOpen() {
  if (!linkTried_) {
    linkTried_ = true;
    // The uninstaller covers nothing: Program Manager is never minimised.
    linkOpen_ = link_.begddepm(true);
  }
  return linkOpen_;
}

// A group is deleted whole by Program Manager: only an empty one goes, and
// one whose contents cannot be read is kept.
Change Win32Machine::DeleteGroup(const std::string& group) {
  if (!LinkOpen()) return Change::kFailed;
  if (!link_.GroupExists(group.c_str())) return Change::kAbsent;
  GroupContents contents;
  if (!link_.ReadGroup(group.c_str(), contents) || !contents.items.empty()) return Change::kKept;
  return link_.DeleteGroup(group.c_str()) ? Change::kDone : Change::kFailed;
}

Change Win32Machine::MakeGroup(const std::string& group) {
  if (!LinkOpen()) return Change::kFailed;
  return link_.CreateGroup(group.c_str()) ? Change::kDone : Change::kFailed;
}

Change Win32Machine::DeleteItem(const std::string& group, const std::string& item) {
  if (!LinkOpen()) return Change::kFailed;
  GroupItem found;
  if (!link_.FindItem(group.c_str(), item.c_str(), found)) return Change::kAbsent;
  return link_.DeleteItem(group.c_str(), item.c_str()) ? Change::kDone : Change::kFailed;
}

Change Win32Machine::PutItemBack(const std::string& group, const GroupItem& item) {
  if (!LinkOpen()) return Change::kFailed;
  GroupItem found;
  if (link_.FindItem(group.c_str(), item.name, found)) return Change::kKept;
  return link_.PutItemBack(group.c_str(), item) ? Change::kDone : Change::kFailed;
}
