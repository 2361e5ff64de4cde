// Expected log bytes for the tests, spelled out field by field: numbers are
// given as their bytes, texts as their characters.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

class Bytes {
 public:
  Bytes& operator()(std::initializer_list<int> bytes) {
    for (int b : bytes) v.push_back(static_cast<uint8_t>(b));
    return *this;
  }
  Bytes& operator()(const std::string& text) {
    v.insert(v.end(), text.begin(), text.end());
    return *this;
  }
  Bytes& Repeat(int byte, size_t count) {
    v.insert(v.end(), count, static_cast<uint8_t>(byte));
    return *this;
  }
  std::vector<uint8_t> v;
};
