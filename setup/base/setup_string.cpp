#include "base/setup_string.h"

#include "base/setup_heap.h"

#include <climits>
#include <cstdio>
#include <cstring>

namespace {

// The one shared empty text. It is writable memory only because the pointer
// type is char*; nothing ever writes to it or frees it.
char g_empty[1] = {'\0'};

// Length of a text; null counts as empty.
long long LengthOf(const char* text) {
  return text ? static_cast<long long>(std::strlen(text)) : 0;
}

char* NewText(long long length) {
  if (length < 0 || length >= INT_MAX) return nullptr;
  return static_cast<char*>(SetupAllocate(static_cast<std::size_t>(length) + 1));
}

}  // namespace

SetupString::SetupString() : text_(g_empty), length_(0) {}

SetupString::SetupString(const char* text) : text_(g_empty), length_(0) { Assign(text); }

SetupString::~SetupString() { Free(); }

SetupString::SetupString(SetupString&& other) noexcept
    : text_(other.text_), length_(other.length_) {
  other.text_ = g_empty;
  other.length_ = 0;
}

SetupString& SetupString::operator=(SetupString&& other) noexcept {
  if (this != &other) {
    Free();
    text_ = other.text_;
    length_ = other.length_;
    other.text_ = g_empty;
    other.length_ = 0;
  }
  return *this;
}

const char* SetupString::SharedEmpty() { return g_empty; }

bool SetupString::owned() const { return text_ && text_ != g_empty; }

void SetupString::take(char* text, int length) {
  // The old text goes only after the new one is complete, so a source that
  // points into the old text stays readable until then.
  if (owned()) SetupRelease(text_);
  text_ = text;
  length_ = length;
}

bool SetupString::Assign(const char* text) {
  long long length = LengthOf(text);
  if (length == 0) {
    Free();
    return true;
  }
  char* copy = NewText(length);
  if (!copy) return false;
  std::memcpy(copy, text, static_cast<std::size_t>(length) + 1);
  take(copy, static_cast<int>(length));
  return true;
}

bool SetupString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  bool ok = FormatV(format, args);
  va_end(args);
  return ok;
}

bool SetupString::FormatV(const char* format, va_list args) {
  if (!format) return Assign(nullptr);
  va_list measure;
  va_copy(measure, args);
  int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  if (length < 0) return false;
  if (length == 0) {
    Free();
    return true;
  }
  char* text = NewText(length);
  if (!text) return false;
  std::vsnprintf(text, static_cast<std::size_t>(length) + 1, format, args);
  take(text, length);
  return true;
}

bool SetupString::Reserve(int n) {
  if (n < 0) return false;
  char* text = NewText(n);
  if (!text) return false;
  text[0] = '\0';
  take(text, 0);
  return true;
}

bool SetupString::Append(const char* text) {
  long long extra = LengthOf(text);
  if (extra == 0) return true;
  long long total = static_cast<long long>(length_) + extra;
  char* joined = NewText(total);
  if (!joined) return false;
  if (length_ > 0) std::memcpy(joined, text_, static_cast<std::size_t>(length_));
  std::memcpy(joined + length_, text, static_cast<std::size_t>(extra) + 1);
  take(joined, static_cast<int>(total));
  return true;
}

void SetupString::Adopt(char* heapText) {
  if (heapText == text_) return;
  long long length = LengthOf(heapText);
  if (!heapText || length >= INT_MAX) {
    SetupRelease(heapText);
    Free();
    return;
  }
  take(heapText, static_cast<int>(length));
}

char* SetupString::Release() {
  char* given;
  if (owned()) {
    given = text_;
  } else {
    given = NewText(0);
    if (given) given[0] = '\0';
  }
  text_ = nullptr;
  length_ = 0;
  return given;
}

void SetupString::Free() {
  if (owned()) SetupRelease(text_);
  text_ = g_empty;
  length_ = 0;
}

void SetupString::SyncLength() {
  if (!owned()) return;
  std::size_t length = std::strlen(text_);
  length_ = static_cast<int>(length);
}
