// Opening files for the copy strategies, which read and write them with
// _lread, _lwrite, _llseek and _lclose. OpenFile keeps the full path in an
// OFSTRUCT of 128 characters and cannot take a longer one; such a path is
// opened with CreateFileA with the same access, sharing and creation, so a
// long destination neither fails nor gets cut.
#pragma once

#include <windows.h>

// OF_READ, OF_WRITE or OF_CREATE (with OF_SHARE_* bits); HFILE_ERROR when
// the file cannot be opened.
HFILE OpenLegacyFile(const char* path, UINT mode);
