// INI files of the real machine, through the profile functions only (the
// format of an INI file is theirs; another product may write these records).
#include <windows.h>

#include "win32_machine.h"

namespace {

// A list of NUL-ended texts ending in an empty one, as the profile
// functions hand over sections and their names; the buffer grows until the
// answer is whole (false past 1 MB).
template <typename Read>
bool TextList(Read read, std::vector<std::string>& texts) {
  texts.clear();
  for (DWORD size = 4096; size <= (1u << 20); size *= 4) {
    std::vector<char> buffer(size, '\0');
    const DWORD length = read(buffer.data(), size);
    if (length + 2 >= size) continue;
    for (const char* at = buffer.data(); *at; at += lstrlenA(at) + 1) texts.push_back(at);
    return true;
  }
  return false;
}

bool SectionNames(const std::string& file, std::vector<std::string>& names) {
  return TextList(
      [&](char* buffer, DWORD size) {
        return GetPrivateProfileSectionNamesA(buffer, size, file.c_str());
      },
      names);
}

bool HasSection(const std::string& file, const std::string& section) {
  std::vector<std::string> names;
  SectionNames(file, names);
  for (const std::string& name : names)
    if (lstrcmpiA(name.c_str(), section.c_str()) == 0) return true;
  return false;
}

// Windows 95 keeps profile writes in memory: written out before anything
// reads the file itself.
void Flush(const std::string& file) {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
}

}  // namespace

bool Win32Machine::ReadSection(const std::string& file, const std::string& section,
                               std::vector<std::string>& lines) {
  return TextList(
      [&](char* buffer, DWORD size) {
        return GetPrivateProfileSectionA(section.c_str(), buffer, size, file.c_str());
      },
      lines);
}

Change Win32Machine::WriteSection(const std::string& file, const std::string& section,
                                  const std::vector<std::string>& lines) {
  std::string list;
  for (const std::string& line : lines) list.append(line).push_back('\0');
  list.push_back('\0');
  const BOOL written = WritePrivateProfileSectionA(section.c_str(), list.data(), file.c_str());
  Flush(file);
  return written ? Change::kDone : Change::kFailed;
}

Change Win32Machine::DeleteSection(const std::string& file, const std::string& section) {
  if (!HasSection(file, section)) return Change::kAbsent;
  std::vector<std::string> lines;
  if (!ReadSection(file, section, lines) || !lines.empty()) return Change::kKept;
  const BOOL deleted = WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, file.c_str());
  Flush(file);
  return deleted ? Change::kDone : Change::kFailed;
}

// The profile functions write no empty section: an entry made and deleted
// again leaves its header.
Change Win32Machine::MakeSection(const std::string& file, const std::string& section) {
  if (HasSection(file, section)) return Change::kDone;
  const char* const kPlaceholder = "-";
  const BOOL made =
      WritePrivateProfileStringA(section.c_str(), kPlaceholder, "", file.c_str()) &&
      WritePrivateProfileStringA(section.c_str(), kPlaceholder, nullptr, file.c_str());
  Flush(file);
  return made ? Change::kDone : Change::kFailed;
}

Change Win32Machine::DeleteIniFile(const std::string& file) {
  std::vector<std::string> names;
  if (!SectionNames(file, names) || !names.empty()) return Change::kKept;
  Flush(file);
  // A bare name is the profile functions' file in the Windows folder.
  std::string path = file;
  if (file.find_first_of("\\/:") == std::string::npos) {
    char windows[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    if (length == 0 || length >= sizeof windows) return Change::kFailed;
    path = std::string(windows) + "\\" + file;
  }
  const Change change = EraseFile(path);
  return change == Change::kInUse ? Change::kFailed : change;
}
