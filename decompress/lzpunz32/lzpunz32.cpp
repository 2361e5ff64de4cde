// The three entry points over one open SZDD file. The decoder's window and
// buffers are part of the library's static state, so decompressing needs no
// allocation whatever the file size.
#include <windows.h>

#define LZPUNZ32_BUILD
#include "lzpunz32.h"
#include "szdd_decoder.h"

namespace {

class FileSource : public szdd::ByteSource {
 public:
  void Attach(HANDLE h) { h_ = h; }
  long Read(std::uint8_t* buf, std::size_t n) override {
    DWORD got = 0;
    if (!ReadFile(h_, buf, static_cast<DWORD>(n), &got, nullptr)) return -1;
    return static_cast<long>(got);
  }

 private:
  HANDLE h_ = INVALID_HANDLE_VALUE;
};

struct OpenState {
  HANDLE handle = INVALID_HANDLE_VALUE;
  FileSource source;
  szdd::Decoder decoder;
};

OpenState g_file;

void Release() {
  if (g_file.handle != INVALID_HANDLE_VALUE) CloseHandle(g_file.handle);
  g_file.handle = INVALID_HANDLE_VALUE;
}

}  // namespace

extern "C" int __cdecl LzpUnzOpen(const char* path, int mode) {
  if (path == nullptr || mode != LZPUNZ_MODE_READ) return LZPUNZ_ERR_ARGS;
  if (g_file.handle != INVALID_HANDLE_VALUE) return LZPUNZ_ERR_BUSY;
  HANDLE h = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (h == INVALID_HANDLE_VALUE) return LZPUNZ_ERR_FILE;
  DWORD high = 0;
  const DWORD low = GetFileSize(h, &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) {
    CloseHandle(h);
    return LZPUNZ_ERR_FILE;
  }
  g_file.handle = h;
  g_file.source.Attach(h);
  const std::uint64_t size = (std::uint64_t{high} << 32) | low;
  if (!g_file.decoder.Begin(&g_file.source, size)) {
    const bool readFailed = g_file.decoder.status() == szdd::Status::kReadError;
    Release();
    return readFailed ? LZPUNZ_ERR_FILE : LZPUNZ_ERR_FORMAT;
  }
  return LZPUNZ_OK;
}

extern "C" int __cdecl LzpUnzRead(void* buffer, int size) {
  if (g_file.handle == INVALID_HANDLE_VALUE || buffer == nullptr || size < 0) return -1;
  const long got =
      g_file.decoder.Read(static_cast<std::uint8_t*>(buffer), static_cast<std::size_t>(size));
  return got < 0 ? -1 : static_cast<int>(got);
}

extern "C" int __cdecl LzpUnzClose(void) {
  if (g_file.handle == INVALID_HANDLE_VALUE) return 1;
  Release();
  return 0;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  // A file left open when the library is unloaded is closed with it.
  if (reason == DLL_PROCESS_DETACH) Release();
  return TRUE;
}
