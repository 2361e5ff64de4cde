// The shell detected under Wine in Windows 95 mode, and the early contact
// with the stand-in Program Manager.
#include "shell/shell_detection.h"

#include <gtest/gtest.h>

#include "stand_in_program_manager.h"

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
  StandInProgramManager server;
  ASSERT_TRUE(server.Start());
  ASSERT_EQ(server.State().find("conversations: 0\n"), 0u);
  EarlyProgramManagerContact(ShellFromPlatform(kPlatformWindows, 4, 0, nullptr));
  EarlyProgramManagerContact(ShellFromPlatform(kPlatformWindows, 3, 95, nullptr));
  EXPECT_TRUE(uidriver::WaitUntil([&] { return server.State().find("conversations: 1\n") == 0; }))
      << server.State();
}

}  // namespace
