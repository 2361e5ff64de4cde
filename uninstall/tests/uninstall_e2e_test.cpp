// Vantrel3.exe taking installations back, started as setup and the
// platform start it: on a cancelled installation's log (roll-back), through
// the uninstall entry with Wine's own uninstaller, on a chain of two logs,
// and on the log named by hand. The machine is compared whole before and
// after.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "install_e2e_fixture.h"
#include "machine_state.h"
#include "resource_ids.h"

namespace {

using namespace install_e2e;
using Strings = std::vector<std::string>;

const char kCaption[] = "Uninstall Configuration Haventide";
const char kRemoved[] = "Configuration Haventide was successfully removed.";
const char kSharedTitle[] = "Remove Shared File?";

// What the uninstaller's user answers to the shared-file question, by the
// file's name.
using SharedAnswers = std::map<std::string, std::string>;

class RemovalE2E : public InstallE2E {
 protected:
  void TearDown() override {
    uninstaller_.Kill();
    InstallE2E::TearDown();
  }

  MachineState State() { return ReadMachineState(progman_.State()); }

  // The machine before the test changes it (a regedit export takes seconds:
  // only tests that compare read it).
  void Remember() { before_ = State(); }

  // The machine as before, apart from what except names and the stand-in
  // Program Manager's own state file.
  void ExpectAsBefore(Strings except) { ExpectDifferences(std::move(except), {}); }
  // The same after Configuration Haventide was installed and taken back:
  // the machine's own oleaut32.dll, there before without a usage count, is
  // left counted once, as trusted installers leave a file they found.
  void ExpectAsBeforeButOleaut32Counted(Strings except) {
    EXPECT_EQ(SharedCount(SharedDir() + "\\Oleaut32.dll"), 1);
    ExpectDifferences(std::move(except), "oleaut32.dll\"=hex:01,00,00,00");
  }
  void ExpectDifferences(Strings except, const std::string& countAdded) {
    except.push_back(Lower(TempFolder() + "hvt-progman-"));
    Strings differences = StateDifferences(before_, State(), except);
    if (!countAdded.empty()) {
      const std::string key = "+ " + Lower(std::string("[HKEY_LOCAL_MACHINE\\") + kSharedKey + "]");
      differences.erase(std::remove_if(differences.begin(), differences.end(),
                                       [&](const std::string& line) {
                                         return line == key ||
                                                (line.rfind(key + " ", 0) == 0 &&
                                                 Lower(line).find(countAdded) != std::string::npos);
                                       }),
                        differences.end());
    }
    EXPECT_TRUE(differences.empty()) << ::testing::PrintToString(differences);
  }

  HWND ProgressWindow() {
    for (HWND w : uidriver::TopWindows(uninstaller_.Id()))
      if (uidriver::ControlById(w, kDlgNotice)) return w;
    return nullptr;
  }

  // Drives the removal to its end: each shared-file question answered by
  // name (and its texts checked), the closing box's text checked while the
  // progress window still shows notice; then the exit code.
  DWORD FinishRemoval(const std::string& notice, const std::string& closing,
                      const SharedAnswers& answers = {}) {
    for (size_t asked = 0;; ++asked) {
      HWND box = nullptr;
      uidriver::WaitUntil(
          [&] {
            for (HWND w : uidriver::TopWindows(uninstaller_.Id())) {
              const std::string caption = uidriver::Text(w);
              if (caption == kSharedTitle ||
                  (caption == kCaption && !uidriver::ControlById(w, kDlgNotice)))
                box = w;
            }
            return box != nullptr;
          },
          30000);
      if (!box) {
        ADD_FAILURE() << "no box of the uninstaller";
        return 99;
      }
      if (uidriver::Text(box) == kSharedTitle) {
        const std::string path = uidriver::Text(uidriver::ControlById(box, kDlgSharedPath));
        const std::string name = path.substr(path.find_last_of('\\') + 1);
        const auto answer = answers.find(Lower(name));
        if (answer == answers.end()) {
          ADD_FAILURE() << "asked about " << path;
          uidriver::AnswerMessageBox(box, "&No");
        } else {
          EXPECT_EQ(Lower(path), Lower(SharedDir() + "\\" + name));
          Strings texts;
          for (const uidriver::ControlInfo& c : uidriver::Controls(box))
            if (c.cls == "Static" && c.id != kDlgSharedPath) texts.push_back(c.text);
          EXPECT_EQ(texts,
                    (Strings{"No program is registered as using this shared file any more:",
                             "A program that still needs it may no longer work once it is gone. "
                             "Remove the file?"}));
          EXPECT_TRUE(uidriver::AnswerMessageBox(box, answer->second));
        }
        uidriver::WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); });
        continue;
      }
      uidriver::MessageBoxInfo info;
      EXPECT_TRUE(uidriver::ReadMessageBox(box, &info));
      EXPECT_EQ(info.text, closing);
      HWND progress = ProgressWindow();
      EXPECT_NE(progress, nullptr);
      if (progress) {
        EXPECT_EQ(uidriver::Text(progress), kCaption);
        EXPECT_EQ(uidriver::Text(uidriver::ControlById(progress, kDlgNotice)), notice);
      }
      EXPECT_TRUE(uidriver::AnswerMessageBox(box, "OK"));
      DWORD code = 99;
      EXPECT_TRUE(uninstaller_.WaitExit(20000, &code));
      EXPECT_LE(asked, answers.size());
      return code;
    }
  }

  // The uninstall entry's command, started as the platform would.
  void StartRemoval() { ASSERT_TRUE(uninstaller_.Start(UninstallValue("UninstallString"))); }

  // An uninstall asks first.
  void Confirm(const std::string& button) {
    HWND box = uidriver::WaitTopWindow(uninstaller_.Id(), kCaption, "#32770", 30000);
    ASSERT_NE(box, nullptr);
    uidriver::MessageBoxInfo info;
    ASSERT_TRUE(uidriver::ReadMessageBox(box, &info));
    EXPECT_EQ(info.text,
              "Are you sure you want to remove Configuration Haventide and all of its components?");
    EXPECT_EQ(info.buttons, (Strings{"&Yes", "&No"}));
    ASSERT_TRUE(uidriver::AnswerMessageBox(box, button));
    // Gone before the next box is looked for: under load a closing box
    // stays listed for a moment, with the caption the closing box has.
    EXPECT_TRUE(uidriver::WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }));
  }

  MachineState before_;
  uidriver::Program uninstaller_;
};

// Msvbvm50.dll came with the product; the machine's own oleaut32.dll is
// never offered for deletion (asking about it fails the test).
const SharedAnswers kUsualAnswers = {{"msvbvm50.dll", "&Yes"}};

const std::string kRollBackNotice =
    "The incomplete installation of Configuration Haventide is being taken back.";
const std::string kRemovingNotice = "Removing Configuration Haventide and all of its components.";

// Cancelled at each copy row in turn ("&Yes" to the abort question): once
// the uninstaller setup starts on the partial log has finished, the machine
// is as it was, but for the uninstaller it keeps. Msvbvm50.dll came with the
// installation and goes; the machine's own oleaut32.dll stays.
TEST_F(RemovalE2E, RollBackAtEveryCopyRow) {
  Remember();
  const std::string windows = WindowsDir(), shared = SharedDir(), folder = kFolder;
  const struct {
    std::string file;  // the row's destination, there once it is copied
    bool oleaut32;
  } rows[] = {
      {windows + "\\Vantrel3.exe", false},         {folder + "\\Kelvane.exe", false},
      {folder + "\\Kelvane.hlp", false},           {shared + "\\Msvbvm50.dll", false},
      {shared + "\\Oleaut32.dll", true},           {folder + "\\ReadMe.txt", false},
      {windows + "\\COMMAND\\Restore.bat", false}, {folder + "\\WhatsNew.txt", false},
  };
  bool oleaut32Asked = false;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.file);
    ASSERT_TRUE(StartSetup());
    Welcome("&Install");
    AcceptFolder();
    HWND progress = uidriver::WaitTopWindow(setup_.Id(), kProduct, "#32770", 20000);
    ASSERT_NE(progress, nullptr);
    // Rows from oleaut32.dll's on wait for its question first.
    if (row.oleaut32 || oleaut32Asked) {
      KeepNewerOleaut32();
      oleaut32Asked = true;
    }
    if (!row.oleaut32) {
      ASSERT_TRUE(uidriver::WaitUntil([&] { return Exists(row.file); }, 30000));
    }
    ASSERT_TRUE(uidriver::AnswerMessageBox(progress, "&Cancel"));
    // A row later than meant may still ask about oleaut32.dll first.
    HWND question = nullptr;
    ASSERT_TRUE(uidriver::WaitUntil(
        [&] {
          return (question = uidriver::FindTopWindow(setup_.Id(), "Query Abort")) != nullptr ||
                 uidriver::FindTopWindow(setup_.Id(), "File Attribute Incompatible") != nullptr;
        },
        30000));
    if (!question) KeepNewerOleaut32();
    Answer("Query Abort", kAbortText, "&Yes");
    EXPECT_EQ(ExitCode(), 1u);
    ASSERT_TRUE(AttachUninstaller(uninstaller_));
    EXPECT_EQ(FinishRemoval(kRollBackNotice, kRemoved, kUsualAnswers), 0u);
    // Once its row was done, the machine's own oleaut32.dll was counted
    // (a cancel at the row itself may come before or after).
    if (SharedCount(shared + "\\Oleaut32.dll") != -1)
      ExpectAsBeforeButOleaut32Counted({Lower(windows + "\\vantrel3.exe ")});
    else
      ExpectAsBefore({Lower(windows + "\\vantrel3.exe ")});
    if (HasFailure()) {
      ResetMachine();
      Remember();
    }
  }
}

// The output of a console program of the platform.
std::string Output(const std::string& commandLine) {
  char path[MAX_PATH];
  std::snprintf(path, sizeof path, "Z:\\tmp\\hvt-output-%lu.txt", GetCurrentProcessId());
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE out = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = out;
  PROCESS_INFORMATION info = {};
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                     &info)) {
    if (WaitForSingleObject(info.hProcess, uidriver::Deadline(30000)) != WAIT_OBJECT_0)
      TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  CloseHandle(out);
  const std::string text = ReadFileBytes(path);
  DeleteFileA(path);
  return text;
}

// The uninstall entry as Wine's own "Add/Remove Programs" lists and runs
// it: afterwards the machine is as before the installation, but for the
// uninstaller, and the entry is gone from the list. "Yes to All" to the
// shared files still leaves the machine's own oleaut32.dll in place.
TEST_F(RemovalE2E, InstallThenRemoveThroughWinesUninstaller) {
  const std::string oleaut32 = SharedDir() + "\\Oleaut32.dll";
  const std::string systemOwn = ReadFileBytes(oleaut32);
  ASSERT_FALSE(systemOwn.empty());
  Remember();
  InstallThrough(kInstalledText, "&OK");
  EXPECT_EQ(ExitCode(), 0u);
  EXPECT_NE(Output("uninstaller.exe --list").find("|||Configuration Haventide"), std::string::npos);
  uidriver::Program wine;
  ASSERT_TRUE(wine.Start("uninstaller.exe --remove \"Configuration Haventide\""));
  ASSERT_TRUE(AttachUninstaller(uninstaller_));
  Confirm("&Yes");
  EXPECT_EQ(FinishRemoval(kRemovingNotice, kRemoved, {{"msvbvm50.dll", "Yes to &All"}}), 0u);
  EXPECT_TRUE(wine.WaitExit(20000));
  EXPECT_EQ(Output("uninstaller.exe --list").find("Configuration Haventide"), std::string::npos);
  EXPECT_TRUE(ReadFileBytes(oleaut32) == systemOwn);
  ExpectAsBeforeButOleaut32Counted({Lower(WindowsDir() + "\\vantrel3.exe ")});
}

// "No" changes nothing; a second installation into the folder chains the
// first one's log, and one removal takes both back: every count it raised
// lowered again.
TEST_F(RemovalE2E, TwoInstallationsOneRemoval) {
  Remember();
  const std::string shared = SharedDir();
  InstallThrough(kInstalledText, "&OK");
  EXPECT_EQ(ExitCode(), 0u);
  InstallThrough(kInstalledText, "&OK");
  EXPECT_EQ(ExitCode(), 0u);
  const MachineState installed = State();
  StartRemoval();
  Confirm("&No");
  DWORD code = 99;
  EXPECT_TRUE(uninstaller_.WaitExit(20000, &code));
  EXPECT_EQ(code, 1u);
  EXPECT_TRUE(StateDifferences(installed, State()).empty());

  StartRemoval();
  Confirm("&Yes");
  EXPECT_EQ(FinishRemoval(kRemovingNotice, kRemoved, kUsualAnswers), 0u);
  EXPECT_EQ(SharedCount(shared + "\\Msvbvm50.dll"), -1);
  ExpectAsBeforeButOleaut32Counted({Lower(WindowsDir() + "\\vantrel3.exe ")});
}

// A removal cut off after every k-th record (as by a power cut: the
// uninstaller ends at once) and started again until it ends leaves the
// machine as before the installation; the count another product holds on
// Msvbvm50.dll is lowered only by what this installation raised.
TEST_F(RemovalE2E, ARemovalCutOffAndStartedAgainEndsAsBefore) {
  const std::string msvbvm = SharedDir() + "\\Msvbvm50.dll";
  const std::string original = Original("Msvbvm50.dll");
  FILE* f = fopen(msvbvm.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  fwrite(original.data(), 1, original.size(), f);
  fclose(f);
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSharedKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  const BYTE once[4] = {1, 0, 0, 0};
  RegSetValueExA(key, msvbvm.c_str(), 0, REG_BINARY, once, sizeof once);
  RegCloseKey(key);
  Remember();
  for (int every : {3, 8}) {
    SCOPED_TRACE(every);
    InstallThrough(kInstalledText, "&OK");
    ASSERT_EQ(ExitCode(), 0u);
    LogHeader header;
    const int records =
        static_cast<int>(LogLines(std::string(kFolder) + "\\filog.ini", header).size());
    // The uninstall entry is among the first records taken back: the
    // removal is started again by its command as it was.
    const std::string command = UninstallValue("UninstallString");
    ASSERT_TRUE(SetEnvironmentVariableA("HVT_REMOVAL_STOP_AFTER", std::to_string(every).c_str()));
    for (int run = 0; run < (records + every - 1) / every - 1; ++run) {
      uninstaller_.Kill();
      ASSERT_TRUE(uninstaller_.Start(command));
      Confirm("&Yes");
      DWORD code = 99;
      EXPECT_TRUE(uninstaller_.WaitExit(30000, &code));
      EXPECT_EQ(code, 3u) << "cut off after " << (run + 1) * every << " of " << records;
    }
    SetEnvironmentVariableA("HVT_REMOVAL_STOP_AFTER", nullptr);
    uninstaller_.Kill();
    ASSERT_TRUE(uninstaller_.Start(command));
    Confirm("&Yes");
    EXPECT_EQ(FinishRemoval(kRemovingNotice, kRemoved), 0u);
    EXPECT_EQ(SharedCount(msvbvm), 1);
    EXPECT_TRUE(ReadFileBytes(msvbvm) == original);
    ExpectAsBeforeButOleaut32Counted({Lower(WindowsDir() + "\\vantrel3.exe ")});
  }
}

// A second setup into the folder of an installation, cancelled once it has
// copied over that installation's files: its roll-back leaves the first
// installation as it was, whole, and the first one's removal takes it all
// back.
TEST_F(RemovalE2E, ACancelledSecondInstallationLeavesTheFirstWhole) {
  Remember();
  InstallThrough(kInstalledText, "&OK");
  ASSERT_EQ(ExitCode(), 0u);
  const MachineState installed = State();
  ASSERT_TRUE(StartSetup());
  Welcome("&Install");
  AcceptFolder();
  HWND progress = uidriver::WaitTopWindow(setup_.Id(), kProduct, "#32770", 20000);
  ASSERT_NE(progress, nullptr);
  // By oleaut32.dll's question the program, its help and Msvbvm50.dll are
  // copied again.
  KeepNewerOleaut32();
  ASSERT_TRUE(uidriver::AnswerMessageBox(progress, "&Cancel"));
  Answer("Query Abort", kAbortText, "&Yes");
  EXPECT_EQ(ExitCode(), 1u);
  ASSERT_TRUE(AttachUninstaller(uninstaller_));
  EXPECT_EQ(FinishRemoval(kRollBackNotice, kRemoved), 0u);
  const Strings differences = StateDifferences(installed, State());
  EXPECT_TRUE(differences.empty()) << ::testing::PrintToString(differences);
  for (const char* file : {"Kelvane.exe", "Kelvane.hlp", "ReadMe.txt"})
    EXPECT_TRUE(ReadFileBytes(std::string(kFolder) + "\\" + file) == Original(file)) << file;

  uninstaller_.Kill();
  StartRemoval();
  Confirm("&Yes");
  EXPECT_EQ(FinishRemoval(kRemovingNotice, kRemoved, kUsualAnswers), 0u);
  ExpectAsBeforeButOleaut32Counted({Lower(WindowsDir() + "\\vantrel3.exe ")});
}

// Values the installation changed come back with their old type and
// bytes; the key, which was there before, stays.
TEST_F(RemovalE2E, AChangedValueComesBackByteForByte) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const BYTE binary[] = {1, 0, 0xFF, 7, 0};
  const char expand[] = "%WINDIR%\\old.exe";
  RegSetValueExA(key, "DisplayName", 0, REG_BINARY, binary, sizeof binary);
  RegSetValueExA(key, "UninstallString", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(expand),
                 sizeof expand);
  RegCloseKey(key);
  Remember();
  InstallThrough(kInstalledText, "&OK");
  EXPECT_EQ(ExitCode(), 0u);
  ASSERT_EQ(UninstallValue("DisplayName"), kProduct);
  StartRemoval();
  Confirm("&Yes");
  EXPECT_EQ(FinishRemoval(kRemovingNotice, kRemoved, kUsualAnswers), 0u);
  for (const auto& value :
       {std::make_pair("DisplayName", std::string(binary, binary + 5)),
        std::make_pair("UninstallString", std::string(expand, expand + sizeof expand))}) {
    BYTE data[64] = {};
    DWORD type = 0, size = sizeof data;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExA(key, value.first, nullptr, &type, data, &size), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type,
              std::string(value.first) == "DisplayName" ? DWORD{REG_BINARY} : DWORD{REG_EXPAND_SZ});
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data), size), value.second) << value.first;
  }
  ExpectAsBeforeButOleaut32Counted({Lower(WindowsDir() + "\\vantrel3.exe ")});
}

// A file held open cannot be deleted: it is named for deletion in
// wininit.ini and goes at Wine's next restart, and so does the folder
// that holds nothing else.
TEST_F(RemovalE2E, AFileHeldOpenGoesAtTheNextRestart) {
  Remember();
  const std::string kelvane = std::string(kFolder) + "\\Kelvane.exe";
  InstallThrough(kInstalledText, "&OK");
  EXPECT_EQ(ExitCode(), 0u);
  HANDLE held = CreateFileA(kelvane.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  char shortName[MAX_PATH];
  ASSERT_GT(GetShortPathNameA(kelvane.c_str(), shortName, sizeof shortName), 0u);
  StartRemoval();
  Confirm("&Yes");
  EXPECT_EQ(FinishRemoval(kRemovingNotice,
                          std::string(kRemoved) +
                              "\n\nSome files were in use. They will be removed when Windows "
                              "restarts.",
                          kUsualAnswers),
            0u);
  CloseHandle(held);
  char entries[512] = {};
  GetPrivateProfileSectionA("rename", entries, sizeof entries, "wininit.ini");
  EXPECT_EQ(std::string(entries), std::string("NUL=") + shortName);
  EXPECT_TRUE(Exists(kelvane));
  uidriver::Program wineboot;
  ASSERT_TRUE(wineboot.Start("wineboot.exe -r"));
  EXPECT_TRUE(wineboot.WaitExit(60000));
  EXPECT_FALSE(Exists(kelvane));
  EXPECT_FALSE(Exists(kFolder));
  // The restart also carries out what others left pending, and keeps
  // wininit.ini as wininit.bak.
  ExpectAsBeforeButOleaut32Counted(
      {Lower(WindowsDir() + "\\vantrel3.exe "), Lower(WindowsDir() + "\\wininit.bak "),
       "[hkey_local_machine\\system\\currentcontrolset\\control\\session manager]"});
}

// A log cut within a record (a setup that died writing it): exactly the
// records before the cut are taken back, on the real machine.
TEST_F(RemovalE2E, ACutLogTakesBackOnlyItsCompleteRecords) {
  const std::string folder = kFolder, windows = WindowsDir(), log = folder + "\\filog.ini";
  InstallThrough(kInstalledText, "&OK");
  EXPECT_EQ(ExitCode(), 0u);
  // Cut in the middle of the seventh record, ReadMe.txt's copy.
  const std::string bytes = ReadFileBytes(log);
  InstallLogReader reader(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  LogHeader header;
  ASSERT_TRUE(reader.ReadHeader(header));
  LogRecord record;
  for (int i = 0; i < 6; ++i)
    ASSERT_EQ(reader.ReadRecord(record), InstallLogReader::Result::Record);
  const size_t cut = reader.CompleteEnd() + 9;
  ASSERT_EQ(reader.ReadRecord(record), InstallLogReader::Result::Record);
  ASSERT_EQ(Lower(record.texts[1]), Lower(folder + "\\ReadMe.txt"));
  FILE* f = fopen(log.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  fwrite(bytes.data(), 1, cut, f);
  fclose(f);

  StartRemoval();
  Confirm("&Yes");
  // The box says the log ended early; what came after the cut stays.
  EXPECT_EQ(FinishRemoval(kRemovingNotice,
                          "Some parts of Configuration Haventide could not be removed:\n\n"
                          "Installation log " +
                              log +
                              ": the installation log ends early: later changes were not taken "
                              "back\n" +
                              folder,
                          kUsualAnswers),
            1u);
  for (const std::string& gone :
       {folder + "\\Kelvane.exe", folder + "\\Kelvane.hlp", SharedDir() + "\\Msvbvm50.dll", log})
    EXPECT_FALSE(Exists(gone)) << gone;
  for (const std::string& kept : {folder + "\\ReadMe.txt", folder + "\\WhatsNew.txt",
                                  windows + "\\COMMAND\\Restore.bat", windows + "\\Vantrel3.exe"})
    EXPECT_TRUE(Exists(kept)) << kept;
  EXPECT_EQ(UninstallValue("DisplayName"), kProduct);
  EXPECT_NE(progman_.State().find("group: Configuration Haventide"), std::string::npos);
}

// No log named, none there, or none the reader takes: a box naming it, and
// nothing changed.
TEST_F(RemovalE2E, ALogThatCannotBeUsedChangesNothing) {
  const std::string program = uidriver::ProgramUnderTest("Vantrel3.exe");
  const std::string bad = std::string(kDisk) + "\\not a log.ini";
  FILE* f = fopen(bad.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  fputs("[rename]\r\nNUL=C:\\AUTOEXEC.BAT\r\n", f);
  fclose(f);
  Remember();
  const struct {
    std::string tail, text;
  } rows[] = {
      {"", "No installation log was named.\n\nUsage: Vantrel3 installation-log"},
      {"   ", "No installation log was named.\n\nUsage: Vantrel3 installation-log"},
      {"C:\\Nowhere\\filog.ini",
       "The installation log C:\\Nowhere\\filog.ini cannot be found.\n\nNothing was changed."},
      {"\"" + bad + "\"",
       bad + " is not an installation log, or it is damaged.\n\nNothing was changed."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.tail);
    uninstaller_.Kill();
    ASSERT_TRUE(uninstaller_.Start("\"" + program + "\" " + row.tail));
    HWND box = uidriver::WaitTopWindow(uninstaller_.Id(), "Uninstall", "#32770", 30000);
    ASSERT_NE(box, nullptr);
    uidriver::MessageBoxInfo info;
    ASSERT_TRUE(uidriver::ReadMessageBox(box, &info));
    EXPECT_EQ(info.text, row.text);
    ASSERT_TRUE(uidriver::AnswerMessageBox(box, "OK"));
    DWORD code = 99;
    EXPECT_TRUE(uninstaller_.WaitExit(20000, &code));
    EXPECT_EQ(code, 1u);
  }
  ExpectAsBefore({});
}

}  // namespace
