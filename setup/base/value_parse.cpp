#include "base/value_parse.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

// White space as the C library's scanning sees it in the C locale.
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

const char* SkipBlanks(const char* p) {
  while (IsBlank(*p)) ++p;
  return p;
}

// One number ended at end (which must differ from where it began) and only
// blanks follow.
bool OnlyBlanksAfter(const char* begin, const char* end) {
  return end != begin && *SkipBlanks(end) == '\0';
}

bool ParseWide(const char* text, long long& out) {
  if (!text) return false;
  const char* begin = SkipBlanks(text);
  char* end = nullptr;
  errno = 0;
  long long value = std::strtoll(begin, &end, 10);
  if (errno == ERANGE || !OnlyBlanksAfter(begin, end)) return false;
  out = value;
  return true;
}

}  // namespace

bool ParseLongValue(const char* text, long& out) {
  long long value;
  if (!ParseWide(text, value) || value < LONG_MIN || value > LONG_MAX) return false;
  out = static_cast<long>(value);
  return true;
}

bool ParseIntValue(const char* text, int& out) {
  long long value;
  if (!ParseWide(text, value) || value < INT_MIN || value > INT_MAX) return false;
  out = static_cast<int>(value);
  return true;
}

bool ParseUnsignedValue(const char* text, unsigned& out) {
  if (!text || *SkipBlanks(text) == '-') return false;
  long long value;
  if (!ParseWide(text, value) || value < 0 || static_cast<unsigned long long>(value) > UINT_MAX)
    return false;
  out = static_cast<unsigned>(value);
  return true;
}

bool ParseRealValue(const char* text, double& out) {
  if (!text) return false;
  const char* begin = SkipBlanks(text);
  char* end = nullptr;
  double value = std::strtod(begin, &end);
  if (!OnlyBlanksAfter(begin, end)) return false;
  out = value;
  return true;
}

bool ParseFloatValue(const char* text, float& out) {
  if (!text) return false;
  const char* begin = SkipBlanks(text);
  char* end = nullptr;
  float value = std::strtof(begin, &end);
  if (!OnlyBlanksAfter(begin, end)) return false;
  out = value;
  return true;
}

bool IsBlankText(const char* text) {
  if (!text) return true;
  return *SkipBlanks(text) == '\0';
}
