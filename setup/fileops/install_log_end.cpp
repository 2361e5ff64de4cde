#include "fileops/install_log_end.h"

#include <windows.h>

#include <vector>

#include "install_log/install_log_reader.h"
#include "install_log/log_chain.h"
#include "install_log/log_stream.h"
#include "fileops/path_names.h"
#include "fileops/version_stamp.h"
#include "fileops/win32_log_file.h"

namespace {

// A log larger than this is not one this engine wrote.
constexpr uint32_t kMaxLogSize = 16u << 20;

bool Exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

bool Taken(const char* path, void*) { return Exists(path); }

bool SameFile(const char* a, const char* b) {
  char full_a[MAX_PATH];
  char full_b[MAX_PATH];
  char* name = nullptr;
  const DWORD la = GetFullPathNameA(a, MAX_PATH, full_a, &name);
  const DWORD lb = GetFullPathNameA(b, MAX_PATH, full_b, &name);
  if (la == 0 || la >= MAX_PATH || lb == 0 || lb >= MAX_PATH) return lstrcmpiA(a, b) == 0;
  return lstrcmpiA(full_a, full_b) == 0;
}

bool WindowsFolder(char (&folder)[MAX_PATH]) {
  const UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
  return length != 0 && length < MAX_PATH;
}

bool WriteChainName(const char* log, const char (&name)[install_log::kChainNameSize]) {
  Win32LogFile file;
  LogStream stream(file);
  const bool written = stream.Open(log, "r+b") && stream.Seek(0) &&
                       stream.WriteRaw(name, install_log::kChainNameSize);
  stream.Close();
  return written;
}

// The log's own move, outside any recorder: an existing target is deleted,
// then rename, or copy and delete when renaming fails.
bool MoveLog(const char* from, const char* to) {
  if (Exists(to) && !DeleteFileA(to)) return false;
  if (MoveFileA(from, to)) return true;
  return CopyFileA(from, to, FALSE) && DeleteFileA(from);
}

// Cuts the file at path to length bytes.
bool CutTo(const char* path, uint32_t length) {
  HANDLE file =
      CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool cut = SetFilePointer(file, static_cast<LONG>(length), nullptr, FILE_BEGIN) == length &&
                   SetEndOfFile(file);
  return CloseHandle(file) && cut;
}

// The log as the uninstaller may be handed it: a log whose writing was cut
// off within a record loses that record, so that what was recorded whole
// can still be taken back.
LogContent SoundLog(const char* log) {
  std::vector<uint8_t> bytes;
  size_t length = 0;
  if (!ReadWholeFile(log, kMaxLogSize, bytes) ||
      !CompleteLogLength(bytes.data(), bytes.size(), length))
    return LogContent::Damaged;
  if (length < bytes.size() && !CutTo(log, static_cast<uint32_t>(length)))
    return LogContent::Damaged;
  return CheckInstallLog(bytes.data(), length);
}

}  // namespace

bool FinaliseInstallLog(const char* windows_dir, const char* install_dir) {
  PathBuffer target, log;
  if (!install_dir || !windows_dir || !path_names::JoinPath(install_dir, kInstallLogName, target) ||
      !path_names::JoinPath(windows_dir, kInstallLogName, log))
    return false;
  if (!Exists(log.Get())) return true;
  if (SameFile(target.Get(), log.Get())) return false;

  char chain[install_log::kChainNameSize] = {};
  PathBuffer backup;
  const bool earlier = Exists(target.Get());
  if (earlier &&
      (!path_names::FirstFreeBackup(target.Get(), Taken, nullptr, backup) ||
       !log_chain::ChainName(backup.Get(), chain) || !MoveFileA(target.Get(), backup.Get())))
    return false;
  if (WriteChainName(log.Get(), chain) && MoveLog(log.Get(), target.Get())) return true;
  // The earlier log takes its own name again: the folder is not left without
  // a log for the uninstaller.
  if (earlier && !Exists(target.Get())) MoveFileA(backup.Get(), target.Get());
  return false;
}

bool FinaliseInstallLog(const char* install_dir) {
  char windows[MAX_PATH];
  return WindowsFolder(windows) && FinaliseInstallLog(windows, install_dir);
}

bool RollBackInstallation(const char* windows_dir) {
  PathBuffer uninstallerPath, logPath;
  if (!windows_dir || !path_names::JoinPath(windows_dir, kUninstallerName, uninstallerPath) ||
      !path_names::JoinPath(windows_dir, kInstallLogName, logPath))
    return false;
  const char* uninstaller = uninstallerPath.Get();
  const char* log = logPath.Get();
  if (!Exists(uninstaller) || !Exists(log)) return false;
  uint32_t version_ms = 0;
  const bool has_version = FileVersionMs(uninstaller, version_ms);
  const LogContent content = SoundLog(log);
  if (!log_chain::ShouldStartUninstaller(has_version, version_ms, content)) return false;
  char command[2 * MAX_PATH + 2];
  return log_chain::UninstallCommand(uninstaller, log, command, sizeof command) &&
         WinExec(command, SW_SHOWNORMAL) > 31;
}

bool RollBackInstallation() {
  char windows[MAX_PATH];
  return WindowsFolder(windows) && RollBackInstallation(windows);
}
