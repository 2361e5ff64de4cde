#include "szdd_test_util.h"

#include <cstdio>

namespace szdd_test {

Bytes ReadFileBytes(const std::string& path, std::size_t max) {
  Bytes b;
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    int c;
    while (b.size() < max && (c = std::fgetc(f)) != EOF) b.push_back(static_cast<std::uint8_t>(c));
    std::fclose(f);
  }
  return b;
}

}  // namespace szdd_test
