// hvt_mkdisk: lays out "Installation Disk 1" from the build's outputs.
//   hvt_mkdisk OUTDIR NAME=PATH ...
// NAME is each file of the disk as the product names it (kiverset.exe,
// lzpunz32.dll, install.hlp, Vantrel3.exe, Kelvane.exe, Kelvane.hlp,
// Msvbvm50.dll, Oleaut32.dll, ReadMe.txt, Restore.bat, WhatsNew.txt).
#include <cstdio>
#include <map>
#include <string>

#include "disk_builder.h"
#include "disk_layout.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: hvt_mkdisk OUTDIR NAME=PATH ...\nfiles of the disk:");
    for (const disk::DiskEntry& e : disk::DiskContents()) std::fprintf(stderr, " %s", e.input);
    std::fprintf(stderr, "\n");
    return 2;
  }
  std::map<std::string, std::string> inputs;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    const std::size_t eq = arg.find('=');
    if (eq == std::string::npos || eq == 0) {
      std::fprintf(stderr, "hvt_mkdisk: expected NAME=PATH, got %s\n", argv[i]);
      return 2;
    }
    inputs[arg.substr(0, eq)] = arg.substr(eq + 1);
  }
  std::printf("Installation Disk 1 -> %s\n", argv[1]);
  std::string error;
  if (!disk::BuildDisk(argv[1], inputs, error, stdout)) {
    std::fprintf(stderr, "hvt_mkdisk: %s; no disk written\n", error.c_str());
    return 1;
  }
  return 0;
}
