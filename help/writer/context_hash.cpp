#include "context_hash.h"

namespace hlp {

namespace {

int CharValue(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A' + 17;
  if (c >= 'a' && c <= 'z') return c - 'a' + 17;
  if (c >= '1' && c <= '9') return c - '0';
  if (c == '0') return 10;
  if (c == '.') return 12;
  if (c == '_') return 13;
  return 0;
}

}  // namespace

bool IsHashableContextName(const std::string& name) {
  if (name.empty()) return false;
  for (char c : name)
    if (CharValue(c) == 0) return false;
  return true;
}

int32_t ContextHash(const std::string& name) {
  uint32_t h = 0;
  for (char c : name) h = h * 43u + static_cast<uint32_t>(CharValue(c));
  return static_cast<int32_t>(h);
}

}  // namespace hlp
