// Stand-in for the uninstaller Vantrel3.exe until the real one is built:
// setup installs it and may start it with a log path. It changes nothing;
// it writes the command line it was given to Vantrel3.txt beside itself, so
// the tests can tell that and how setup started it.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length < 4 || length >= MAX_PATH) return 1;
  lstrcpyA(path + length - 3, "txt");
  HANDLE file =
      CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  const char* line = GetCommandLineA();
  DWORD written = 0;
  WriteFile(file, line, lstrlenA(line), &written, nullptr);
  CloseHandle(file);
  return 0;
}
