#include "base/line_splitter.h"

#include <cstring>

namespace {

const char* FindCrLf(const char* from) { return std::strstr(from, "\r\n"); }

}  // namespace

void LineSplitter::Start(const char* text) {
  line_ = text;
  crlf_ = text ? FindCrLf(text) : nullptr;
}

void LineSplitter::Next() {
  if (!line_) return;
  if (!crlf_) {
    line_ = nullptr;
    return;
  }
  line_ = crlf_ + 2;
  crlf_ = FindCrLf(line_);
}

int LineSplitter::LineLength() const {
  if (!line_) return 0;
  return static_cast<int>(crlf_ ? crlf_ - line_ : static_cast<std::ptrdiff_t>(std::strlen(line_)));
}

bool LineSplitter::CopyLine(char* buffer, std::size_t size) const {
  if (!buffer || size == 0) return false;
  buffer[0] = '\0';
  if (!line_) return false;
  std::size_t length = static_cast<std::size_t>(LineLength());
  bool fits = length < size;
  std::size_t copied = fits ? length : size - 1;
  std::memcpy(buffer, line_, copied);
  buffer[copied] = '\0';
  return fits;
}

int LineSplitter::CountLines(const char* text) {
  LineSplitter splitter;
  int count = 0;
  for (splitter.Start(text); splitter.More(); splitter.Next()) ++count;
  return count;
}

bool LineSplitter::CopyLineOf(const char* text, int n, char* buffer, std::size_t size) {
  if (buffer && size > 0) buffer[0] = '\0';
  if (n < 0) return false;
  LineSplitter splitter;
  splitter.Start(text);
  for (int i = 0; i < n && splitter.More(); ++i) splitter.Next();
  return splitter.CopyLine(buffer, size);
}
