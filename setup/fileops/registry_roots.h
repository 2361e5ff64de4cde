// Registry roots by number, as the install log stores them, and their
// handles and names.
#pragma once

#include <windows.h>

enum RootKind {
  kRootClasses = 0,
  kRootCurrentUser = 1,
  kRootLocalMachine = 2,
  kRootUsers = 3,
};

// Registry handle of a root kind; all bits set for an unknown kind.
HKEY RootHandle(int root);
// "HKEY_CLASSES_ROOT" ... "HKEY_USERS", or "Unknown".
const char* RootName(int root);
