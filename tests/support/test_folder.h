// Folders of the Win32 tests' own under the temporary folder, and their
// removal.
#pragma once

#include <string>

// The platform's temporary folder, with its trailing backslash; empty when
// it cannot be told.
std::string TempFolder();

// A folder named prefix and the process id under the temporary folder,
// created if missing; empty when it cannot be made.
std::string MakeTestFolder(const char* prefix);

// Deletes folder and everything under it, read-only files included;
// nothing when folder is empty.
void RemoveTree(const std::string& folder);
