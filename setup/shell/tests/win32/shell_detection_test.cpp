// The shell detected under Wine in Windows 95 mode, and the early contact
// with the bench's Program Manager.
#include "shell/shell_detection.h"

#include <gtest/gtest.h>

#include <string>

#include "uidriver.h"

namespace {

// Counts the questions; answers none.
class NoRegistry : public RegistryText {
 public:
  bool ReadString(int, const char*, const char*, char*, int) override {
    ++reads;
    return false;
  }
  int reads = 0;
};

std::string ReadFileText(const std::string& path) {
  std::string text;
  if (FILE* f = fopen(path.c_str(), "rb")) {
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
    fclose(f);
  }
  return text;
}

TEST(ShellDetection, Windows95HasTheNewLookAndShellWithoutAskingTheRegistry) {
  ShellInfo info;
  NoRegistry registry;
  DetectShell(info, registry);
  EXPECT_EQ(info.platformKind, kPlatformWindows);
  EXPECT_EQ(info.major, 4);
  EXPECT_EQ(info.minor, 0);
  EXPECT_TRUE(info.newLook);
  EXPECT_TRUE(info.newShell);
  EXPECT_EQ(registry.reads, 0);
}

TEST(ShellDetection, OnlyVersion395ContactsProgramManagerEarly) {
  char temp[MAX_PATH];
  ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
  const std::string state =
      std::string(temp) + "hvt-early-" + std::to_string(GetCurrentProcessId()) + ".txt";
  DeleteFileA(state.c_str());
  uidriver::Program server;
  ASSERT_TRUE(
      server.Start("\"" + uidriver::BesideTest("progman_server.exe") + "\" \"" + state + "\""));
  ASSERT_TRUE(
      uidriver::WaitUntil([&] { return ReadFileText(state).find("conversations: 0\n") == 0; }));
  EarlyProgramManagerContact(ShellFromPlatform(kPlatformWindows, 4, 0, nullptr));
  EarlyProgramManagerContact(ShellFromPlatform(kPlatformWindows, 3, 95, nullptr));
  EXPECT_TRUE(uidriver::WaitUntil([&] {
    return ReadFileText(state).find("conversations: 1\n") == 0;
  })) << ReadFileText(state);
  server.Kill();
  DeleteFileA(state.c_str());
}

}  // namespace
