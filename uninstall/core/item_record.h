// A Program Manager item as the install log keeps it: the 1112 bytes of a
// GroupItem, copied as Program Manager told it before setup deleted it.
#pragma once

#include <cstdint>
#include <vector>

#include "shell/group_item.h"

// False when the record has another size or a text field runs to its end
// without a NUL (no item of Program Manager does: it is not one).
bool GroupItemFromRecord(const std::vector<uint8_t>& record, GroupItem& item);
