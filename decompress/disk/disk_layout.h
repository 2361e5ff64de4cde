// What "Installation Disk 1" holds: the setup program, the decompression
// library and the setup help at the root, and the product's eight files,
// five of them under their compressed names.
#pragma once
#include <string>
#include <vector>

namespace disk {

struct DiskEntry {
  std::string input;  // the name the builder is given the file under
  bool compressed;    // stored in SZDD form under its compressed name
};

// In the order the builder writes them.
const std::vector<DiskEntry>& DiskContents();

// The name a file has on the disk: upper case, and for a compressed file
// the last character of a three-character extension replaced by "_", else
// "_" appended to the extension (a name without one gets the extension _).
std::string DiskName(const DiskEntry& entry);
std::string CompressedName(const std::string& name);

}  // namespace disk
