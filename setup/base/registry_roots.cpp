#include "base/registry_roots.h"

HKEY RootHandle(int root) {
  switch (root) {
    case kRootClasses:
      return HKEY_CLASSES_ROOT;
    case kRootCurrentUser:
      return HKEY_CURRENT_USER;
    case kRootLocalMachine:
      return HKEY_LOCAL_MACHINE;
    case kRootUsers:
      return HKEY_USERS;
    default:
      return reinterpret_cast<HKEY>(~static_cast<ULONG_PTR>(0));
  }
}

const char* RootName(int root) {
  switch (root) {
    case kRootClasses:
      return "HKEY_CLASSES_ROOT";
    case kRootCurrentUser:
      return "HKEY_CURRENT_USER";
    case kRootLocalMachine:
      return "HKEY_LOCAL_MACHINE";
    case kRootUsers:
      return "HKEY_USERS";
    default:
      return "Unknown";
  }
}
