// Benchmark (not a test): decompression throughput of lzpunz32.dll's three
// calls against the platform's LZ32 LZRead on the same file, with 2048-byte
// reads (setup's) and 16-byte reads (the worst case of many calls), and the
// size our encoder reaches against mscompress. "bound" is how many times
// faster than LZRead a decoder taking no time at all would be: the file's
// opening, reading and closing alone, which on a small file cost the most.
//   lzpunz32_bench DLL ORIGINAL MSCOMPRESSED [ORIGINAL MSCOMPRESSED ...]
#include <windows.h>
#include <lzexpand.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "lzpunz32.h"
#include "szdd_encoder.h"

namespace {

using Bytes = std::vector<unsigned char>;
constexpr int kLargeRead = 2048;
constexpr int kSmallRead = 16;

Bytes ReadAll(const char* path) {
  Bytes b;
  if (FILE* f = std::fopen(path, "rb")) {
    unsigned char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) b.insert(b.end(), buf, buf + n);
    std::fclose(f);
  }
  return b;
}

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

struct Api {
  LzpUnzOpenFn open;
  LzpUnzReadFn read;
  LzpUnzCloseFn close;
};

// One whole decompression; answers the bytes produced or -1.
long long ThroughLibrary(const Api& api, const char* path, int chunk) {
  static char buf[kLargeRead];
  if (api.open(path, LZPUNZ_MODE_READ) != 0) return -1;
  long long total = 0;
  int got;
  while ((got = api.read(buf, chunk)) == chunk) total += got;
  api.close();
  return got < 0 ? -1 : total + got;
}

long long ThroughLz32(const char* path, int chunk) {
  static char buf[kLargeRead];
  OFSTRUCT of{};
  const INT h = LZOpenFileA(const_cast<char*>(path), &of, OF_READ);
  if (h < 0) return -1;
  long long total = 0;
  INT got;
  while ((got = LZRead(h, buf, chunk)) > 0) total += got;
  LZClose(h);
  return got < 0 ? -1 : total;
}

// The system calls of ThroughLibrary without the decoding; answers the
// bytes the decompression would have produced, for a comparable figure.
long long FileAlone(const char* path, long long produced) {
  static char buf[16384];  // the decoder's input: a small disk file in one read
  HANDLE h = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (h == INVALID_HANDLE_VALUE) return -1;
  DWORD high = 0;
  DWORD left = GetFileSize(h, &high);
  DWORD got = 0;
  while (left > 0 && ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0) left -= got;
  CloseHandle(h);
  return produced;
}

// Repeats a decompression for at least a second; answers MB/s.
template <typename F>
double Throughput(F once) {
  long long bytes = 0;
  const double start = Now();
  double elapsed = 0;
  do {
    const long long n = once();
    if (n < 0) return -1;
    bytes += n;
    elapsed = Now() - start;
  } while (elapsed < 1.0);
  return static_cast<double>(bytes) / elapsed / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || argc % 2 != 0) {
    std::fprintf(stderr, "usage: lzpunz32_bench DLL ORIGINAL MSCOMPRESSED [...]\n");
    return 2;
  }
  HMODULE dll = LoadLibraryA(argv[1]);
  if (!dll) {
    std::fprintf(stderr, "cannot load %s\n", argv[1]);
    return 1;
  }
  auto entry = [&](const char* name) { return reinterpret_cast<void*>(GetProcAddress(dll, name)); };
  const Api api{reinterpret_cast<LzpUnzOpenFn>(entry(LZPUNZ_OPEN_NAME)),
                reinterpret_cast<LzpUnzReadFn>(entry(LZPUNZ_READ_NAME)),
                reinterpret_cast<LzpUnzCloseFn>(entry(LZPUNZ_CLOSE_NAME))};
  if (!api.open || !api.read || !api.close) return 1;

  char tmp[MAX_PATH];
  GetTempPathA(MAX_PATH, tmp);
  const std::string ours = std::string(tmp) + "lzpunz32_bench.da_";
  std::printf("%-14s %9s %9s %9s %6s | %8s %8s %5s | %8s %8s %5s | %5s\n", "file", "bytes", "ours",
              "mscompr.", "size", "dll MB/s", "LZ32", "x", "16 B: dll", "LZ32", "x", "bound");
  for (int i = 2; i + 1 < argc; i += 2) {
    const Bytes data = ReadAll(argv[i]);
    const Bytes theirs = ReadAll(argv[i + 1]);
    Bytes z;
    szdd::Encode(data.data(), data.size(), z);
    if (FILE* f = std::fopen(ours.c_str(), "wb")) {
      std::fwrite(z.data(), 1, z.size(), f);
      std::fclose(f);
    }
    double dll[2], lz[2];
    const int chunks[2] = {kLargeRead, kSmallRead};
    for (int k = 0; k < 2; ++k) {
      dll[k] = Throughput([&] { return ThroughLibrary(api, ours.c_str(), chunks[k]); });
      lz[k] = Throughput([&] { return ThroughLz32(ours.c_str(), chunks[k]); });
    }
    const double io = Throughput([&] { return FileAlone(ours.c_str(), data.size()); });
    const char* base = std::strrchr(argv[i], '\\');
    base = base ? base + 1 : argv[i];
    std::printf("%-14.14s %9zu %9zu %9zu %6.4f | %8.1f %8.1f %5.2f | %8.1f %8.1f %5.2f | %5.2f\n",
                base, data.size(), z.size(), theirs.size(),
                theirs.empty() ? 0.0 : static_cast<double>(z.size()) / theirs.size(), dll[0], lz[0],
                lz[0] > 0 ? dll[0] / lz[0] : 0.0, dll[1], lz[1], lz[1] > 0 ? dll[1] / lz[1] : 0.0,
                lz[0] > 0 ? io / lz[0] : 0.0);
  }
  DeleteFileA(ours.c_str());
  FreeLibrary(dll);
  return 0;
}
