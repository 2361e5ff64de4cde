// Stands in for an uninstaller in the roll-back test: writes its process id
// and command line to started.txt beside itself, then ends.
#include <windows.h>

#include <cstdio>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  char* slash = std::strrchr(path, '\\');
  if (!slash || static_cast<size_t>(slash + 1 - path) + 12 > sizeof path) return 1;
  std::strcpy(slash + 1, "started.tmp");
  char final_path[MAX_PATH];
  std::memcpy(final_path, path, sizeof path);
  std::strcpy(std::strrchr(final_path, '\\') + 1, "started.txt");
  FILE* out = std::fopen(path, "wb");
  if (!out) return 1;
  std::fprintf(out, "%lu\n%s", static_cast<unsigned long>(GetCurrentProcessId()),
               GetCommandLineA());
  std::fclose(out);
  // Renamed when complete, so the test never reads half a file.
  return MoveFileA(path, final_path) ? 0 : 1;
}
