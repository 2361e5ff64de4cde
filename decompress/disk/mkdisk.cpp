// hvt_mkdisk: lays out "Installation Disk 1" from the build's outputs.
//   hvt_mkdisk OUTDIR NAME=PATH ...
// NAME is each file of the disk as the product names it (kiverset.exe,
// lzpunz32.dll, install.hlp, Vantrel3.exe, Kelvane.exe, Kelvane.hlp,
// Msvbvm50.dll, Oleaut32.dll, ReadMe.txt, Restore.bat, WhatsNew.txt).
//   hvt_mkdisk --files OUTDIR [z:]NAME=PATH ...
// lays out a disk of another product: the files given, in that order, those
// marked "z:" compressed.
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "disk_builder.h"
#include "disk_layout.h"

int main(int argc, char** argv) {
  const bool files = argc > 1 && std::strcmp(argv[1], "--files") == 0;
  const int first = files ? 2 : 1;
  if (argc < first + 1) {
    std::fprintf(stderr,
                 "usage: hvt_mkdisk OUTDIR NAME=PATH ...\n"
                 "       hvt_mkdisk --files OUTDIR [z:]NAME=PATH ...\nfiles of the disk:");
    for (const disk::DiskEntry& e : disk::DiskContents())
      std::fprintf(stderr, " %s", e.input.c_str());
    std::fprintf(stderr, "\n");
    return 2;
  }
  std::map<std::string, std::string> inputs;
  std::vector<disk::DiskEntry> entries;
  for (int i = first + 1; i < argc; ++i) {
    std::string arg = argv[i];
    const bool compressed = files && arg.compare(0, 2, "z:") == 0;
    if (compressed) arg.erase(0, 2);
    const std::size_t eq = arg.find('=');
    if (eq == std::string::npos || eq == 0) {
      std::fprintf(stderr, "hvt_mkdisk: expected NAME=PATH, got %s\n", argv[i]);
      return 2;
    }
    inputs[arg.substr(0, eq)] = arg.substr(eq + 1);
    entries.push_back({arg.substr(0, eq), compressed});
  }
  const char* out = argv[first];
  std::printf("%s -> %s\n", files ? "Disk" : "Installation Disk 1", out);
  std::string error;
  const bool built = files ? disk::BuildDisk(out, entries, inputs, error, stdout)
                           : disk::BuildDisk(out, inputs, error, stdout);
  if (!built) {
    std::fprintf(stderr, "hvt_mkdisk: %s; no disk written\n", error.c_str());
    return 1;
  }
  return 0;
}
