// Files and folders the setup engine's Win32 and end-to-end tests make and
// clear away.
#pragma once

#include <string>

// Deletes folder and everything under it, read-only files included.
void RemoveTree(const std::string& folder);
