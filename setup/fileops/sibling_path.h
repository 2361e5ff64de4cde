// A file next to another: the name joined to the directory of a path.
#pragma once

#include <cstddef>

// The drive and directory part of path (up to its last backslash or slash,
// without it) joined with a backslash to name; a path without a directory
// gives name alone. False when the result does not fit size characters
// (NUL included); text is then empty.
bool SiblingPath(const char* path, const char* name, char* text, size_t size);
