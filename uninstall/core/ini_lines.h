// The entries of an INI section as the profile functions hand them over,
// one "key=value" line each, edited occurrence by occurrence: a key may
// stand more than once in a section, and the install log names which
// occurrence (counted from 0) it added, changed or deleted. Keys compare
// without regard to the case of A-Z.
#pragma once

#include <string>
#include <vector>

// False when the section has no such occurrence.
bool RemoveEntry(std::vector<std::string>& lines, const std::string& key, unsigned occurrence);
bool ChangeEntry(std::vector<std::string>& lines, const std::string& key, const std::string& value,
                 unsigned occurrence);
// Before the occurrence that now stands at that index, else after the
// key's last occurrence, else at the end of the section.
void InsertEntry(std::vector<std::string>& lines, const std::string& key, const std::string& value,
                 unsigned occurrence);
