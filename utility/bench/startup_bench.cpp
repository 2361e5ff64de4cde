// Benchmark, not a test: how long kelvane.exe takes from being started to
// its main window being visible. Prints every run and the median.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "uidriver.h"

int main(int argc, char** argv) {
  int runs = argc > 1 ? atoi(argv[1]) : 9;
  std::string exe = uidriver::ProgramUnderTest("kelvane.exe");
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    uidriver::Program program;
    QueryPerformanceCounter(&start);
    if (!program.Start("\"" + exe + "\"")) {
      fprintf(stderr, "cannot start %s\n", exe.c_str());
      return 1;
    }
    HWND main = nullptr;
    for (;;) {
      main = uidriver::FindTopWindow(program.Id(), "Configuration Haventide", "HaventideForm");
      QueryPerformanceCounter(&now);
      if (main) break;
      if (now.QuadPart - start.QuadPart > frequency.QuadPart * 30) {
        fprintf(stderr, "no main window after 30 s\n");
        return 1;
      }
      Sleep(1);
    }
    double ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
                static_cast<double>(frequency.QuadPart);
    times.push_back(ms);
    printf("run %d: %.0f ms\n", i + 1, ms);
    program.Kill();
  }
  std::sort(times.begin(), times.end());
  printf("median start-to-main-window time over %d runs: %.0f ms\n", runs, times[times.size() / 2]);
  return 0;
}
