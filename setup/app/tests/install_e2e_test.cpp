// kiverset.exe installing Configuration Haventide from Installation Disk 1,
// driven as a user would, with the bench's Program Manager serving.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_program_manager.h"
#include "fileops/install_log_reader.h"
#include "uidriver.h"

namespace {

constexpr DWORD kFirstWindowMs = 40000;
constexpr char kDisk[] = "C:\\DISK1";
constexpr char kFolder[] = "C:\\Program Files\\Configuration Haventide";
constexpr char kUninstallKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Configuration Haventide";
constexpr char kSharedKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";
constexpr char kProduct[] = "Configuration Haventide";
constexpr char kInstalledText[] =
    "Congratulations!\nConfiguration Haventide has been installed successfully";
constexpr char kRestartText[] =
    "Configuration Haventide has been installed successfully\nbut we need to restart\nWindows for "
    "the changes to take effect";
constexpr char kAbortText[] =
    "Installation is incomplete\nAre you sure you want to abort the installation?";

std::string WindowsDir() {
  char path[MAX_PATH];
  GetWindowsDirectoryA(path, MAX_PATH);
  return path;
}

// The folder the platform names for shared files, as setup asks for it.
std::string SharedDir() {
  char current[MAX_PATH], destination[MAX_PATH], name[] = "x.dll";
  UINT currentLength = MAX_PATH, destinationLength = MAX_PATH;
  VerFindFileA(VFFF_ISSHAREDFILE, name, nullptr, nullptr, current, &currentLength, destination,
               &destinationLength);
  return destination;
}

std::string ReadFileBytes(const std::string& path) {
  std::string bytes;
  if (FILE* f = fopen(path.c_str(), "rb")) {
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    fclose(f);
  }
  return bytes;
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Lower(std::string text) {
  CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
  return text;
}

// -1 when the value is missing.
long SharedCount(const std::string& path) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSharedKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return -1;
  DWORD count = 0, size = sizeof count, type = 0;
  const LONG read =
      RegQueryValueExA(key, path.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&count), &size);
  RegCloseKey(key);
  return read == ERROR_SUCCESS ? static_cast<long>(count) : -1;
}

std::string UninstallValue(const char* name) {
  char text[512] = {0};
  DWORD size = sizeof text;
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return "<no key>";
  const LONG read =
      RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
  RegCloseKey(key);
  return read == ERROR_SUCCESS ? text : "<no value>";
}

void DeleteTree(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        DeleteTree(path);
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(find, &found));
    FindClose(find);
  }
  RemoveDirectoryA(folder.c_str());
}

// The records of a log as "Kind text" lines (the destination of a copy).
std::vector<std::string> LogLines(const std::string& path, LogHeader& header) {
  const std::string bytes = ReadFileBytes(path);
  std::vector<LogRecord> records;
  std::vector<std::string> lines;
  if (!ReadInstallLog(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), header,
                      records))
    return {"<damaged>"};
  static const char* const kNames[] = {
      "DirCreated",      "DirRemoved",        "FileMoved",      "FileDeleted",
      "FileCopied",      "AttribChanged",     "IniFileCreated", "IniEntryAdded",
      "IniEntryDeleted", "IniEntryChanged",   "GroupCreated",   "ItemAdded",
      "GroupDeleted",    "ItemDeleted",       "RegKeyCreated",  "RegValueCreated",
      "RegValueChanged", "RegValueDeleted",   "RegKeyDeleted",  "FileAppended",
      "IniSectionAdded", "IniSectionDeleted", "FontInstalled"};
  for (const LogRecord& r : records) {
    std::string line = kNames[static_cast<int>(r.kind)];
    for (const std::string& t : r.texts) line += " " + t;
    for (uint32_t n : r.numbers) line += " " + std::to_string(n);
    lines.push_back(Lower(line));
  }
  return lines;
}

class InstallE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* disk = getenv("HVT_E2E_DISK");
    ASSERT_NE(disk, nullptr) << "HVT_E2E_DISK names the test disk (scripts/test.sh builds it)";
    diskHost_ = disk;
    ResetMachine();
    CopyDisk();
    ASSERT_TRUE(progman_.Start());
  }
  void TearDown() override { progman_.Stop(); }

  void ResetMachine() {
    const std::string windows = WindowsDir(), shared = SharedDir();
    DeleteTree(kFolder);
    for (const std::string& path :
         {windows + "\\filog.ini", windows + "\\Vantrel3.exe", windows + "\\Vantrel3.txt",
          windows + "\\COMMAND\\Restore.bat", shared + "\\Msvbvm50.dll"})
      DeleteFileA(path.c_str());
    RemoveDirectoryA((windows + "\\COMMAND").c_str());
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kUninstallKey);
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSharedKey, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
      for (const char* name : {"\\Msvbvm50.dll", "\\Oleaut32.dll"})
        RegDeleteValueA(key, (shared + name).c_str());
      RegCloseKey(key);
    }
  }

  void CopyDisk() {
    DeleteTree(kDisk);
    CreateDirectoryA(kDisk, nullptr);
    const std::string from = uidriver::HostPathToWindows(diskHost_);
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((from + "\\*").c_str(), &found);
    ASSERT_NE(find, INVALID_HANDLE_VALUE) << from;
    do {
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      ASSERT_TRUE(CopyFileA((from + "\\" + found.cFileName).c_str(),
                            (std::string(kDisk) + "\\" + found.cFileName).c_str(), FALSE));
    } while (FindNextFileA(find, &found));
    FindClose(find);
  }

  // The uncompressed file the disk was made from.
  std::string Original(const char* name) {
    return ReadFileBytes(uidriver::HostPathToWindows(diskHost_ + ".originals") + "\\" + name);
  }

  bool StartSetup() { return setup_.Start("\"C:\\DISK1\\KIVERSET.EXE\" C:\\DISK1\\", kDisk); }

  // The box titled title, with its text checked; then the button pressed.
  void Answer(const char* title, const std::string& text, const std::string& button,
              DWORD timeoutMs = kFirstWindowMs) {
    HWND box = uidriver::WaitTopWindow(setup_.Id(), title, "#32770", timeoutMs);
    ASSERT_NE(box, nullptr) << "no box titled " << title << "; the windows shown:" << Shown();
    uidriver::MessageBoxInfo info;
    ASSERT_TRUE(uidriver::ReadMessageBox(box, &info));
    EXPECT_EQ(info.text, text);
    ASSERT_TRUE(uidriver::AnswerMessageBox(box, button));
  }

  void Welcome(const std::string& button) {
    Answer("Welcome",
           "This program will install Configuration Haventide 1.1\nonto your system\nTo continue, "
           "press Enter\n\nCopyright (C) 1997 Quillmere",
           button);
  }

  // The folder prompt, accepted with Enter after its text is checked.
  void AcceptFolder() {
    HWND prompt = uidriver::WaitTopWindow(setup_.Id(), "Enter Directory", "#32770");
    ASSERT_NE(prompt, nullptr);
    bool offered = false;
    for (const uidriver::ControlInfo& c : uidriver::Controls(prompt))
      offered = offered || c.text == kFolder;
    EXPECT_TRUE(offered) << "the default folder is not offered";
    ASSERT_TRUE(uidriver::PressKey(prompt, VK_RETURN));
  }

  // The captions and texts of setup's windows, for a failure's message.
  std::string Shown() {
    std::string shown;
    for (HWND window : uidriver::TopWindows(setup_.Id())) {
      shown += "\n  \"" + uidriver::Text(window) + "\" (" + uidriver::ClassOf(window) + ")";
      for (const uidriver::ControlInfo& c : uidriver::Controls(window))
        if (!c.text.empty()) shown += " [" + c.text + "]";
    }
    return shown;
  }

  // The machine's own oleaut32.dll is newer than the disk's: the user is
  // asked, and keeps it.
  void KeepNewerOleaut32() {
    HWND question =
        uidriver::WaitTopWindow(setup_.Id(), "File Attribute Incompatible", "#32770", 30000);
    ASSERT_NE(question, nullptr) << Shown();
    bool namesTarget = false;
    for (const uidriver::ControlInfo& c : uidriver::Controls(question))
      namesTarget = namesTarget || Lower(c.text) == Lower(SharedDir() + "\\Oleaut32.dll");
    EXPECT_TRUE(namesTarget);
    ASSERT_TRUE(uidriver::AnswerMessageBox(question, "&Skip"));
  }

  // Welcome, folder, copy: up to the completion box, answered.
  void InstallThrough(const std::string& completion, const std::string& button) {
    ASSERT_TRUE(StartSetup());
    Welcome("&Install");
    AcceptFolder();
    KeepNewerOleaut32();
    Answer("Installation Completed", completion, button, 60000);
  }

  void FolderCancelled(const std::string& abort) {
    HWND prompt = uidriver::WaitTopWindow(setup_.Id(), "Enter Directory", "#32770");
    ASSERT_NE(prompt, nullptr);
    ASSERT_TRUE(uidriver::AnswerMessageBox(prompt, "&Cancel"));
    Answer("Query Abort", kAbortText, abort);
  }

  DWORD ExitCode() {
    DWORD code = 99;
    EXPECT_TRUE(setup_.WaitExit(60000, &code));
    return code;
  }

  std::string diskHost_;
  BenchProgramManager progman_;
  uidriver::Program setup_;
};

TEST_F(InstallE2E, FullInstallWithDefaults) {
  const std::string windows = WindowsDir(), shared = SharedDir();
  ASSERT_TRUE(StartSetup());
  Welcome("&Install");
  AcceptFolder();
  HWND progress = uidriver::WaitTopWindow(setup_.Id(), kProduct, "#32770", 20000);
  EXPECT_NE(progress, nullptr) << "no progress dialog";
  KeepNewerOleaut32();
  Answer("Installation Completed", kInstalledText, "&OK", 60000);
  EXPECT_EQ(ExitCode(), 0u);

  // Every file where the table puts it, with the bytes of its original.
  const std::string folder = kFolder;
  const struct {
    std::string path;
    const char* original;
  } files[] = {
      {windows + "\\Vantrel3.exe", "Vantrel3.exe"},
      {folder + "\\Kelvane.exe", "Kelvane.exe"},
      {folder + "\\Kelvane.hlp", "Kelvane.hlp"},
      {shared + "\\Msvbvm50.dll", "Msvbvm50.dll"},
      {folder + "\\ReadMe.txt", "ReadMe.txt"},
      {windows + "\\COMMAND\\Restore.bat", "Restore.bat"},
      {folder + "\\WhatsNew.txt", "WhatsNew.txt"},
  };
  for (const auto& file : files) {
    const std::string original = Original(file.original);
    ASSERT_FALSE(original.empty()) << file.original;
    EXPECT_TRUE(ReadFileBytes(file.path) == original) << file.path;
  }
  // The machine's own, newer oleaut32.dll stays, counted all the same.
  EXPECT_FALSE(ReadFileBytes(shared + "\\Oleaut32.dll") == Original("Oleaut32.dll"));
  EXPECT_EQ(SharedCount(shared + "\\Msvbvm50.dll"), 1);
  EXPECT_EQ(SharedCount(shared + "\\Oleaut32.dll"), 1);
  EXPECT_EQ(SharedCount(windows + "\\Vantrel3.exe"), -1);

  EXPECT_EQ(UninstallValue("DisplayName"), kProduct);
  EXPECT_EQ(UninstallValue("UninstallString"),
            windows + "\\vantrel3.exe " + folder + "\\filog.ini");

  // The log moved into the folder, its records in the order of the work.
  EXPECT_FALSE(Exists(windows + "\\filog.ini"));
  LogHeader header;
  const std::vector<std::string> lines = LogLines(folder + "\\filog.ini", header);
  EXPECT_EQ(std::string(header.chain_name, sizeof header.chain_name), std::string(12, '\0'));
  EXPECT_EQ(header.title, kProduct);
  const std::string disk = "c:\\disk1\\", w = Lower(windows), s = Lower(shared), f = Lower(folder);
  const std::vector<std::string> expected = {
      "filecopied " + disk + "vantrel3.ex_ " + w + "\\vantrel3.exe 0",
      "dircreated " + f,
      "filecopied " + disk + "kelvane.ex_ " + f + "\\kelvane.exe 1",
      "filecopied " + disk + "kelvane.hl_ " + f + "\\kelvane.hlp 1",
      "filecopied " + disk + "msvbvm50.dl_ " + s + "\\msvbvm50.dll 0",
      "filecopied " + disk + "oleaut32.dl_ " + s + "\\oleaut32.dll 0",
      "filecopied " + disk + "readme.txt " + f + "\\readme.txt 1",
      "dircreated " + w + "\\command",
      "filecopied " + disk + "restore.bat " + w + "\\command\\restore.bat 1",
      "filecopied " + disk + "whatsnew.txt " + f + "\\whatsnew.txt 1",
      "groupcreated configuration haventide",
      "itemadded configuration haventide configuration haventide",
      "itemadded configuration haventide read me",
      "itemadded configuration haventide what's new",
      "regkeycreated " + Lower(kUninstallKey) + " 2",
      "regvaluecreated " + Lower(kUninstallKey) + " displayname 2",
      "regvaluecreated " + Lower(kUninstallKey) + " uninstallstring 2",
  };
  EXPECT_EQ(lines, expected);

  // Program Manager holds the group and the three items.
  const std::string state = progman_.State();
  for (const std::string& command : progman_.Commands())
    std::printf("command: %s\n", command.c_str());
  EXPECT_NE(state.find("\"" + folder + "\\Kelvane.exe\""), std::string::npos) << state;
  EXPECT_NE(state.find("\"Notepad\" \"" + folder + "\\ReadMe.txt\""), std::string::npos) << state;
  EXPECT_NE(state.find("\"Notepad\" \"" + folder + "\\WhatsNew.txt\""), std::string::npos) << state;
}

TEST_F(InstallE2E, WelcomeDeclinedByButtonOrEscape) {
  for (const bool escape : {false, true}) {
    SCOPED_TRACE(escape ? "Escape" : "button");
    ASSERT_TRUE(StartSetup());
    if (escape) {
      HWND box = uidriver::WaitTopWindow(setup_.Id(), "Welcome", "#32770", kFirstWindowMs);
      ASSERT_NE(box, nullptr);
      ASSERT_TRUE(uidriver::PressKey(box, VK_ESCAPE));
    } else {
      Welcome("&Don't Install");
    }
    EXPECT_EQ(ExitCode(), 1u);
    LogHeader header;
    EXPECT_TRUE(LogLines(WindowsDir() + "\\filog.ini", header).empty());
    EXPECT_EQ(header.title, kProduct);
  }
}

TEST_F(InstallE2E, FolderPromptCancelAsksFirst) {
  ASSERT_TRUE(StartSetup());
  Welcome("&Install");
  FolderCancelled("&No");
  FolderCancelled("&Yes");
  EXPECT_EQ(ExitCode(), 1u);
  // Nothing was changed yet, so there is nothing for the uninstaller to do.
  EXPECT_FALSE(Exists(WindowsDir() + "\\Vantrel3.txt"));
  EXPECT_FALSE(Exists(kFolder));
}

TEST_F(InstallE2E, MissingDiskFileIsAskedFor) {
  const std::string file = std::string(kDisk) + "\\WHATSNEW.TXT", away = file + ".away";
  ASSERT_TRUE(MoveFileA(file.c_str(), away.c_str()));
  ASSERT_TRUE(StartSetup());
  Welcome("&Install");
  AcceptFolder();
  KeepNewerOleaut32();
  Answer("Insert Disk", "Please insert disk: Installation Disk 1", "&Cancel", 60000);
  Answer("Query Abort", kAbortText, "&No");
  HWND again = uidriver::WaitTopWindow(setup_.Id(), "Insert Disk", "#32770");
  ASSERT_NE(again, nullptr);
  ASSERT_TRUE(MoveFileA(away.c_str(), file.c_str()));
  ASSERT_TRUE(uidriver::AnswerMessageBox(again, "&OK"));
  Answer("Installation Completed", kInstalledText, "&OK", 60000);
  EXPECT_EQ(ExitCode(), 0u);
  EXPECT_TRUE(ReadFileBytes(std::string(kFolder) + "\\WhatsNew.txt") == Original("WhatsNew.txt"));
}

TEST_F(InstallE2E, CancelDuringTheCopyRollsBack) {
  const std::string windows = WindowsDir();
  ASSERT_TRUE(StartSetup());
  Welcome("&Install");
  AcceptFolder();
  HWND progress = uidriver::WaitTopWindow(setup_.Id(), kProduct, "#32770", 20000);
  ASSERT_NE(progress, nullptr);
  // Once the uninstaller is in place there is something to take back.
  ASSERT_TRUE(uidriver::WaitUntil([&] { return Exists(windows + "\\Vantrel3.exe"); }, 20000));
  ASSERT_TRUE(uidriver::AnswerMessageBox(progress, "&Cancel"));
  Answer("Query Abort", kAbortText, "&Yes");
  EXPECT_EQ(ExitCode(), 1u);
  ASSERT_TRUE(uidriver::WaitUntil([&] { return Exists(windows + "\\Vantrel3.txt"); }, 20000));
  EXPECT_EQ(Lower(ReadFileBytes(windows + "\\Vantrel3.txt")),
            Lower(windows + "\\Vantrel3.exe " + windows + "\\filog.ini"));
  LogHeader header;
  const std::vector<std::string> lines = LogLines(windows + "\\filog.ini", header);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], "filecopied c:\\disk1\\vantrel3.ex_ " + Lower(windows) + "\\vantrel3.exe 0");
}

TEST_F(InstallE2E, FileInUseGoesInAtTheNextRestart) {
  const std::string kelvane = std::string(kFolder) + "\\Kelvane.exe";
  for (const bool restart : {true, false}) {
    SCOPED_TRACE(restart ? "Restart" : "Stay here");
    ResetMachine();
    CreateDirectoryA(kFolder, nullptr);
    HANDLE held = CreateFileA(kelvane.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    InstallThrough(kRestartText, restart ? "&Restart" : "&Stay here");
    EXPECT_EQ(ExitCode(), restart ? 2u : 0u);
    CloseHandle(held);
    EXPECT_TRUE(ReadFileBytes(kelvane).empty());
    if (!restart) continue;
    // Wine's own restart processing puts the new file in place.
    uidriver::Program wineboot;
    ASSERT_TRUE(wineboot.Start("wineboot.exe -r"));
    EXPECT_TRUE(wineboot.WaitExit(60000));
    EXPECT_TRUE(ReadFileBytes(kelvane) == Original("Kelvane.exe"));
  }
}

TEST_F(InstallE2E, SecondInstallChainsTheEarlierLog) {
  const std::string shared = SharedDir(), folder = kFolder;
  InstallThrough(kInstalledText, "&OK");
  EXPECT_EQ(ExitCode(), 0u);
  InstallThrough(kInstalledText, "&OK");
  EXPECT_EQ(ExitCode(), 0u);
  EXPECT_EQ(SharedCount(shared + "\\Msvbvm50.dll"), 2);
  EXPECT_EQ(SharedCount(shared + "\\Oleaut32.dll"), 2);
  EXPECT_TRUE(Exists(folder + "\\filog.bak"));
  LogHeader header;
  EXPECT_FALSE(LogLines(folder + "\\filog.ini", header).empty());
  EXPECT_EQ(Lower(std::string(header.chain_name, 9)), "filog.bak");
}

TEST_F(InstallE2E, LogHeldOpenStopsSetupBeforeAnyWindow) {
  const std::string log = WindowsDir() + "\\filog.ini";
  HANDLE held = CreateFileA(log.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(StartSetup());
  Answer("Error", "Unable to initialize the operation recorder", "&OK");
  EXPECT_EQ(ExitCode(), 1u);
  CloseHandle(held);
}

}  // namespace
