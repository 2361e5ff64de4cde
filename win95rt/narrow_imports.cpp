// The compiler's runtime calls a few Unicode functions that Windows 95 has
// only as stubs that fail. Defining their import pointers here, bound to the
// ANSI functions, keeps them out of the import table. Only the way the
// runtime uses them is served: unnamed semaphores, and module names in
// plain ASCII.
#include <windows.h>

namespace {

HANDLE WINAPI UnnamedSemaphore(LPSECURITY_ATTRIBUTES security, LONG initial, LONG maximum,
                               LPCWSTR) {
  return CreateSemaphoreA(security, initial, maximum, nullptr);
}

// The ASCII text of a wide module name; false when it does not fit or is
// not ASCII (the runtime names only its own DLLs).
bool Narrow(LPCWSTR wide, char (&narrow)[MAX_PATH]) {
  for (int i = 0; i < MAX_PATH; ++i) {
    if (wide[i] > 0x7F) return false;
    narrow[i] = static_cast<char>(wide[i]);
    if (wide[i] == 0) return true;
  }
  return false;
}

HMODULE WINAPI ModuleHandleOf(LPCWSTR wide) {
  if (!wide) return GetModuleHandleA(nullptr);
  char name[MAX_PATH];
  return Narrow(wide, name) ? GetModuleHandleA(name) : nullptr;
}

HMODULE WINAPI LoadLibraryOf(LPCWSTR wide) {
  char name[MAX_PATH];
  return wide && Narrow(wide, name) ? LoadLibraryA(name) : nullptr;
}

}  // namespace

// The decorated names are those of the i686 import library, which is the
// only architecture we ship.
#if defined(__i386__)
extern "C" {
decltype(&CreateSemaphoreW) narrowCreateSemaphoreW __asm__("__imp__CreateSemaphoreW@16") =
    UnnamedSemaphore;
decltype(&GetModuleHandleW) narrowGetModuleHandleW __asm__("__imp__GetModuleHandleW@4") =
    ModuleHandleOf;
decltype(&LoadLibraryW) narrowLoadLibraryW __asm__("__imp__LoadLibraryW@4") = LoadLibraryOf;
}
#endif
