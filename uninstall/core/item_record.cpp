#include "core/item_record.h"

#include <cstring>

#include "install_log/install_log_format.h"

namespace {

template <size_t N>
bool Ended(const char (&field)[N]) {
  return std::memchr(field, '\0', N) != nullptr;
}

}  // namespace

bool GroupItemFromRecord(const std::vector<uint8_t>& record, GroupItem& item) {
  static_assert(sizeof(GroupItem) == install_log::kItemRecordSize, "the record is a GroupItem");
  if (record.size() != sizeof item) return false;
  GroupItem read;
  std::memcpy(&read, record.data(), sizeof read);
  if (!Ended(read.name) || !Ended(read.commandLine) || !Ended(read.workingDirectory) ||
      !Ended(read.iconPath))
    return false;
  item = read;
  return true;
}
