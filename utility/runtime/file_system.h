// The file-system services the utility's operations use: the Windows folder,
// existence tests through a file search with an attribute mask, attribute
// words, copies and folders.
#pragma once

#include <string>

namespace kelvane {

// The Windows folder without a trailing separator (C:\WINDOWS). Not cached.
std::string WinDir();

bool ExistsAny(const std::string& path);        // mask 39: any file
bool ExistsPlain(const std::string& path);      // mask 0: a file neither hidden nor system
bool FolderExists(const std::string& path);     // mask 16: a folder neither hidden nor system
bool FolderExistsAny(const std::string& path);  // mask 55: any folder

bool SetAttributeWord(const std::string& path, unsigned attributes);
// Copies over an existing destination; false when the copy cannot be done.
bool CopyOver(const std::string& source, const std::string& destination);
bool MakeFolder(const std::string& path);

}  // namespace kelvane
