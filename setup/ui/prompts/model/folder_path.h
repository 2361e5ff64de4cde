// The folder the user types in the folder prompt, made into a path the file
// operations can use, and the root whose free space stands for it.
#pragma once

#include <cstddef>

// Normalises a folder path in place: blanks (spaces, tabs) are trimmed at
// both ends, '/' becomes '\', runs of backslashes shrink to one (the two
// that open a UNC name stay), trailing backslashes go except the root's,
// and a bare drive "X:" becomes its root "X:\" when size leaves room.
void NormaliseFolderPath(char* path, std::size_t size);

// The root of the folder's volume: "X:\" for a path that starts with a
// drive letter and a colon, "\\server\share\" for a UNC name. False for a
// path that names no volume (relative, or rooted without a drive), or when
// the root does not fit in size characters with its NUL.
bool FolderVolumeRoot(const char* path, char* root, std::size_t size);
