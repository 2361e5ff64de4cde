#include "machine_state.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "uidriver.h"

namespace {

std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// Wine links the user's shell folders to the host's home folder: their
// content is no part of the machine under test.
bool HostLink(const std::string& path, DWORD attributes) {
  if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return true;
  if (path.rfind("c:\\users\\", 0) != 0) return false;
  const std::string name = path.substr(path.find_last_of('\\') + 1);
  for (const char* linked : {"desktop", "documents", "downloads", "music", "pictures", "videos",
                             "templates", "my documents"})
    if (name == linked) return true;
  return false;
}

void WalkFiles(const std::string& folder, std::vector<std::string>& lines) {
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    const std::string path = Lower(folder + "\\" + name);
    char line[96];
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      std::snprintf(line, sizeof line, " dir %lx", found.dwFileAttributes & 0xFF);
      lines.push_back(path + line);
      if (!HostLink(path, found.dwFileAttributes)) WalkFiles(folder + "\\" + name, lines);
    } else {
      std::snprintf(line, sizeof line, " %lx %lu %lx:%lx", found.dwFileAttributes,
                    found.nFileSizeLow, found.ftLastWriteTime.dwHighDateTime,
                    found.ftLastWriteTime.dwLowDateTime);
      lines.push_back(path + line);
    }
  } while (FindNextFileA(find, &found));
  FindClose(find);
}

// Keys the system rewrites on its own while programs run (the user's keys
// stand under HKEY_USERS as well).
bool Volatile(const std::string& key) {
  static const char* const kVolatile[] = {
      "\\software\\wine\\temporary system parameters",
      "\\software\\wine\\explorer",
      "\\software\\wine\\wineboot",
      "\\software\\microsoft\\windows\\currentversion\\explorer",
      "\\control\\session manager\\environment",
      "[hkey_local_machine\\hardware",
      "[hkey_dyn_data",
      "[hkey_local_machine\\software\\wine\\ports",
      "[hkey_local_machine\\system\\currentcontrolset\\control\\print",
      "[hkey_local_machine\\system\\currentcontrolset\\services\\tcpip",
      // the devices and services of a prefix still starting up
      "[hkey_local_machine\\system\\currentcontrolset\\control\\deviceclasses",
      "[hkey_local_machine\\system\\currentcontrolset\\control\\servicecurrent",
      "\\microsoft\\windows nt\\currentversion\\networkcards",
  };
  for (const char* part : kVolatile)
    if (key.find(part) != std::string::npos) return true;
  return false;
}

// regedit writes UTF-16; our keys and values are ASCII.
std::vector<std::string> Registry() {
  char temp[MAX_PATH];
  std::snprintf(temp, sizeof temp, "Z:\\tmp\\hvt-registry-%lu.reg", GetCurrentProcessId());
  uidriver::Program regedit;
  std::vector<std::string> lines;
  if (!regedit.Start(std::string("regedit.exe /E ") + temp) || !regedit.WaitExit(60000))
    return {"<regedit failed>"};
  std::string text;
  if (FILE* f = std::fopen(temp, "rb")) {
    std::vector<unsigned char> bytes(1 << 16);
    size_t n;
    while ((n = std::fread(bytes.data(), 1, bytes.size(), f)) > 1)
      for (size_t i = 0; i + 1 < n; i += 2)
        text += bytes[i + 1] == 0 ? static_cast<char>(bytes[i]) : '?';
    std::fclose(f);
  }
  DeleteFileA(temp);
  std::string key;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line[0] == '[') key = Lower(line);
    if (Volatile(key) || line[0] == '#') continue;  // "#time=" lines of Wine's own
    lines.push_back(line[0] == '[' ? key : key + " " + line);
  }
  return lines;
}

}  // namespace

MachineState ReadMachineState(const std::string& programManagerState) {
  MachineState state;
  WalkFiles("C:", state.files);
  state.registry = Registry();
  size_t at = 0;
  while (at < programManagerState.size()) {
    size_t end = programManagerState.find('\n', at);
    if (end == std::string::npos) end = programManagerState.size();
    const std::string line = programManagerState.substr(at, end - at);
    if (line.rfind("group: ", 0) == 0 || line.rfind("item: ", 0) == 0) state.groups.push_back(line);
    at = end + 1;
  }
  for (auto* list : {&state.files, &state.registry, &state.groups})
    std::sort(list->begin(), list->end());
  return state;
}

std::vector<std::string> StateDifferences(const MachineState& a, const MachineState& b,
                                          const std::vector<std::string>& except) {
  std::vector<std::string> differences;
  auto compare = [&](const std::vector<std::string>& x, const std::vector<std::string>& y,
                     const char* sign) {
    for (const std::string& line : x) {
      if (std::binary_search(y.begin(), y.end(), line)) continue;
      bool excepted = false;
      for (const std::string& name : except) excepted = excepted || line.find(name) == 0;
      if (!excepted) differences.push_back(sign + line);
    }
  };
  for (int i = 0; i < 3; ++i) {
    const std::vector<std::string>& x = i == 0 ? a.files : i == 1 ? a.registry : a.groups;
    const std::vector<std::string>& y = i == 0 ? b.files : i == 1 ? b.registry : b.groups;
    compare(x, y, "- ");
    compare(y, x, "+ ");
  }
  return differences;
}
