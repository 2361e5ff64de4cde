// file_holder PARENT-PID EVENT PATH...: opens each path for reading while
// sharing only reading, as a running program holds its own files, then
// sets the named event and keeps the files until it is ended or its parent
// (the test) is gone. Exits 2 when a file cannot be opened.
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 4) return 1;
  HANDLE parent =
      OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10)));
  for (int i = 3; i < argc; ++i) {
    HANDLE file = CreateFileA(argv[i], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 2;
  }
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
  if (!ready || !SetEvent(ready)) return 3;
  if (parent) WaitForSingleObject(parent, INFINITE);
  return 0;
}
