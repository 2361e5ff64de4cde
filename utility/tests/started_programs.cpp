#include "started_programs.h"

#include "boot_drive.h"
#include "uidriver.h"

namespace kelvane_test {

namespace {

struct Search {
  std::string prefix;
  const char* cls;
  StartedWindow found;
};

BOOL CALLBACK Visit(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == GetCurrentProcessId() || !IsWindowVisible(hwnd)) return TRUE;
  if (search->cls && uidriver::ClassOf(hwnd) != search->cls) return TRUE;
  std::string caption = uidriver::Text(hwnd);
  if (caption.compare(0, search->prefix.size(), search->prefix) != 0) return TRUE;
  search->found = {hwnd, pid, caption};
  return FALSE;
}

}  // namespace

StartedWindow WaitStartedWindow(const std::string& captionPrefix, const char* cls,
                                DWORD timeoutMs) {
  Search search = {captionPrefix, cls, {}};
  uidriver::WaitUntil(
      [&] {
        EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
        return search.found.hwnd != nullptr;
      },
      timeoutMs);
  return search.found;
}

bool EndProcessById(DWORD pid) {
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
  if (!process) return false;
  TerminateProcess(process, 99);
  bool gone = WaitForSingleObject(process, uidriver::Deadline(5000)) == WAIT_OBJECT_0;
  CloseHandle(process);
  return gone;
}

std::string FakeToolPath() { return uidriver::BesideTest("kelvane_fake_tool.exe"); }

PlacedTool::PlacedTool(const std::string& path, DWORD attributes) : path_(path) {
  std::string folder = path.substr(0, path.find_last_of('\\'));
  if (GetFileAttributesA(folder.c_str()) == INVALID_FILE_ATTRIBUTES &&
      CreateDirectoryA(folder.c_str(), nullptr))
    madeFolder_ = folder;
  placed_ = CopyFileA(FakeToolPath().c_str(), path.c_str(), FALSE) != FALSE &&
            SetFileAttributesA(path.c_str(), attributes) != FALSE;
}

PlacedTool::~PlacedTool() {
  RemoveFile(path_);
  if (!madeFolder_.empty()) RemoveDirectoryA(madeFolder_.c_str());
}

}  // namespace kelvane_test
