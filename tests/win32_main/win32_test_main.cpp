// GoogleTest's main for the Win32 test programs under Wine. The program
// ends as soon as its report is out, without the process detach of every
// DLL: nothing a test left behind (a DDE instance, a window of Wine's
// desktop, a thread waiting on a conversation) can keep it alive after its
// last test.
#include <windows.h>

#include <cstdio>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const int failed = RUN_ALL_TESTS();
  std::fflush(stdout);
  std::fflush(stderr);
  TerminateProcess(GetCurrentProcess(), static_cast<UINT>(failed));
  return failed;
}
