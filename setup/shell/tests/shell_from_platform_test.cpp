// The shell record of a platform, for every kind of platform.
#include <gtest/gtest.h>

#include "shell/shell_detection.h"

namespace {

TEST(ShellFromPlatform, EachKindOfPlatform) {
  struct Case {
    int kind, major, minor;
    const char* winLogonShell;
    bool newLook, newShell;
  } cases[] = {
      {kPlatformWindows, 4, 0, nullptr, true, true},
      {kPlatformWindows, 3, 95, nullptr, true, true},
      {kPlatformWin32s, 1, 30, nullptr, false, false},
      {kPlatformNt, 3, 51, "progman.exe", true, false},
      {kPlatformNt, 3, 51, "PROGMAN.EXE", true, false},
      {kPlatformNt, 3, 10, "explorer.exe", false, true},
      {kPlatformNt, 4, 0, "Explorer.exe", false, true},  // major and minor tested apart
      {kPlatformNt, 5, 51, nullptr, true, false},        // no shell read: Program Manager
  };
  for (const Case& c : cases) {
    const ShellInfo info = ShellFromPlatform(c.kind, c.major, c.minor, c.winLogonShell);
    EXPECT_EQ(info.platformKind, c.kind);
    EXPECT_EQ(info.major, c.major);
    EXPECT_EQ(info.minor, c.minor);
    EXPECT_EQ(info.newLook, c.newLook) << c.kind << " " << c.major << "." << c.minor;
    EXPECT_EQ(info.newShell, c.newShell)
        << c.kind << " " << (c.winLogonShell ? c.winLogonShell : "(none)");
  }
}

}  // namespace
