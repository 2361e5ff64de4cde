// A destination held open by another program: the copy goes to a
// temporary file next to it that replaces it at the next restart, through
// MoveFileExA or, where that fails as on Windows 95, wininit.ini. One test
// lets Wine's own restart processing (wineboot -r) carry it out.
//
// The pending renames and wininit.ini are the prefix's: each test puts
// back what was there, so that no later start of the prefix renames files.
#include <string>
#include <vector>

#include "copy_test_support.h"
#include "fileops/copy_policies.h"
#include "fileops/copy_readers_writers.h"
#include "fileops/restart_replacement.h"

using namespace copytest;
using Strings = std::vector<std::string>;

namespace {

const char kSessionManager[] = "System\\CurrentControlSet\\Control\\Session Manager";
const char kPendingValue[] = "PendingFileRenameOperations";

// The pending renames value, as raw bytes; false when there is none.
bool ReadPending(std::vector<char>& bytes) {
  bytes.clear();
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return false;
  DWORD type = 0, size = 0;
  bool found =
      RegQueryValueExA(key, kPendingValue, nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
  if (found) {
    bytes.resize(size + 2, '\0');
    found = RegQueryValueExA(key, kPendingValue, nullptr, &type,
                             reinterpret_cast<BYTE*>(bytes.data()), &size) == ERROR_SUCCESS;
    bytes.resize(size);
  }
  RegCloseKey(key);
  return found;
}

void WritePending(bool present, const std::vector<char>& bytes) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
    return;
  if (present)
    RegSetValueExA(key, kPendingValue, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
  else
    RegDeleteValueA(key, kPendingValue);
  RegCloseKey(key);
}

// The strings of the pending renames, upper-cased.
Strings PendingEntries() {
  std::vector<char> bytes;
  Strings entries;
  if (!ReadPending(bytes)) return entries;
  std::string current;
  for (char c : bytes) {
    if (c == '\0') {
      if (!current.empty()) entries.push_back(current);
      current.clear();
    } else {
      current += static_cast<char>(toupper(static_cast<unsigned char>(c)));
    }
  }
  if (!current.empty()) entries.push_back(current);
  return entries;
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  return text;
}

// The position of the entry that ends in path, or -1.
int EntryEndingIn(const Strings& entries, const std::string& path) {
  const std::string tail = Upper(path);
  for (size_t i = 0; i < entries.size(); ++i)
    if (entries[i].size() >= tail.size() &&
        entries[i].compare(entries[i].size() - tail.size(), tail.size(), tail) == 0)
      return static_cast<int>(i);
  return -1;
}

std::string WindowsFile(const char* name) {
  char windows[MAX_PATH];
  const UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
  return std::string(windows, length) + "\\" + name;
}

std::string WininitEntry(const std::string& key) {
  char value[MAX_PATH] = {0};
  GetPrivateProfileStringA(kWininitSection, key.c_str(), "", value, sizeof value, kWininitFile);
  return value;
}

BOOL WINAPI MoveFileExFails(LPCSTR, LPCSTR, DWORD) { return FALSE; }
BOOL WINAPI ProfileFails(LPCSTR, LPCSTR, LPCSTR, LPCSTR) { return FALSE; }

class RestartTest : public FileOpsTest {
 protected:
  void SetUp() override {
    FileOpsTest::SetUp();
    hadPending_ = ReadPending(pending_);
    wininit_ = WindowsFile("wininit.ini");
    wininitBak_ = WindowsFile("wininit.bak");
    hadWininit_ = Exists(wininit_);
    hadWininitBak_ = Exists(wininitBak_);
    savedCalls_ = RestartRenames();
    request_ = MakeCopyRequest(always_, reader_, writer_);
  }
  void TearDown() override {
    holder_.Release();
    RestartRenames() = savedCalls_;
    WritePending(hadPending_, pending_);
    for (const std::string& key : wininitKeys_)
      WritePrivateProfileStringA(kWininitSection, key.c_str(), nullptr, kWininitFile);
    if (!hadWininit_) DeleteFileA(wininit_.c_str());
    if (!hadWininitBak_) DeleteFileA(wininitBak_.c_str());
    FileOpsTest::TearDown();
  }

  int CopyTo(const std::string& source, const std::string& destination) {
    PathBuffer target;
    if (!target.Set(destination.c_str())) return -1;
    return ops_.Copy(source.c_str(), target, 1, request_, progress_);
  }

  // Runs Wine's restart processing and waits for it.
  bool RunRestartProcessing() {
    char command[] = "wineboot.exe -r";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
      return false;
    const bool ended = WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(process.hProcess, 1);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return ended && code == 0;
  }

  AlwaysCopyPolicy always_;
  PlainReader reader_;
  CreateWriter writer_;
  CopyRequest request_;
  CountingProgress progress_;
  FileHolder holder_;
  Strings wininitKeys_;  // keys this test may have added

 private:
  bool hadPending_ = false;
  std::vector<char> pending_;
  std::string wininit_, wininitBak_;
  bool hadWininit_ = false, hadWininitBak_ = false;
  RestartRenameCalls savedCalls_ = {};
};

}  // namespace

TEST_F(RestartTest, DestinationInUseIsReplacedAtRestartThroughMoveFileEx) {
  const std::string s = Path("new.dll"), d = Path("busy.dll");
  ASSERT_TRUE(WriteBytes(s, Content(5000, 40)));
  ASSERT_TRUE(WriteBytes(d, Content(100, 41)));
  // A leftover of an earlier replacement: the next free name is taken.
  ASSERT_TRUE(WriteBytes(Path("tmp000.000"), Content(1, 42)));
  ASSERT_TRUE(holder_.Hold({d}));
  EXPECT_EQ(CopyTo(s, d), kCopyAtRestart);
  const std::string t = Path("tmp000.001");
  EXPECT_EQ(ReadBytes(t), Content(5000, 40));
  EXPECT_EQ(ReadBytes(d), Content(100, 41));
  EXPECT_EQ(ReadBytes(Path("tmp000.000")), Content(1, 42));
  const Strings entries = PendingEntries();
  const int from = EntryEndingIn(entries, t), to = EntryEndingIn(entries, d);
  ASSERT_GE(from, 0) << "no pending rename of " << t;
  ASSERT_EQ(to, from + 1);
  // Replacing an existing file is marked by a leading '!' on the target.
  EXPECT_EQ(entries[to][0], '!') << entries[to];
  EXPECT_EQ(Records(), (Strings{"FileCopied|" + s + "|" + d + "|1"}));
  EXPECT_EQ(progress_.begins, 1);
  EXPECT_EQ(progress_.ends, 1);
  EXPECT_EQ(ops_.LastError(), kFileOpOk);
}

TEST_F(RestartTest, WithoutMoveFileExTheReplacementGoesIntoWininit) {
  const std::string s = Path("new.dll"), d = Path("busy.dll");
  ASSERT_TRUE(WriteBytes(s, Content(3000, 43)));
  ASSERT_TRUE(WriteBytes(d, Content(100, 44)));
  ASSERT_TRUE(holder_.Hold({d}));
  RestartRenames().moveFileEx = MoveFileExFails;
  wininitKeys_.push_back(d);
  EXPECT_EQ(CopyTo(s, d), kCopyAtRestart);
  const std::string t = Path("tmp000.000");
  EXPECT_EQ(WininitEntry(d), t);
  EXPECT_EQ(ReadBytes(t), Content(3000, 43));
  EXPECT_EQ(EntryEndingIn(PendingEntries(), t), -1);
  EXPECT_EQ(Records(), (Strings{"FileCopied|" + s + "|" + d + "|1"}));
}

TEST_F(RestartTest, NoWayToReplaceAtRestartFailsAndRemovesTheTemporaryFile) {
  const std::string s = Path("new.dll"), d = Path("busy.dll");
  ASSERT_TRUE(WriteBytes(s, Content(3000, 45)));
  ASSERT_TRUE(WriteBytes(d, Content(100, 46)));
  ASSERT_TRUE(holder_.Hold({d}));
  RestartRenames().moveFileEx = MoveFileExFails;
  RestartRenames().writeProfileString = ProfileFails;
  EXPECT_EQ(CopyTo(s, d), kCopyFailed);
  EXPECT_EQ(ops_.LastError(), kFileOpWrite);
  EXPECT_FALSE(Exists(Path("tmp000.000")));
  EXPECT_EQ(ReadBytes(d), Content(100, 46));
  EXPECT_TRUE(Records().empty());
}

TEST_F(RestartTest, ReadOnlyDestinationInUseKeepsItsRecordedAttributeChange) {
  const std::string s = Path("new.dll"), d = Path("busy.dll");
  ASSERT_TRUE(WriteBytes(s, Content(3000, 47)));
  ASSERT_TRUE(WriteBytes(d, Content(100, 48)));
  ASSERT_TRUE(SetFileAttributesA(d.c_str(), FILE_ATTRIBUTE_READONLY));
  const DWORD old = GetFileAttributesA(d.c_str());
  ASSERT_TRUE(holder_.Hold({d}));
  EXPECT_EQ(CopyTo(s, d), kCopyAtRestart);
  EXPECT_EQ(Records(), (Strings{"AttribChanged|" + d + "|" + std::to_string(old) + "|128",
                                "FileCopied|" + s + "|" + d + "|1"}));
}

// Wine applies both kinds of pending replacement when the prefix restarts.
TEST_F(RestartTest, WinesRestartProcessingReplacesTheFiles) {
  const std::string s1 = Path("one.new"), d1 = Path("one.dll");
  const std::string s2 = Path("two.new"), d2 = Path("two.dll");
  ASSERT_TRUE(WriteBytes(s1, Content(4000, 50)));
  ASSERT_TRUE(WriteBytes(d1, Content(100, 51)));
  ASSERT_TRUE(WriteBytes(s2, Content(6000, 52)));
  ASSERT_TRUE(WriteBytes(d2, Content(100, 53)));
  ASSERT_TRUE(holder_.Hold({d1, d2}));
  EXPECT_EQ(CopyTo(s1, d1), kCopyAtRestart);
  RestartRenames().moveFileEx = MoveFileExFails;
  wininitKeys_.push_back(d2);
  EXPECT_EQ(CopyTo(s2, d2), kCopyAtRestart);
  ASSERT_EQ(WininitEntry(d2), Path("tmp000.001"));
  // The programs holding the files end, as they do when Windows restarts.
  holder_.Release();
  EXPECT_EQ(ReadBytes(d1), Content(100, 51));
  ASSERT_TRUE(RunRestartProcessing());
  EXPECT_EQ(ReadBytes(d1), Content(4000, 50));
  EXPECT_EQ(ReadBytes(d2), Content(6000, 52));
  EXPECT_FALSE(Exists(Path("tmp000.000")));
  EXPECT_FALSE(Exists(Path("tmp000.001")));
  EXPECT_EQ(EntryEndingIn(PendingEntries(), d1), -1);
  EXPECT_EQ(WininitEntry(d2), "");
}
