// SetupString: the setup engine's text. An empty string points at one shared
// static empty text that is never freed; every other text is owned and freed
// when replaced. Operations that need memory answer false when it runs out
// and leave the string exactly as it was.
#pragma once

#include <cstdarg>

#if defined(__GNUC__)
#define SETUP_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define SETUP_PRINTF(fmt, args)
#endif

class SetupString {
 public:
  SetupString();  // empty
  // Copies text in; stays empty when memory runs out (use Assign to know).
  explicit SetupString(const char* text);
  ~SetupString();
  SetupString(SetupString&& other) noexcept;
  SetupString& operator=(SetupString&& other) noexcept;
  SetupString(const SetupString&) = delete;
  SetupString& operator=(const SetupString&) = delete;

  // Null text counts as the empty text. False: out of memory or too long.
  bool Assign(const char* text);
  bool Format(const char* format, ...) SETUP_PRINTF(2, 3);
  bool FormatV(const char* format, va_list args);
  // Room for n characters plus the NUL; the content is discarded (the buffer
  // holds an empty text). Write through Buffer(), then call SyncLength().
  bool Reserve(int n);
  bool Append(const char* text);
  // Takes ownership of a text from SetupAllocate; null makes it empty.
  void Adopt(char* heapText);
  // Hands the text to the caller (free it with SetupRelease) and leaves the
  // string with no text at all: length 0, null pointer; only Free or
  // destruction may follow. An empty string hands over a fresh heap copy of
  // "" so the caller can always free what it got; null when that allocation
  // fails.
  char* Release();
  // Frees the owned text; the string becomes empty.
  void Free();

  const char* Text() const { return text_; }  // null only after Release
  int Length() const { return length_; }
  bool IsEmpty() const { return length_ == 0; }
  // Writable owned buffer, or null while the string shows the shared empty.
  char* Buffer() { return owned() ? text_ : nullptr; }
  // Recomputes the length after writing through Buffer().
  void SyncLength();

  static const char* SharedEmpty();

 private:
  bool owned() const;
  void take(char* text, int length);  // frees the old text, holds the new

  char* text_;
  int length_;
};
