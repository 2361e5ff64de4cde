#include "fileops/install_log_end.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "install_log/install_log_reader.h"
#include "fileops/version_stamp.h"
#include "fileops/win32_log_file.h"
#include "test_folder.h"

namespace {

// The header of a log titled "T": chain name, version, title.
constexpr DWORD kTitleTHeader = 12 + 4 + 1 + 1;

// A Windows folder and an installation folder of the test's own.
class LogEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    windows_ = MakeTestFolder("hvtwin");
    install_ = MakeTestFolder("hvtinst");
    ASSERT_FALSE(windows_.empty());
    ASSERT_FALSE(install_.empty());
  }
  void TearDown() override {
    RemoveTree(windows_);
    RemoveTree(install_);
  }

  // A log in the Windows folder; with a record unless empty.
  void WriteLog(const char* title, bool with_record) {
    Win32LogFile file;
    InstallLogRecorder recorder(file);
    ASSERT_TRUE(recorder.OpenAt((windows_ + "\\filog.ini").c_str(), title));
    if (with_record) recorder.DirCreated(install_.c_str());
    recorder.Close();
  }

  bool ReadLog(const std::string& path, LogHeader& header, std::vector<LogRecord>& records) {
    std::vector<uint8_t> bytes;
    return ReadWholeFile(path.c_str(), 1u << 20, bytes) &&
           ReadInstallLog(bytes.data(), bytes.size(), header, records);
  }

  static DWORD FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return data.nFileSizeLow;
  }

  static bool WriteWhole(const std::string& path, const std::vector<uint8_t>& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool whole =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    return CloseHandle(file) && whole;
  }

  // Appends the first count bytes of the records of the log at from (titled
  // "T") to the log at to.
  static bool AppendHalf(const std::string& to, const std::string& from, DWORD count) {
    std::vector<uint8_t> log, more;
    if (!ReadWholeFile(to.c_str(), 1u << 20, log) || !ReadWholeFile(from.c_str(), 1u << 20, more) ||
        more.size() < kTitleTHeader + count)
      return false;
    log.insert(log.end(), more.begin() + kTitleTHeader, more.begin() + kTitleTHeader + count);
    return WriteWhole(to, log);
  }

  std::string Chain(const std::string& path) {
    LogHeader header;
    std::vector<LogRecord> records;
    if (!ReadLog(path, header, records)) return "unreadable";
    return std::string(header.chain_name, 12);
  }

  static bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  // The stand-in uninstaller (a program of version 2.0) in the Windows folder.
  std::string PlaceStartedUninstaller() {
    const std::string uninstaller = windows_ + "\\Vantrel3.exe";
    // The build names it by its host path, which Wine shows on drive Z:.
    const std::string built = std::string("Z:") + HVT_STARTED_UNINSTALLER;
    return CopyFileA(built.c_str(), uninstaller.c_str(), FALSE) ? uninstaller : std::string();
  }

  // The command line the stand-in uninstaller was started with, once it has
  // written it and ended; empty when it did not start.
  std::string StartedCommand() {
    const std::string report = windows_ + "\\started.txt";
    std::vector<uint8_t> bytes;
    const DWORD deadline = GetTickCount() + 10000;
    while (!ReadWholeFile(report.c_str(), 4096, bytes) &&
           static_cast<LONG>(GetTickCount() - deadline) < 0)
      Sleep(20);
    DeleteFileA(report.c_str());
    const std::string text(bytes.begin(), bytes.end());
    const size_t newline = text.find('\n');
    if (newline == std::string::npos) return std::string();
    const DWORD pid = std::strtoul(text.c_str(), nullptr, 10);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
    if (process) {
      if (WaitForSingleObject(process, 10000) != WAIT_OBJECT_0) TerminateProcess(process, 1);
      CloseHandle(process);
    }
    return text.substr(newline + 1);
  }

  // Copies this test program, of version 2.0, into the Windows folder as the
  // uninstaller.
  void PlaceUninstaller() {
    char program[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    ASSERT_TRUE(length > 0 && length < MAX_PATH);
    uint32_t version_ms = 0;
    ASSERT_TRUE(FileVersionMs(program, version_ms));
    ASSERT_EQ(version_ms, 0x20000u);
    ASSERT_TRUE(CopyFileA(program, (windows_ + "\\Vantrel3.exe").c_str(), FALSE));
  }

  std::string windows_, install_;
};

}  // namespace

TEST_F(LogEndTest, WithoutAnEarlierLogTheChainNameIsZeros) {
  WriteLog("T", true);
  ASSERT_TRUE(FinaliseInstallLog(windows_.c_str(), install_.c_str()));
  EXPECT_FALSE(Exists(windows_ + "\\filog.ini"));
  LogHeader header;
  std::vector<LogRecord> records;
  ASSERT_TRUE(ReadLog(install_ + "\\filog.ini", header, records));
  EXPECT_EQ(std::string(header.chain_name, 12), std::string(12, '\0'));
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].texts[0], install_);
}

TEST_F(LogEndTest, EarlierLogsBecomeFilogBakThenFilog000) {
  WriteLog("first", true);
  ASSERT_TRUE(FinaliseInstallLog(windows_.c_str(), install_.c_str()));
  WriteLog("second", true);
  ASSERT_TRUE(FinaliseInstallLog(windows_.c_str(), install_.c_str()));
  EXPECT_EQ(Chain(install_ + "\\filog.ini"), std::string("filog.bak\0\0\0", 12));
  WriteLog("third", true);
  ASSERT_TRUE(FinaliseInstallLog(windows_.c_str(), install_.c_str()));
  EXPECT_EQ(Chain(install_ + "\\filog.ini"), std::string("filog.000\0\0\0", 12));
  LogHeader header;
  std::vector<LogRecord> records;
  ASSERT_TRUE(ReadLog(install_ + "\\filog.000", header, records));
  EXPECT_EQ(header.title, "second");
  ASSERT_TRUE(ReadLog(install_ + "\\filog.bak", header, records));
  EXPECT_EQ(header.title, "first");
}

TEST_F(LogEndTest, AFailedFinalisationPutsTheEarlierLogBackUnderItsName) {
  WriteLog("first", true);
  ASSERT_TRUE(FinaliseInstallLog(windows_.c_str(), install_.c_str()));
  WriteLog("second", true);
  // Another program reads the new log and lets nobody write it: its chain
  // name cannot be written, nor the log moved.
  HANDLE reader = CreateFileA((windows_ + "\\filog.ini").c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(FinaliseInstallLog(windows_.c_str(), install_.c_str()));
  CloseHandle(reader);
  LogHeader header;
  std::vector<LogRecord> records;
  ASSERT_TRUE(ReadLog(install_ + "\\filog.ini", header, records));
  EXPECT_EQ(header.title, "first");
  EXPECT_FALSE(Exists(install_ + "\\filog.bak"));
  EXPECT_EQ(Chain(windows_ + "\\filog.ini"), "01234567.012");
}

TEST_F(LogEndTest, TheWindowsFolderAsInstallationFolderLeavesTheLog) {
  WriteLog("T", true);
  EXPECT_FALSE(FinaliseInstallLog(windows_.c_str(), (windows_ + "\\.\\").c_str()));
  EXPECT_EQ(Chain(windows_ + "\\filog.ini"), "01234567.012");
}

TEST_F(LogEndTest, NoLogIsNothingToDo) {
  EXPECT_TRUE(FinaliseInstallLog(windows_.c_str(), install_.c_str()));
  EXPECT_FALSE(Exists(install_ + "\\filog.ini"));
}

TEST_F(LogEndTest, RollBackNeedsTheUninstaller) {
  WriteLog("T", true);
  EXPECT_FALSE(RollBackInstallation(windows_.c_str()));
}

// The uninstaller is started on the log with "%s %s" and is not waited for.
TEST_F(LogEndTest, RollBackStartsTheUninstallerOnTheLog) {
  const std::string uninstaller = PlaceStartedUninstaller();
  ASSERT_FALSE(uninstaller.empty());
  WriteLog("T", true);
  ASSERT_TRUE(RollBackInstallation(windows_.c_str()));
  EXPECT_EQ(StartedCommand(), uninstaller + " " + windows_ + "\\filog.ini");
}

TEST_F(LogEndTest, RollBackOfALogWithoutRecordsStartsNothing) {
  PlaceUninstaller();
  WriteLog(std::string(300, 't').c_str(), false);
  EXPECT_FALSE(RollBackInstallation(windows_.c_str()));
}

// A setup that ended while writing a record leaves half of it: the log is
// cut back to the records written whole, and those are taken back.
TEST_F(LogEndTest, RollBackCutsALogBackToItsLastCompleteRecord) {
  const std::string uninstaller = PlaceStartedUninstaller();
  ASSERT_FALSE(uninstaller.empty());
  const std::string log = windows_ + "\\filog.ini";
  DWORD whole = 0, cut = 0;
  {
    Win32LogFile file;
    InstallLogRecorder recorder(file);
    ASSERT_TRUE(recorder.OpenAt(log.c_str(), "T"));
    recorder.DirCreated("C:\\KELVANE");
    recorder.FileCopied("A:\\KELVANE.EX_", "C:\\KELVANE\\KELVANE.EXE", 1);
    recorder.Close();
    whole = FileSize(log);
    ASSERT_TRUE(recorder.OpenAt((windows_ + "\\third.ini").c_str(), "T"));
    recorder.FontInstalled("C:\\WINDOWS\\FONTS\\KELVANE.TTF", 1);
    recorder.Close();
    // Half of the third record, which takes as many bytes as in its own log.
    cut = whole + (FileSize(windows_ + "\\third.ini") - kTitleTHeader) / 2;
  }
  ASSERT_TRUE(AppendHalf(log, windows_ + "\\third.ini", cut - whole));
  ASSERT_EQ(FileSize(log), cut);
  ASSERT_TRUE(RollBackInstallation(windows_.c_str()));
  EXPECT_EQ(FileSize(log), whole);
  LogHeader header;
  std::vector<LogRecord> records;
  ASSERT_TRUE(ReadLog(log, header, records));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].texts, (std::vector<std::string>{"C:\\KELVANE"}));
  EXPECT_EQ(records[1].texts,
            (std::vector<std::string>{"A:\\KELVANE.EX_", "C:\\KELVANE\\KELVANE.EXE"}));
  EXPECT_EQ(StartedCommand(), uninstaller + " " + log);
}

// A log cut within its only record keeps its header alone: nothing is left
// to take back.
TEST_F(LogEndTest, RollBackOfALogCutWithinItsOnlyRecordStartsNothing) {
  PlaceUninstaller();
  WriteLog("T", true);
  const std::string log = windows_ + "\\filog.ini";
  HANDLE file = CreateFileA(log.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  ASSERT_NE(SetFilePointer(file, -1, nullptr, FILE_END), INVALID_SET_FILE_POINTER);
  ASSERT_TRUE(SetEndOfFile(file));
  CloseHandle(file);
  EXPECT_FALSE(RollBackInstallation(windows_.c_str()));
  EXPECT_EQ(FileSize(log), kTitleTHeader);
}

// Damage that no cut-off write leaves is not mended: the log stays as it is
// and nothing is started.
TEST_F(LogEndTest, RollBackOfADamagedLogStartsNothingAndLeavesIt) {
  const std::string uninstaller = PlaceStartedUninstaller();
  ASSERT_FALSE(uninstaller.empty());
  const std::string log = windows_ + "\\filog.ini";
  const struct {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> damage;
  } rows[] = {
      {"version byte", [](std::vector<uint8_t>& bytes) { bytes[13] ^= 1; }},
      {"header cut short", [](std::vector<uint8_t>& bytes) { bytes.resize(14); }},
      {"unknown record kind",
       [](std::vector<uint8_t>& bytes) {
         bytes.insert(bytes.end(), {99, 0, 0, 0, 1, 'x'});
       }},
      {"string longer than a log holds",
       [](std::vector<uint8_t>& bytes) {
         bytes.insert(bytes.end(), {0, 0, 0, 0, 255, 0xFF, 0xFF, 0, 0, 'x'});
       }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    WriteLog("T", true);
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(log.c_str(), 1u << 20, bytes));
    row.damage(bytes);
    ASSERT_TRUE(WriteWhole(log, bytes));
    EXPECT_FALSE(RollBackInstallation(windows_.c_str()));
    std::vector<uint8_t> after;
    ASSERT_TRUE(ReadWholeFile(log.c_str(), 1u << 20, after));
    EXPECT_EQ(after, bytes);
  }
  EXPECT_FALSE(Exists(windows_ + "\\started.txt"));
}

TEST_F(LogEndTest, AProgramWithoutAVersionHasNone) {
  const std::string plain = windows_ + "\\plain.exe";
  HANDLE file = CreateFileA(plain.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  uint32_t version_ms = 0;
  EXPECT_FALSE(FileVersionMs(plain.c_str(), version_ms));
}
