// The machine an end-to-end test installs Sampler Suite on: its disk copied
// into C:\SAMPLER, what an earlier test installed taken away, and the two
// files its rows rename and delete put in place.
#pragma once

#include "sampler_tables.h"
#include "setup_e2e_fixture.h"

namespace sampler_e2e {

using namespace setup_e2e;

inline constexpr char kDisk[] = "C:\\SAMPLER";
inline constexpr char kFolder[] = "C:\\Sampler Suite";
inline constexpr char kProduct[] = "Sampler Suite";
inline constexpr char kUninstallKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sampler Suite";
inline constexpr char kSettingsKey[] = "Software\\Quillmere\\Sampler Suite";
// The product's restart is fixed: Windows, whatever was replaced.
inline constexpr char kRestartText[] =
    "Sampler Suite has been installed successfully\nbut we need to restart\nWindows for the "
    "changes to take effect";
inline constexpr char kSettingsText[] = "[Sampler]\r\nRuns=4\r\n";
inline constexpr char kComponentsTitle[] = "Select Components To Install";

class SamplerE2E : public SetupE2E {
 protected:
  void SetUp() override {
    ResetMachine();
    ASSERT_NO_FATAL_FAILURE(CopyTestDisk(kDisk, "SAMPLER"));
    WriteFile(windows_ + "\\Sampler.ini", kSettingsText);
    WriteFile(windows_ + "\\Sampler.old", "left by version 1\r\n");
  }
  void TearDown() override { EndUninstaller(); }

  void ResetMachine() { setup_e2e::ResetMachine(kSamplerTables); }

  static void WriteFile(const std::string& path, const std::string& text) {
    if (FILE* f = fopen(path.c_str(), "wb")) {
      fwrite(text.data(), 1, text.size(), f);
      fclose(f);
    }
  }

  bool StartSetup() { return setup_.Start("\"C:\\SAMPLER\\SAMPSET.EXE\" C:\\SAMPLER\\", kDisk); }

  void Welcome(const std::string& button) {
    Answer("Welcome",
           "This program will install Sampler Suite 2.0\non this computer\nTo continue, press "
           "Enter\n\nCopyright (C) 1997 Quillmere",
           button);
  }

  // The component dialog, once it shows.
  HWND Components() {
    HWND dialog = uidriver::WaitTopWindow(setup_.Id(), kComponentsTitle, "#32770", kFirstWindowMs);
    EXPECT_NE(dialog, nullptr) << Shown();
    return dialog;
  }

  const std::string windows_ = WindowsDir();
  const std::string system_ = SharedDir();
};

}  // namespace sampler_e2e
