// The handles and names of the registry roots (RootKind, base/registry_text.h),
// shared by the file operations and the uninstaller.
#pragma once

#include <windows.h>

#include "base/registry_text.h"

// Registry handle of a root kind; all bits set for an unknown kind.
HKEY RootHandle(int root);
// "HKEY_CLASSES_ROOT" ... "HKEY_USERS", or "Unknown".
const char* RootName(int root);
