// The three entry points over one open SZDD file. The decoder's window and
// buffers are part of the library's static state, so decompressing needs no
// allocation whatever the file size.
#include <windows.h>

#include <new>

#define LZPUNZ32_BUILD
#include "lzpunz32.h"
#include "szdd_decoder.h"

namespace {

// Reads no further than the size the file had when it was opened, so the
// end costs no call of the system's.
class FileSource : public szdd::ByteSource {
 public:
  void Attach(HANDLE h, std::uint64_t size) {
    h_ = h;
    left_ = size;
  }
  long Read(std::uint8_t* buf, std::size_t n) override {
    if (left_ == 0) return 0;
    if (n > left_) n = static_cast<std::size_t>(left_);
    DWORD got = 0;
    if (!ReadFile(h_, buf, static_cast<DWORD>(n), &got, nullptr)) return -1;
    left_ -= got;
    return static_cast<long>(got);
  }

 private:
  HANDLE h_ = INVALID_HANDLE_VALUE;
  std::uint64_t left_ = 0;
};

struct OpenState {
  HANDLE handle = INVALID_HANDLE_VALUE;
  FileSource source;
  szdd::Decoder decoder;
};

// Made in zeroed storage when the library is loaded: an initialised global
// would carry its buffers' bytes in the DLL file.
alignas(OpenState) unsigned char stateStorage[sizeof(OpenState)];
OpenState* openState = nullptr;

bool IsOpen() { return openState != nullptr && openState->handle != INVALID_HANDLE_VALUE; }

void Release() {
  if (!IsOpen()) return;
  CloseHandle(openState->handle);
  openState->handle = INVALID_HANDLE_VALUE;
}

}  // namespace

extern "C" int __cdecl LzpUnzOpen(const char* path, int mode) {
  if (path == nullptr || mode != LZPUNZ_MODE_READ || openState == nullptr) return LZPUNZ_ERR_ARGS;
  if (IsOpen()) return LZPUNZ_ERR_BUSY;
  HANDLE h = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (h == INVALID_HANDLE_VALUE) return LZPUNZ_ERR_FILE;
  DWORD high = 0;
  const DWORD low = GetFileSize(h, &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) {
    CloseHandle(h);
    return LZPUNZ_ERR_FILE;
  }
  OpenState& file = *openState;
  const std::uint64_t size = (std::uint64_t{high} << 32) | low;
  file.handle = h;
  file.source.Attach(h, size);
  if (!file.decoder.Begin(&file.source, size)) {
    const bool readFailed = file.decoder.status() == szdd::Status::kReadError;
    Release();
    return readFailed ? LZPUNZ_ERR_FILE : LZPUNZ_ERR_FORMAT;
  }
  return LZPUNZ_OK;
}

extern "C" int __cdecl LzpUnzRead(void* buffer, int size) {
  if (!IsOpen() || buffer == nullptr || size < 0) return -1;
  const long got =
      openState->decoder.Read(static_cast<std::uint8_t*>(buffer), static_cast<std::size_t>(size));
  return got < 0 ? -1 : static_cast<int>(got);
}

extern "C" int __cdecl LzpUnzClose(void) {
  if (!IsOpen()) return 1;
  Release();
  return 0;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH && openState == nullptr)
    openState = new (stateStorage) OpenState;
  // A file left open when the library is unloaded is closed with it.
  if (reason == DLL_PROCESS_DETACH) Release();
  return TRUE;
}
