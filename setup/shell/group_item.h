// One item of a Program Manager group as Program Manager tells it, and a
// group's contents.
#pragma once

#include <vector>

// Text fields hold at most their width less one character, and a NUL.
constexpr int kGroupNameChars = 60;
constexpr int kItemNameChars = 60;
constexpr int kItemCommandChars = 512;
constexpr int kItemPathChars = 260;

struct GroupItem {
  char name[kItemNameChars] = {};
  char commandLine[kItemCommandChars] = {};
  char workingDirectory[kItemPathChars] = {};
  char iconPath[kItemPathChars] = {};
  int x = 0;
  int y = 0;
  int iconIndex = 0;
  int hotKey = 0;
  int minimised = 0;
};

struct GroupContents {
  char name[kGroupNameChars] = {};
  int count = 0;  // as the group's line gives it
  std::vector<GroupItem> items;
};

// The install log keeps a deleted item as this record, byte for byte.
static_assert(sizeof(GroupItem) == 1112, "a GroupItem record is 1112 bytes");
