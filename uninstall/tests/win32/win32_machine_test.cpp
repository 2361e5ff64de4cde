// The real machine as the uninstaller changes it, under Wine: what is
// taken away only when it holds nothing of others, what comes back byte for
// byte, and files in use left for the next restart.
#include "win32_machine.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "base/registry_text.h"
#include "stand_in_program_manager.h"
#include "test_folder.h"

namespace {

using Strings = std::vector<std::string>;
const char kKey[] = "Software\\HvtUninstallTest";

class MachineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = TempFolder() + "hvt-machine-" + std::to_string(GetCurrentProcessId());
    RemoveTree(folder_);
    ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
    RegDeleteKeyA(HKEY_CURRENT_USER, (std::string(kKey) + "\\Sub").c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
  }
  void TearDown() override {
    RemoveTree(folder_);
    RegDeleteKeyA(HKEY_CURRENT_USER, (std::string(kKey) + "\\Sub").c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
  }
  std::string Path(const char* name) { return folder_ + "\\" + name; }
  void Write(const std::string& path, const std::string& bytes) {
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
  }
  std::string Read(const std::string& path) {
    std::vector<uint8_t> bytes;
    return machine_.ReadFile(path, bytes) == FileRead::kRead
               ? std::string(bytes.begin(), bytes.end())
               : "<none>";
  }

  std::string folder_;
  Win32Machine machine_;
};

TEST_F(MachineTest, FilesAndFolders) {
  const std::string file = Path("k.exe"), locked = Path("locked.txt"), sub = Path("Sub");
  Write(file, "0123456789");
  Write(locked, "x");
  SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(Read(file), "0123456789");
  EXPECT_EQ(Read(Path("none")), "<none>");
  std::vector<uint8_t> bytes;
  EXPECT_EQ(machine_.ReadFile(Path("none"), bytes), FileRead::kMissing);

  EXPECT_EQ(machine_.CutFile(file, 4), Change::kDone);
  EXPECT_EQ(Read(file), "0123");
  EXPECT_EQ(machine_.CutFile(file, 9), Change::kKept);
  EXPECT_EQ(machine_.CutFile(Path("none"), 0), Change::kAbsent);
  EXPECT_EQ(machine_.SetAttributes(file, FILE_ATTRIBUTE_HIDDEN), Change::kDone);
  EXPECT_EQ(GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_HIDDEN, DWORD{FILE_ATTRIBUTE_HIDDEN});
  EXPECT_EQ(machine_.SetAttributes(Path("none"), 0x80), Change::kAbsent);

  EXPECT_EQ(machine_.MoveFileBack(file, locked), Change::kKept);
  EXPECT_EQ(machine_.MoveFileBack(Path("none"), Path("other")), Change::kAbsent);
  EXPECT_EQ(machine_.MoveFileBack(file, Path("moved.exe")), Change::kDone);
  EXPECT_EQ(Read(Path("moved.exe")), "0123");

  ASSERT_EQ(machine_.MakeFolder(sub), Change::kDone);
  EXPECT_EQ(machine_.MakeFolder(sub), Change::kDone);
  Write(sub + "\\other.txt", "theirs");
  EXPECT_EQ(machine_.RemoveFolder(sub), Change::kKept);
  EXPECT_EQ(machine_.EraseFile(locked), Change::kDone);  // read-only and hidden
  EXPECT_EQ(machine_.EraseFile(locked), Change::kAbsent);
  EXPECT_EQ(machine_.EraseFile(sub), Change::kFailed);
  EXPECT_EQ(machine_.EraseFile(sub + "\\other.txt"), Change::kDone);
  EXPECT_EQ(machine_.RemoveFolder(sub), Change::kDone);
  EXPECT_EQ(machine_.RemoveFolder(sub), Change::kAbsent);
  EXPECT_EQ(machine_.RemoveFont(Path("moved.exe")), Change::kAbsent);  // not loaded
}

// Held open, a file is in use; two of them go at the next restart, each
// with a "NUL=" line of its own under [rename] of wininit.ini, by its short
// name, after what the section held.
TEST_F(MachineTest, FilesInUseAreDeletedAtTheNextRestart) {
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, sizeof windows);
  const std::string wininit = std::string(windows) + "\\wininit.ini";
  DeleteFileA(wininit.c_str());
  WritePrivateProfileStringA("rename", "C:\\new.dll", "C:\\new.tmp", "wininit.ini");
  Strings expected = {"C:\\new.dll=C:\\new.tmp"};
  for (const char* name : {"Long Name One.txt", "two.txt"}) {
    const std::string path = Path(name);
    Write(path, "held");
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(machine_.EraseFile(path), Change::kInUse);
    EXPECT_TRUE(machine_.DeleteAtRestart(path));
    CloseHandle(held);
    char shortName[MAX_PATH];
    GetShortPathNameA(path.c_str(), shortName, sizeof shortName);
    expected.push_back(std::string("NUL=") + shortName);
  }
  Strings lines;
  ASSERT_TRUE(machine_.ReadSection("wininit.ini", "rename", lines));
  EXPECT_EQ(lines, expected);
  DeleteFileA(wininit.c_str());
}

// The removal keeps its place in its logs: cut back, chain name emptied,
// on disk at once; a folder is listed, and one can go at the next restart.
TEST_F(MachineTest, LogsAndFoldersAsTheRemovalGoes) {
  const std::string log = Path("filog.ini");
  const std::string chain("filog.bak\0\0\0", 12), version("\2\1\0\0", 4);
  Write(log, chain + version + "records");
  EXPECT_EQ(machine_.CutLog(log, 19), Change::kDone);
  EXPECT_EQ(Read(log), chain + version + "rec");
  EXPECT_EQ(machine_.ForgetEarlierLog(log), Change::kDone);
  EXPECT_EQ(Read(log), std::string(12, '\0') + version + "rec");
  EXPECT_EQ(machine_.CutLog(Path("none.ini"), 0), Change::kAbsent);
  EXPECT_EQ(machine_.ForgetEarlierLog(Path("none.ini")), Change::kAbsent);

  const std::string sub = Path("Sub");
  ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));
  Write(sub + "\\b.txt", "b");
  Write(sub + "\\A.exe", "a");
  Strings names;
  ASSERT_TRUE(machine_.ListFolder(sub, names));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (Strings{"A.exe", "b.txt"}));
  EXPECT_FALSE(machine_.ListFolder(Path("none"), names));
  // Wine, as Windows NT, takes the folder in its list of what goes at the
  // next start.
  ASSERT_TRUE(machine_.RemoveFolderAtRestart(sub));
  HKEY key;
  const char manager[] = "System\\CurrentControlSet\\Control\\Session Manager";
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, manager, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
  char pending[4096] = {};
  DWORD size = sizeof pending - 2;
  EXPECT_EQ(RegQueryValueExA(key, "PendingFileRenameOperations", nullptr, nullptr,
                             reinterpret_cast<BYTE*>(pending), &size),
            ERROR_SUCCESS);
  std::string entries(pending, size);
  for (char& c : entries) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  std::string lowerSub = sub;
  for (char& c : lowerSub) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  EXPECT_NE(entries.find(lowerSub), std::string::npos);
  RegDeleteValueA(key, "PendingFileRenameOperations");
  RegCloseKey(key);
}

TEST_F(MachineTest, RegistryValuesAndKeys) {
  const std::string sub = std::string(kKey) + "\\Sub";
  EXPECT_EQ(machine_.DeleteKey(kRootCurrentUser, kKey), Change::kAbsent);
  EXPECT_EQ(machine_.DeleteValue(kRootCurrentUser, kKey, "V"), Change::kAbsent);
  ASSERT_EQ(machine_.MakeKey(kRootCurrentUser, sub), Change::kDone);
  EXPECT_EQ(machine_.DeleteKey(kRootCurrentUser, kKey), Change::kKept);  // a key beneath
  const std::vector<uint8_t> dword = {4, 3, 2, 1}, none;
  ASSERT_EQ(machine_.WriteValue(kRootCurrentUser, sub, "D", REG_DWORD, dword), Change::kDone);
  ASSERT_EQ(machine_.WriteValue(kRootCurrentUser, sub, "", REG_BINARY, none), Change::kDone);
  EXPECT_EQ(machine_.DeleteKey(kRootCurrentUser, sub), Change::kKept);  // values
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, sub.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
  DWORD value = 0, type = 0, size = sizeof value;
  EXPECT_EQ(RegQueryValueExA(key, "D", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, DWORD{REG_DWORD});
  EXPECT_EQ(value, 0x01020304u);
  size = sizeof value;
  EXPECT_EQ(RegQueryValueExA(key, "", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, DWORD{REG_BINARY});
  EXPECT_EQ(size, 0u);
  RegCloseKey(key);
  EXPECT_EQ(machine_.DeleteValue(kRootCurrentUser, sub, "D"), Change::kDone);
  EXPECT_EQ(machine_.DeleteValue(kRootCurrentUser, sub, ""), Change::kDone);
  EXPECT_EQ(machine_.DeleteValue(kRootCurrentUser, sub, "D"), Change::kAbsent);
  EXPECT_EQ(machine_.DeleteKey(kRootCurrentUser, sub), Change::kDone);
  EXPECT_EQ(machine_.DeleteKey(kRootCurrentUser, kKey), Change::kDone);
  EXPECT_EQ(machine_.DeleteKey(7, kKey), Change::kFailed);
  EXPECT_EQ(machine_.WriteValue(-1, kKey, "V", REG_SZ, dword), Change::kFailed);
}

// A count is four bytes of REG_BINARY or REG_DWORD, kept in its type; any
// other value counts nothing.
TEST_F(MachineTest, SharedCounts) {
  const std::string path = Path("shared.dll");
  SharedUse use;
  EXPECT_FALSE(machine_.ReadSharedUse(path, use));
  // The uninstaller rewrites counts setup made, so the key is there, as
  // setup leaves it; in a fresh prefix no earlier test has made it.
  HKEY shared;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE,
                            "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs", 0, nullptr,
                            0, KEY_SET_VALUE, nullptr, &shared, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(shared);
  for (const uint32_t type : {uint32_t{REG_BINARY}, uint32_t{REG_DWORD}}) {
    ASSERT_EQ(machine_.WriteSharedUse(path, SharedUse{258, type}), Change::kDone);
    ASSERT_TRUE(machine_.ReadSharedUse(path, use));
    EXPECT_EQ(use.count, 258u);
    EXPECT_EQ(use.type, type);
  }
  HKEY key;
  ASSERT_EQ(
      RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs",
                    0, KEY_SET_VALUE, &key),
      ERROR_SUCCESS);
  RegSetValueExA(key, path.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>("two"), 4);
  RegCloseKey(key);
  EXPECT_FALSE(machine_.ReadSharedUse(path, use));
  EXPECT_EQ(machine_.DeleteSharedUse(path), Change::kDone);
  EXPECT_EQ(machine_.DeleteSharedUse(path), Change::kAbsent);
}

// Sections keep repeated keys as written; a section or a file goes only
// when it holds nothing, and a section deleted comes back empty.
TEST_F(MachineTest, IniFilesThroughTheProfileFunctions) {
  const std::string ini = Path("k.ini");
  ASSERT_EQ(machine_.WriteSection(ini, "S", {"Key=1", "Other=x", "Key=2"}), Change::kDone);
  Strings lines;
  ASSERT_TRUE(machine_.ReadSection(ini, "S", lines));
  EXPECT_EQ(lines, (Strings{"Key=1", "Other=x", "Key=2"}));
  EXPECT_EQ(machine_.DeleteSection(ini, "S"), Change::kKept);
  EXPECT_EQ(machine_.DeleteIniFile(ini), Change::kKept);
  EXPECT_EQ(machine_.MakeSection(ini, "Empty"), Change::kDone);
  EXPECT_NE(Read(ini).find("[Empty]"), std::string::npos) << Read(ini);
  ASSERT_TRUE(machine_.ReadSection(ini, "Empty", lines));
  EXPECT_TRUE(lines.empty());
  ASSERT_EQ(machine_.WriteSection(ini, "S", {}), Change::kDone);
  EXPECT_EQ(machine_.DeleteSection(ini, "S"), Change::kDone);
  EXPECT_EQ(machine_.DeleteSection(ini, "S"), Change::kAbsent);
  EXPECT_EQ(machine_.DeleteSection(ini, "Empty"), Change::kDone);
  EXPECT_EQ(machine_.DeleteIniFile(ini), Change::kDone);
  EXPECT_EQ(Read(ini), "<none>");
}

// Against the stand-in Program Manager: an item put back where its name is
// free, a group deleted only once it is empty.
TEST_F(MachineTest, ProgramManagerGroupsAndItems) {
  StandInProgramManager progman;
  ASSERT_TRUE(progman.Start());
  GroupItem item;
  std::snprintf(item.name, sizeof item.name, "%s", "Read Me");
  std::snprintf(item.commandLine, sizeof item.commandLine, "%s", "notepad.exe");
  EXPECT_EQ(machine_.DeleteGroup("G"), Change::kAbsent);
  EXPECT_EQ(machine_.PutItemBack("G", item), Change::kDone);
  EXPECT_EQ(machine_.PutItemBack("G", item), Change::kKept);
  EXPECT_EQ(machine_.DeleteGroup("G"), Change::kKept);
  EXPECT_EQ(machine_.DeleteItem("G", "read me"), Change::kDone);
  EXPECT_EQ(machine_.DeleteItem("G", "Read Me"), Change::kAbsent);
  EXPECT_EQ(machine_.DeleteGroup("G"), Change::kDone);
  EXPECT_EQ(machine_.MakeGroup("H"), Change::kDone);
  EXPECT_TRUE(machine_.Refusals().empty());
  // Names are data: a log's item or group that would end its command and
  // start another is refused, and nothing of it is sent.
  const size_t sent = progman.Commands().size();
  GroupItem hostile = item;
  std::snprintf(hostile.name, sizeof hostile.name, "%s", "x\")][DeleteGroup(\"H\")][");
  EXPECT_EQ(machine_.PutItemBack("H", hostile), Change::kFailed);
  EXPECT_EQ(machine_.MakeGroup("I\")][DeleteGroup(\"H\")]["), Change::kFailed);
  EXPECT_EQ(progman.Commands().size(), sent);
  EXPECT_EQ(machine_.Refusals().size(), 2u);
  machine_.EndProgramManager();
  const std::string state = progman.State();
  EXPECT_EQ(state.find("group: G"), std::string::npos) << state;
  EXPECT_NE(state.find("group: H"), std::string::npos) << state;
}

}  // namespace
