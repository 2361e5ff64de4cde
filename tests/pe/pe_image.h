// A small reader of 32-bit Windows executables (PE32), enough to check what
// we ship: machine, subsystem and its version, imported DLLs and functions,
// and the fixed part of the version resource. Every read is bounds-checked:
// a damaged file gives an error, never a read past the data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pe {

struct Import {
  std::string dll;
  std::string function;  // "#<ordinal>" for an import by ordinal
};

struct Image {
  uint16_t machine = 0;    // 0x14c for i386
  uint16_t magic = 0;      // 0x10b for PE32
  uint16_t subsystem = 0;  // 2 GUI, 3 console
  uint16_t subsystemMajor = 0, subsystemMinor = 0;
  uint16_t osMajor = 0, osMinor = 0;
  bool isDll = false;
  std::vector<Import> imports;
  std::vector<std::string> exports;
  bool hasVersion = false;
  uint32_t fileVersionMS = 0, fileVersionLS = 0;
  uint32_t productVersionMS = 0, productVersionLS = 0;
  std::string resourceText;  // the resource section's UTF-16 text, narrowed, for string checks
};

// False (and a reason) for data that is not a well-formed PE32 image.
bool Parse(const std::vector<uint8_t>& data, Image* image, std::string* error);
bool ParseFile(const std::string& path, Image* image, std::string* error);

}  // namespace pe
