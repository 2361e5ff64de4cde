#include "copy_test_support.h"

#include <cstdio>

#include "file_bytes.h"
#include "install_log/install_log_reader.h"

namespace copytest {

Bytes Content(size_t n, unsigned seed, bool prose) {
  static const char kText[] =
      "[boot]\r\nshell=Explorer.exe\r\nsystem.drv=system.drv\r\n"
      "DEVICE=C:\\WINDOWS\\HIMEM.SYS\r\nFILES=40\r\nBUFFERS=20\r\n";
  Bytes bytes(n);
  for (size_t i = 0; i < n; ++i) {
    seed = seed * 1664525u + 1013904223u;
    bytes[i] = prose ? static_cast<unsigned char>(kText[(i + (seed >> 28)) % (sizeof kText - 1)])
                     : static_cast<unsigned char>(seed >> 24);
  }
  return bytes;
}

bool WriteBytes(const std::string& path, const Bytes& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = bytes.empty() || (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()),
                                              &written, nullptr) &&
                                    written == bytes.size());
  CloseHandle(file);
  return ok;
}

Bytes ReadBytes(const std::string& path) { return ReadFileBytes<Bytes>(path); }

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

SYSTEMTIME LocalStamp(int year, int month, int day, int hour, int minute, int second) {
  SYSTEMTIME stamp = {};
  stamp.wYear = static_cast<WORD>(year);
  stamp.wMonth = static_cast<WORD>(month);
  stamp.wDay = static_cast<WORD>(day);
  stamp.wHour = static_cast<WORD>(hour);
  stamp.wMinute = static_cast<WORD>(minute);
  stamp.wSecond = static_cast<WORD>(second);
  return stamp;
}

std::string ProgramFolder() {
  char program[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::string();
  std::string path(program, length);
  return path.substr(0, path.find_last_of('\\'));
}

void FileOpsTest::SetUp() {
  const std::string temp = TempFolder();
  ASSERT_FALSE(temp.empty());
  static unsigned serial = 0;
  char name[MAX_PATH];
  std::snprintf(name, sizeof name, "%shvtcopy%lu.%u", temp.c_str(),
                static_cast<unsigned long>(GetCurrentProcessId()), ++serial);
  folder_ = name;
  RemoveTree(folder_);
  ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr)) << folder_;
  ASSERT_TRUE(recorder_.OpenAt("filog.ini", "Test"));
  ops_.SetQuiet(true);
  ops_.SetVersionQuestion(&question_);
  ops_.SetIdleProgress(&idle_);
  ops_.PushRecorder(recorder_);
}

void FileOpsTest::TearDown() {
  ops_.PopRecorder();
  RemoveTree(folder_);
}

std::vector<std::string> FileOpsTest::Records() { return RecordLines(logFile_.bytes); }

std::vector<std::string> RecordLines(const std::vector<uint8_t>& log) {
  LogHeader header;
  std::vector<LogRecord> records;
  std::vector<std::string> lines;
  if (!ReadInstallLog(log.data(), log.size(), header, records)) {
    lines.push_back("damaged log");
    return lines;
  }
  for (const LogRecord& record : records) {
    std::string line = LogOpName(record.kind);
    for (const std::string& text : record.texts) line += "|" + text;
    for (uint32_t number : record.numbers) line += "|" + std::to_string(number);
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> CompleteRecordLines(const std::vector<uint8_t>& log, size_t& rest) {
  size_t length = 0;
  rest = log.size();
  if (!CompleteLogLength(log.data(), log.size(), length))
    return std::vector<std::string>{"damaged log"};
  rest = log.size() - length;
  return RecordLines(std::vector<uint8_t>(log.begin(), log.begin() + length));
}

bool CountingProgress::Add(uint32_t count) {
  ++adds;
  bytes += count;
  return cancelAtAdd == 0 || adds != cancelAtAdd;
}

bool FileHolder::Hold(const std::vector<std::string>& paths) {
  Release();
  static unsigned serial = 0;
  char event[64];
  std::snprintf(event, sizeof event, "hvtholder.%lu.%u",
                static_cast<unsigned long>(GetCurrentProcessId()), ++serial);
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, event);
  if (!ready) return false;
  std::string command = "\"" + ProgramFolder() + "\\file_holder.exe\" " +
                        std::to_string(GetCurrentProcessId()) + " " + event;
  for (const std::string& path : paths) command += " \"" + path + "\"";
  std::vector<char> line(command.begin(), command.end());
  line.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process_)) {
    CloseHandle(ready);
    return false;
  }
  // Ready, or gone because a file could not be opened.
  HANDLE waits[2] = {ready, process_.hProcess};
  const DWORD woke = WaitForMultipleObjects(2, waits, FALSE, 20000);
  CloseHandle(ready);
  if (woke == WAIT_OBJECT_0) return true;
  Release();
  return false;
}

void FileHolder::Release() {
  if (!process_.hProcess) return;
  TerminateProcess(process_.hProcess, 0);
  WaitForSingleObject(process_.hProcess, 20000);
  CloseHandle(process_.hProcess);
  CloseHandle(process_.hThread);
  process_ = {};
}

}  // namespace copytest
