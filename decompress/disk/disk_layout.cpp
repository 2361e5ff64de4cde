#include "disk_layout.h"

#include <cctype>

namespace disk {

const std::vector<DiskEntry>& DiskContents() {
  static const std::vector<DiskEntry> entries = {
      {"kiverset.exe", false}, {"lzpunz32.dll", false}, {"install.hlp", false},
      {"Vantrel3.exe", true},  {"Kelvane.exe", true},   {"Kelvane.hlp", true},
      {"Msvbvm50.dll", true},  {"Oleaut32.dll", true},  {"ReadMe.txt", false},
      {"Restore.bat", false},  {"WhatsNew.txt", false},
  };
  return entries;
}

std::string CompressedName(const std::string& name) {
  const std::size_t slash = name.find_last_of("\\/");
  const std::size_t dot = name.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return name + "._";
  if (name.size() - dot - 1 == 3) return name.substr(0, name.size() - 1) + "_";
  return name + "_";
}

std::string DiskName(const DiskEntry& entry) {
  std::string upper = entry.input;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return entry.compressed ? CompressedName(upper) : upper;
}

}  // namespace disk
