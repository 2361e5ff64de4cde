// Files, folders and fonts of the real machine, and deletion at restart.
#include <windows.h>

#include <functional>

#include "install_log/install_log_format.h"
#include "win32_machine.h"

namespace {

constexpr DWORD kMostLogBytes = 64u << 20;  // no install log comes near it
constexpr DWORD kLockingAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

bool NotThere(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// Another program holds it: Windows 95 answers access denied, Windows NT
// (and Wine) a sharing violation.
bool Held(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED; }

bool HasEntries(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return false;
  bool any = false;
  do {
    const std::string name = found.cFileName;
    any = name != "." && name != "..";
  } while (!any && FindNextFileA(find, &found));
  FindClose(find);
  return any;
}

}  // namespace

FileRead Win32Machine::ReadFile(const std::string& path, std::vector<uint8_t>& bytes) {
  bytes.clear();
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return NotThere(GetLastError()) ? FileRead::kMissing : FileRead::kUnreadable;
  const DWORD size = GetFileSize(file, nullptr);
  bool read = size != INVALID_FILE_SIZE && size <= kMostLogBytes;
  if (read) {
    bytes.resize(size);
    DWORD got = 0;
    read = size == 0 || (::ReadFile(file, bytes.data(), size, &got, nullptr) && got == size);
  }
  CloseHandle(file);
  if (!read) bytes.clear();
  return read ? FileRead::kRead : FileRead::kUnreadable;
}

bool Win32Machine::Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

Change Win32Machine::EraseFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES)
    return NotThere(GetLastError()) ? Change::kAbsent : Change::kFailed;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return Change::kFailed;
  if (attributes & kLockingAttributes) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (DeleteFileA(path.c_str())) return Change::kDone;
  const DWORD error = GetLastError();
  if (attributes & kLockingAttributes) SetFileAttributesA(path.c_str(), attributes);
  return Held(error) ? Change::kInUse : Change::kFailed;
}

// WININIT reads [rename] of wininit.ini in DOS before Windows starts: a
// "NUL=" line deletes the file it names (by its short name, which DOS
// reads). The profile functions write a section's lines as given, so every
// such line is kept.
bool Win32Machine::DeleteAtRestart(const std::string& path) {
  std::string name = path;
  char shortName[MAX_PATH];
  const DWORD length = GetShortPathNameA(path.c_str(), shortName, sizeof shortName);
  if (length > 0 && length < sizeof shortName) name.assign(shortName, length);
  std::vector<std::string> lines;
  if (!ReadSection("wininit.ini", "rename", lines)) return false;
  lines.push_back("NUL=" + name);
  return WriteSection("wininit.ini", "rename", lines) == Change::kDone;
}

Change Win32Machine::CutFile(const std::string& path, uint32_t length) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return NotThere(error) ? Change::kAbsent : Held(error) ? Change::kInUse : Change::kFailed;
  }
  const DWORD size = GetFileSize(file, nullptr);
  Change change = Change::kFailed;
  if (size != INVALID_FILE_SIZE && size < length) {
    change = Change::kKept;
  } else if (size != INVALID_FILE_SIZE &&
             SetFilePointer(file, static_cast<LONG>(length), nullptr, FILE_BEGIN) == length &&
             SetEndOfFile(file)) {
    change = Change::kDone;
  }
  CloseHandle(file);
  return change;
}

namespace {

// An open log, written through to the disk before it is closed: the
// removal's place must survive a power cut.
Change ChangeLog(const std::string& path, const std::function<bool(HANDLE)>& change) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return NotThere(GetLastError()) ? Change::kAbsent : Change::kFailed;
  const bool changed = change(file) && FlushFileBuffers(file);
  CloseHandle(file);
  return changed ? Change::kDone : Change::kFailed;
}

}  // namespace

Change Win32Machine::CutLog(const std::string& path, uint32_t length) {
  return ChangeLog(path, [length](HANDLE file) {
    return SetFilePointer(file, static_cast<LONG>(length), nullptr, FILE_BEGIN) == length &&
           SetEndOfFile(file);
  });
}

Change Win32Machine::ForgetEarlierLog(const std::string& path) {
  return ChangeLog(path, [](HANDLE file) {
    const char none[install_log::kChainNameSize] = {};
    DWORD written = 0;
    return SetFilePointer(file, 0, nullptr, FILE_BEGIN) == 0 &&
           WriteFile(file, none, sizeof none, &written, nullptr) && written == sizeof none;
  });
}

Change Win32Machine::MoveFileBack(const std::string& from, const std::string& to) {
  if (!Exists(from)) return Change::kAbsent;
  if (Exists(to)) return Change::kKept;
  return MoveFileA(from.c_str(), to.c_str()) ? Change::kDone : Change::kFailed;
}

Change Win32Machine::SetAttributes(const std::string& path, uint32_t attributes) {
  if (!Exists(path)) return Change::kAbsent;
  return SetFileAttributesA(path.c_str(), attributes) ? Change::kDone : Change::kFailed;
}

Change Win32Machine::RemoveFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return Change::kAbsent;
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return Change::kKept;
  if (RemoveDirectoryA(path.c_str())) return Change::kDone;
  return HasEntries(path) ? Change::kKept : Change::kFailed;
}

// The NUL= lines of wininit.ini delete files (Wine's too): a folder can go at
// the next start only where MoveFileExA can arrange it (Windows NT, Wine),
// after the files of wininit.ini.
bool Win32Machine::RemoveFolderAtRestart(const std::string& path) {
  return MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
}

bool Win32Machine::ListFolder(const std::string& path, std::vector<std::string>& names) {
  names.clear();
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((path + "\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return false;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(find, &found));
  FindClose(find);
  return true;
}

Change Win32Machine::MakeFolder(const std::string& path) {
  if (CreateDirectoryA(path.c_str(), nullptr)) return Change::kDone;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)
             ? Change::kDone
             : Change::kFailed;
}

// A font that is not loaded (Windows restarted since) needs nothing.
Change Win32Machine::RemoveFont(const std::string& path) {
  if (!RemoveFontResourceA(path.c_str())) return Change::kAbsent;
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(HWND_BROADCAST, WM_FONTCHANGE, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
  return Change::kDone;
}
