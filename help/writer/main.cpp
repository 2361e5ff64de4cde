// hvthlp SOURCE OUTPUT: writes the WinHelp file OUTPUT from our help source.
#include <cstdio>
#include <string>

#include "compile.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: hvthlp SOURCE OUTPUT\n");
    return 2;
  }
  std::string message;
  if (!hlp::CompileHelpFile(argv[1], argv[2], message)) {
    std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
  }
  return 0;
}
