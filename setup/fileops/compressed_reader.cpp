// The compressed reader: lzpunz32.dll is loaded for each file and its entry
// points are looked up at every call, so a library replaced or missing
// between two files is noticed at once rather than called through a stale
// pointer.
#include "fileops/copy_readers_writers.h"

#include "lzpunz32.h"

namespace {

constexpr int kLookupFailed = -1;

template <class Fn>
Fn Entry(HMODULE library, const char* name) {
  if (library == nullptr) return nullptr;
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

CompressedReader::~CompressedReader() {
  if (open_) Close();
  Free();
}

void CompressedReader::Free() {
  if (library_ != nullptr) FreeLibrary(library_);
  library_ = nullptr;
}

bool CompressedReader::Open(const char* path) {
  if (open_) return false;
  Free();
  HMODULE library = LoadLibraryA(kDecompressionLibrary);
  // Below 32 is how a failed load was told on every Windows before.
  if (reinterpret_cast<UINT_PTR>(library) < 32) return false;
  library_ = library;
  auto open = Entry<LzpUnzOpenFn>(library_, LZPUNZ_OPEN_NAME);
  const int answer = open ? open(path, LZPUNZ_MODE_READ) : kLookupFailed;
  if (answer != LZPUNZ_OK) {
    // Nothing is open: the library is not kept for a file that never was.
    Free();
    return false;
  }
  open_ = true;
  return true;
}

int32_t CompressedReader::Read(void* buffer, int32_t size) {
  auto read = Entry<LzpUnzReadFn>(library_, LZPUNZ_READ_NAME);
  return read ? read(buffer, size) : kLookupFailed;
}

bool CompressedReader::Close() {
  int answer = kLookupFailed;
  if (open_) {
    auto close = Entry<LzpUnzCloseFn>(library_, LZPUNZ_CLOSE_NAME);
    if (close) answer = close();
    open_ = false;
  }
  Free();
  return answer == 0;
}
