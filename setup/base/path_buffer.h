// PathBuffer: a path held in a buffer of 260 characters (the terminating NUL
// included, as for the platform's paths). The file operations build their
// path operations on it.
#pragma once

class PathBuffer {
 public:
  static constexpr int kCapacity = 260;  // characters, NUL included
  static constexpr int kMaxLength = kCapacity - 1;

  PathBuffer() { path_[0] = '\0'; }
  virtual ~PathBuffer() = default;

  virtual const char* Get() const { return path_; }
  // Copies text in. A text longer than kMaxLength (or null) is refused with
  // false and the old path stays; it is never cut or overflowed.
  virtual bool Set(const char* text);

 protected:
  char path_[kCapacity];
};

// directory, a backslash unless directory is empty or already ends with
// one, and name. False (path unchanged) when the result would not fit.
bool JoinPath(const char* directory, const char* name, PathBuffer& path);
