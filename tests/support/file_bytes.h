// A whole file's bytes as the tests compare them, read through stdio on
// every platform.
#pragma once

#include <cstdio>
#include <string>

// The whole file as a std::string or a std::vector of bytes; empty when it
// cannot be read.
template <class Bytes = std::string>
Bytes ReadFileBytes(const std::string& path) {
  Bytes bytes;
  if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
      bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(f);
  }
  return bytes;
}
