// Line splitter: walks the lines of a text separated by CR LF. A text with no
// CR LF is one line; a text ending in CR LF has an empty last line. A lone CR
// or LF is part of the line.
#pragma once

#include <cstddef>

class LineSplitter {
 public:
  // A null text has no lines at all.
  void Start(const char* text);
  bool More() const { return line_ != nullptr; }
  void Next();

  const char* Line() const { return line_; }  // not NUL-terminated at its end
  int LineLength() const;
  // Copies the current line into buffer (size bytes, NUL included). False
  // when there is no current line, size is 0, or the line had to be cut to
  // fit; the buffer always ends in a NUL when size > 0.
  bool CopyLine(char* buffer, std::size_t size) const;

  static int CountLines(const char* text);
  // Copies line n (from 0) of text; false when there is no such line or it
  // had to be cut, as for CopyLine.
  static bool CopyLineOf(const char* text, int n, char* buffer, std::size_t size);

 private:
  const char* line_ = nullptr;  // start of the current line
  const char* crlf_ = nullptr;  // its CR LF; null at the last line
};
