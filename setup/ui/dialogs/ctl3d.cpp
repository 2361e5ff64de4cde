#include "ui/dialogs/ctl3d.h"

#include <cstdio>
#include <cstring>

namespace {

using InstanceCall = BOOL(WINAPI*)(HINSTANCE);
using ControlCall = BOOL(WINAPI*)(HWND);

int g_count = 0;
HMODULE g_library = nullptr;

FARPROC Entry(const char* name) { return g_library ? GetProcAddress(g_library, name) : nullptr; }

bool CallWithInstance(const char* name) {
  auto call = reinterpret_cast<InstanceCall>(reinterpret_cast<void*>(Entry(name)));
  return call && call(GetModuleHandleA(nullptr));
}

// The directory the version installer names for a shared ctl3d32.dll.
bool SharedLibraryPath(char* path, int size) {
  char current[MAX_PATH] = {0};
  char dest[MAX_PATH] = {0};
  UINT currentLen = sizeof current;
  UINT destLen = sizeof dest;
  char name[] = "ctl3d32.dll";
  VerFindFileA(VFFF_ISSHAREDFILE, name, nullptr, nullptr, current, &currentLen, dest, &destLen);
  if (!dest[0]) return false;
  std::size_t n = std::strlen(dest);
  const char* sep = (n > 0 && dest[n - 1] == '\\') ? "" : "\\";
  return std::snprintf(path, static_cast<std::size_t>(size), "%s%sctl3d32.dll", dest, sep) < size;
}

}  // namespace

bool Register3dControls() {
  if (++g_count != 1) return g_library != nullptr;
  char path[MAX_PATH];
  if (!SharedLibraryPath(path, sizeof path)) return false;
  if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) return false;
  g_library = LoadLibraryA(path);
  if (!g_library) return false;
  return CallWithInstance("Ctl3dRegister") && CallWithInstance("Ctl3dAutoSubclass");
}

void Unregister3dControls() {
  if (g_count == 0) return;
  if (--g_count != 0) return;
  if (!g_library) return;
  CallWithInstance("Ctl3dUnregister");
  FreeLibrary(g_library);
  g_library = nullptr;
}

void Subclass3dControl(HWND control) {
  auto call = reinterpret_cast<ControlCall>(reinterpret_cast<void*>(Entry("Ctl3dSubclassCtl")));
  if (call) call(control);
}

int Ctl3dReferenceCount() { return g_count; }
bool Ctl3dLoaded() { return g_library != nullptr; }
