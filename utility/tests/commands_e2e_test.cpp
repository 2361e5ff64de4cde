// The system commands under Wine: every way to exit, the restart and web
// questions, the editors, About and the system information program.
#include "kelvane_fixture.h"
#include "kelvane_texts.h"
#include "started_programs.h"

using namespace kelvane_test;

namespace {

const char kRestartQuery[] =
    "Do you really want to restart the PC now? If you choose Yes the computer will immediately go "
    "into restart. "
    "There is no way back from this operation. You should have all your work saved before "
    "proceeding.";
const char kWebQuery[] =
    "To connect to Quillmere Web Site you you need to have a modem and active Internet "
    "subscription through your "
    "Internet Service Provider. The program will establish connection and load your default Web "
    "browser "
    "automatically. Do you wish to continue?";
const char kNotepadMissing[] =
    "Notepad not found at its default location in the main Windows folder. To run Notepad you need "
    "to reinstall it "
    "or to copy it to the main Windows folder.";
const char kSysEditMissing[] =
    "System Configuration Editor not found at its default location in the System subfolder of the "
    "main Windows "
    "folder. To run System Configuration Editor you need to reinstall it or to copy it to its "
    "default location.";
const char kRegEditMissing[] =
    "Registry Editor not found at its default location in the main Windows folder. To run Registry "
    "Editor you need "
    "to reinstall it or to copy it to the main Windows folder.";
const char kSysInfoUnavailable[] = "System Information Is Unavailable At This Time";

const char kMsInfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char kLocationKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";

// Moves a file of the Windows folder aside for a test and back again.
class MovedAside {
 public:
  explicit MovedAside(const std::string& path) : path_(path), aside_(path + ".hvt") {
    moved_ = MoveFileA(path_.c_str(), aside_.c_str()) != FALSE;
  }
  ~MovedAside() {
    if (moved_) MoveFileA(aside_.c_str(), path_.c_str());
  }
  bool Moved() const { return moved_; }

 private:
  std::string path_, aside_;
  bool moved_ = false;
};

// The registry values a test sets for the system information program,
// removed again at the end.
class SysInfoRegistry {
 public:
  ~SysInfoRegistry() {
    ClearPath();
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kLocationKey);
  }
  static bool LocationKeyExists() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kLocationKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
      return false;
    RegCloseKey(key);
    return true;
  }
  bool SetPath(const std::string& program) { return Set(kMsInfoKey, "PATH", program); }
  void ClearPath() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kMsInfoKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
      return;
    RegDeleteValueA(key, "PATH");
    RegCloseKey(key);
  }
  bool SetLocation(const std::string& folder) { return Set(kLocationKey, "MSINFO", folder); }

 private:
  static bool Set(const char* keyName, const char* value, const std::string& text) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyName, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
      return false;
    bool ok = RegSetValueExA(key, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                             static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
  }
};

// Waits for a program the utility started, checks it came up in a normal
// window, and ends it by its process id.
void ExpectStartedAndEnd(const std::string& captionPrefix, const char* cls,
                         const std::string& caption) {
  StartedWindow started = WaitStartedWindow(captionPrefix, cls, 15000);
  ASSERT_NE(started.hwnd, nullptr) << "nothing started: " << captionPrefix;
  // The tool names its own path as the file system spells it: a folder the
  // machine already has (C:\\windows\\system in a 32-bit prefix) keeps its
  // own case, which Windows ignores.
  if (!caption.empty()) {
    EXPECT_STRCASEEQ(started.caption.c_str(), caption.c_str());
  }
  EXPECT_FALSE(IsIconic(started.hwnd));
  EXPECT_TRUE(EndProcessById(started.pid));
}

}  // namespace

TEST_F(KelvaneTest, EveryExitEndsTheProgramOnce) {
  struct Way {
    const char* name;
    std::function<bool(HWND)> exit;
  };
  const Way ways[] = {
      {"F4", [](HWND main) { return uidriver::PressKey(main, VK_F4); }},
      {"File, Exit", [](HWND main) { return uidriver::ChooseMenu(main, "File|Exit"); }},
      {"Exit button",
       [](HWND main) { return uidriver::Click(uidriver::ControlByText(main, "E&xit")); }},
  };
  for (const Way& way : ways) {
    ASSERT_TRUE(StartMain()) << way.name;
    ASSERT_TRUE(way.exit(main_)) << way.name;
    DWORD code = 1;
    ASSERT_TRUE(program_.WaitExit(uidriver::kWait, &code)) << way.name;
    EXPECT_EQ(code, 0u) << way.name;
    program_.Kill();
  }
}

TEST_F(KelvaneTest, RestartAnsweredWithEnterOrNoKeepsEverythingRunning) {
  ASSERT_TRUE(StartMain());
  ClickButton("Restart &PC");
  ExpectBoxAndPressKey("Restart PC Query", kRestartQuery, {kYes, kNo},
                       VK_RETURN);  // No is the default
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "File|Restart PC"));
  ExpectBoxAndAnswer("Restart PC Query", kRestartQuery, {kYes, kNo}, kNo);
  EXPECT_TRUE(program_.Running());
  EXPECT_TRUE(IsWindowVisible(main_));
  EXPECT_EQ(SelectionCommands(), "11000");
}

TEST_F(KelvaneTest, WebQueryAnsweredNoOpensNothing) {
  ASSERT_TRUE(StartMain());
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Help|Quillmere Web Site"));
  ExpectBoxAndAnswer("Web Site Connect Query", kWebQuery, {kYes, kNo}, kNo);
  EXPECT_TRUE(program_.Running());
  EXPECT_EQ(uidriver::TopWindows(program_.Id()).size(), 1u);
}

TEST_F(KelvaneTest, EditorsStartFromTheirPlacesOrAreReportedMissing) {
  ASSERT_TRUE(StartMain());
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Editors|Notepad"));
  ExpectStartedAndEnd("", "Notepad", std::string());
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Editors|Registry Editor"));
  ExpectStartedAndEnd("Registry Editor", nullptr, std::string());
  // No SYSEDIT.EXE in the System subfolder.
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Editors|System Configuration Editor"));
  ExpectBoxAndAnswer("File Not Found", kSysEditMissing, {"OK"}, "OK");
  {
    // One that exists only as a hidden system file is still started.
    const std::string sysEdit = WindowsFolder() + "\\SYSTEM\\SYSEDIT.EXE";
    PlacedTool tool(sysEdit, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    ASSERT_TRUE(tool.Placed());
    ASSERT_TRUE(uidriver::ChooseMenu(main_, "Editors|System Configuration Editor"));
    ExpectStartedAndEnd("Fake tool|", "HaventideFakeTool", "Fake tool|1|" + sysEdit);
  }
  {
    MovedAside notepad(WindowsFolder() + "\\notepad.exe");
    MovedAside regedit(WindowsFolder() + "\\regedit.exe");
    ASSERT_TRUE(notepad.Moved() && regedit.Moved());
    ASSERT_TRUE(uidriver::ChooseMenu(main_, "Editors|Notepad"));
    ExpectBoxAndAnswer("File Not Found", kNotepadMissing, {"OK"}, "OK");
    ASSERT_TRUE(uidriver::ChooseMenu(main_, "Editors|Registry Editor"));
    ExpectBoxAndAnswer("File Not Found", kRegEditMissing, {"OK"}, "OK");
  }
  EXPECT_TRUE(program_.Running());
}

TEST_F(KelvaneTest, AboutStartsSystemInformationFromEitherRegistryPlace) {
  ASSERT_FALSE(SysInfoRegistry::LocationKeyExists());
  SysInfoRegistry registry;
  registry.ClearPath();
  ASSERT_TRUE(StartMain());
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Help|About..."));
  HWND about = WaitWindow("About Configuration Haventide");
  ASSERT_NE(about, nullptr);
  for (const char* text : {"Configuration Haventide\nConfiguration Backup and Restore Utility for "
                           "Windows 95\nVersion: 1.1",
                           "This software and the accompanying files are provided as-is. There are "
                           "no warranties express or implied. "
                           "Quillmere is not responsible for any problems or damages that may "
                           "result from using the software.",
                           "&System Info...", "&OK"})
    EXPECT_NE(uidriver::ControlByText(about, text), nullptr) << text;
  std::string tips = uidriver::Tooltips(about);
  EXPECT_NE(tips.find("\tClick here to load Microsoft System Information\n"), std::string::npos)
      << tips;
  EXPECT_NE(tips.find("\tClose this window\n"), std::string::npos) << tips;

  // About opens with the focus on System Info..., drawn as default: Enter
  // runs it, not OK.
  EXPECT_TRUE(uidriver::WaitUntil(
      [&] { return DrawnDefaults(about) == std::vector<std::string>{"&System Info..."}; }));
  ASSERT_TRUE(uidriver::PressKey(about, VK_RETURN));
  ExpectBoxAndAnswer("Configuration Haventide", kSysInfoUnavailable, {"OK"}, "OK");
  EXPECT_TRUE(IsWindowVisible(about));

  // Neither registry place: the unavailable message, under the program's title.
  ClickButtonOf(about, "&System Info...");
  ExpectBoxAndAnswer("Configuration Haventide", kSysInfoUnavailable, {"OK"}, "OK");

  // The first place names the program itself; a program there that cannot
  // be started is reported as unavailable too.
  ASSERT_TRUE(registry.SetPath(WindowsFolder() + "\\NOSUCH\\MSINFO32.EXE"));
  ClickButtonOf(about, "&System Info...");
  ExpectBoxAndAnswer("Configuration Haventide", kSysInfoUnavailable, {"OK"}, "OK");
  ASSERT_TRUE(registry.SetPath(FakeToolPath()));
  ClickButtonOf(about, "&System Info...");
  ExpectStartedAndEnd("Fake tool|", "HaventideFakeTool", "Fake tool|1|" + FakeToolPath());

  // The second place names a folder, which must hold MSINFO32.EXE.
  registry.ClearPath();
  const std::string folder = WindowsFolder() + "\\HVT System Info";
  ASSERT_TRUE(registry.SetLocation(folder));
  {
    PlacedTool other(folder + "\\OTHER.EXE", FILE_ATTRIBUTE_ARCHIVE);
    ClickButtonOf(about, "&System Info...");
    ExpectBoxAndAnswer("Configuration Haventide", kSysInfoUnavailable, {"OK"}, "OK");
    PlacedTool msInfo(folder + "\\MSINFO32.EXE", FILE_ATTRIBUTE_ARCHIVE);
    // A program named like the folder's first word must not be the one
    // started: the path is passed whole.
    PlacedTool decoy(WindowsFolder() + "\\HVT.EXE", FILE_ATTRIBUTE_ARCHIVE);
    ASSERT_TRUE(msInfo.Placed());
    ClickButtonOf(about, "&System Info...");
    ExpectStartedAndEnd("Fake tool|", "HaventideFakeTool",
                        "Fake tool|1|" + folder + "\\MSINFO32.EXE");
  }
  // About closes with Esc and is shown again, the same window.
  ASSERT_TRUE(uidriver::PressKey(about, VK_ESCAPE));
  ASSERT_TRUE(uidriver::WaitWindowGone(program_.Id(), "About Configuration Haventide"));
  ASSERT_TRUE(uidriver::ChooseMenu(main_, "Help|About..."));
  EXPECT_EQ(WaitWindow("About Configuration Haventide"), about);
  ClickButtonOf(about, "&OK");
  ASSERT_TRUE(uidriver::WaitWindowGone(program_.Id(), "About Configuration Haventide"));
  EXPECT_TRUE(program_.Running());
}
