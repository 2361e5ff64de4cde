// The machine an end-to-end test installs Configuration Haventide on: the
// disk copied into C:\DISK1, the stand-in Program Manager serving, what an
// earlier test installed taken away first; and setup driven as a user would.
#pragma once

#include "product/haventide_tables.h"
#include "stand_in_program_manager.h"
#include "setup_e2e_fixture.h"

namespace install_e2e {

using namespace setup_e2e;

inline constexpr char kDisk[] = "C:\\DISK1";
inline constexpr char kFolder[] = "C:\\Program Files\\Configuration Haventide";
inline constexpr char kUninstallKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Configuration Haventide";
inline constexpr char kProduct[] = "Configuration Haventide";
inline constexpr char kInstalledText[] =
    "Congratulations!\nConfiguration Haventide has been installed successfully";
inline constexpr char kRestartText[] =
    "Configuration Haventide has been installed successfully\nbut we need to restart\nWindows for "
    "the changes to take effect";

inline std::string UninstallValue(const char* name) {
  return ReadText(HKEY_LOCAL_MACHINE, kUninstallKey, name);
}

class InstallE2E : public SetupE2E {
 protected:
  void SetUp() override {
    ResetMachine();
    ASSERT_NO_FATAL_FAILURE(CopyTestDisk(kDisk));
    ASSERT_TRUE(progman_.Start());
  }
  void TearDown() override {
    EndUninstaller();
    progman_.Stop();
  }

  // The machine's own oleaut32.dll stays.
  void ResetMachine() { setup_e2e::ResetMachine(kHaventideTables, {"Oleaut32.dll"}); }

  bool StartSetup() { return setup_.Start("\"C:\\DISK1\\KIVERSET.EXE\" C:\\DISK1\\", kDisk); }

  void Welcome(const std::string& button) {
    Answer("Welcome",
           "This program will install Configuration Haventide 1.1\nonto your system\nTo continue, "
           "press Enter\n\nCopyright (C) 1997 Quillmere",
           button);
  }

  void AcceptFolder() { SetupE2E::AcceptFolder(kFolder); }

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

  StandInProgramManager progman_;
};

}  // namespace install_e2e
