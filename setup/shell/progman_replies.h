// What Program Manager answers to the requests of the link: the list of its
// groups, and the contents of one group. Platform-free.
#pragma once

#include <string>
#include <vector>

#include "shell/group_item.h"

// Equal, ignoring the case of the ASCII letters A-Z only (as Program Manager
// compares group names; other letters must match exactly).
bool SameName(const char* a, const char* b);

// The reply to "GROUPS" (names separated by CR LF) names group.
bool GroupListHas(const char* reply, const char* group);

// The fields of one reply line: separated by commas outside double quotes;
// the quotes toggle quoting and are dropped.
std::vector<std::string> SplitFields(const std::string& line);
// A field as a decimal integer (an optional sign, then digits); 0 when it
// does not start with one.
int FieldNumber(const std::string& field);

// The reply to a request for a group: LF-separated lines (a CR before the
// LF is dropped); the first gives the group's name (field 0) and its item
// count (field 2), each of the next count lines one item. Text fields are
// cut to their widths. False when the reply has no first line.
bool ParseGroup(const char* reply, GroupContents& group);

// The first item of group named item (ignoring the case of A-Z), or null.
const GroupItem* FindItem(const GroupContents& group, const char* item);
