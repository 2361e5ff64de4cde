// kiverset.exe installing Configuration Haventide from Installation Disk 1,
// driven as a user would, with the stand-in Program Manager serving.
#include "help_viewer.h"
#include "install_e2e_fixture.h"

#include <algorithm>

namespace {

using namespace install_e2e;

TEST_F(InstallE2E, FullInstallWithDefaults) {
  const std::string windows = WindowsDir(), shared = SharedDir();
  // A 32-bit Wine prefix has a COMMAND folder, as Windows 95 has; setup
  // creates and logs it only where it is missing.
  const bool hadCommandFolder = Exists(windows + "\\COMMAND");
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
  // The machine's own, newer oleaut32.dll stays, counted all the same: as
  // a file that was there before with no count, at 2, so that taking this
  // installation back leaves it counted and never offers to delete it.
  EXPECT_FALSE(ReadFileBytes(shared + "\\Oleaut32.dll") == Original("Oleaut32.dll"));
  EXPECT_EQ(SharedCount(shared + "\\Msvbvm50.dll"), 1);
  EXPECT_EQ(SharedCount(shared + "\\Oleaut32.dll"), 2);
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
  std::vector<std::string> expected = {
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
  if (hadCommandFolder)
    expected.erase(std::find(expected.begin(), expected.end(), "dircreated " + w + "\\command"));
  EXPECT_EQ(lines, expected);

  // Program Manager got the group and the three items, the icon path in
  // its short form.
  char shortIcon[MAX_PATH];
  ASSERT_NE(GetShortPathNameA((folder + "\\Kelvane.exe").c_str(), shortIcon, MAX_PATH), 0u);
  const std::string group = "[CreateGroup(\"Configuration Haventide\", 0)]";
  const std::vector<std::string> commands = {
      group,
      group,
      "[AddItem(\"" + folder + "\\Kelvane.exe\", \"Configuration Haventide\", " + shortIcon +
          ", 0)]",
      group,
      "[AddItem(\"Notepad\" \"" + folder + "\\ReadMe.txt\", \"Read Me\", , 0)]",
      group,
      "[AddItem(\"Notepad\" \"" + folder + "\\WhatsNew.txt\", \"What's New\", , 0)]",
  };
  EXPECT_EQ(progman_.Commands(), commands);
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
  // Nothing was changed yet: the log holds only its header, so no
  // uninstaller is started, and no folder was made.
  LogHeader header;
  EXPECT_TRUE(LogLines(WindowsDir() + "\\filog.ini", header).empty());
  EXPECT_EQ(header.title, kProduct);
  EXPECT_EQ(uidriver::FindProcess("Vantrel3.exe"), 0u);
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
  // The uninstaller setup started on its log takes the installation back
  // and says so; it stays itself, in the Windows folder.
  uidriver::Program uninstaller;
  ASSERT_TRUE(AttachUninstaller(uninstaller));
  ExpectUninstallerClosed(uninstaller, "Uninstall Configuration Haventide",
                          "Configuration Haventide was successfully removed.");
  EXPECT_TRUE(Exists(windows + "\\Vantrel3.exe"));
  for (const std::string& gone :
       {windows + "\\filog.ini", std::string(kFolder), std::string(kFolder) + "\\Kelvane.exe"})
    EXPECT_FALSE(Exists(gone)) << gone;
  EXPECT_EQ(UninstallValue("DisplayName"), "<no key>");
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
  EXPECT_EQ(SharedCount(shared + "\\Oleaut32.dll"), 3);
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
  HWND box = uidriver::WaitTopWindow(setup_.Id(), "Error", "#32770", kFirstWindowMs);
  ASSERT_NE(box, nullptr) << Shown();
  EXPECT_EQ(uidriver::TopWindows(setup_.Id()), std::vector<HWND>{box}) << Shown();
  Answer("Error", "Unable to initialize the operation recorder", "&OK");
  EXPECT_EQ(ExitCode(), 1u);
  CloseHandle(held);
}

// F1 in a box of setup's opens its topic of install.hlp; setup asks the
// viewer to quit when it ends.
TEST_F(InstallE2E, F1OpensTheTopicOfEachQuestion) {
  ASSERT_EQ(uidriver::FindHelpViewer(), nullptr) << "a help viewer is already open";
  const std::string file = std::string(kDisk) + "\\WHATSNEW.TXT";
  ASSERT_TRUE(DeleteFileA(file.c_str()));
  ASSERT_TRUE(StartSetup());
  uidriver::ViewerGuard guard;
  // Presses F1 in the box and waits for the topic.
  const auto help = [&](const char* title, const char* topic) {
    HWND box = uidriver::WaitTopWindow(setup_.Id(), title, "#32770", kFirstWindowMs);
    ASSERT_NE(box, nullptr) << title << Shown();
    ASSERT_TRUE(uidriver::TypeKey(box, VK_F1));
    HWND viewer = nullptr;
    ASSERT_TRUE(uidriver::WaitUntil(
        [&] { return (viewer = uidriver::FindHelpViewer()) != nullptr; }, 20000))
        << title;
    guard.Hold(viewer);
    EXPECT_TRUE(uidriver::WaitUntil(
        [&] { return uidriver::TopicText(viewer).rfind(topic, 0) == 0; }, 10000))
        << title << ": " << uidriver::TopicText(viewer);
  };
  help("Welcome", "Welcome");
  Welcome("&Install");
  help("Enter Directory", "Choosing the folder");
  FolderCancelled("&No");
  AcceptFolder();
  KeepNewerOleaut32();
  help("Insert Disk", "Inserting a disk");
  Answer("Insert Disk", "Please insert disk: Installation Disk 1", "&Cancel");
  help("Query Abort", "Cancelling setup");
  Answer("Query Abort", kAbortText, "&Yes");
  EXPECT_EQ(ExitCode(), 1u);
  ASSERT_NE(guard.process, nullptr);
  EXPECT_EQ(WaitForSingleObject(guard.process, uidriver::Deadline(10000)), WAIT_OBJECT_0)
      << "the viewer stayed open after setup ended";
}

}  // namespace
