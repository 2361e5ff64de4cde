// Benchmark (not a test): decompression throughput of lzpunz32.dll's three
// calls with 2048-byte reads against the platform's LZ32 LZRead on the same
// file, and the size our encoder reaches against mscompress.
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
constexpr int kChunk = 2048;

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
long long ThroughLibrary(const Api& api, const char* path) {
  static char buf[kChunk];
  if (api.open(path, LZPUNZ_MODE_READ) != 0) return -1;
  long long total = 0;
  int got;
  while ((got = api.read(buf, kChunk)) == kChunk) total += got;
  api.close();
  return got < 0 ? -1 : total + got;
}

long long ThroughLz32(const char* path) {
  static char buf[kChunk];
  OFSTRUCT of{};
  const INT h = LZOpenFileA(const_cast<char*>(path), &of, OF_READ);
  if (h < 0) return -1;
  long long total = 0;
  INT got;
  while ((got = LZRead(h, buf, kChunk)) > 0) total += got;
  LZClose(h);
  return got < 0 ? -1 : total;
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
  std::printf("%-14s %10s %10s %10s %7s %9s %9s %7s\n", "file", "bytes", "ours", "mscompress",
              "size", "dll MB/s", "LZ32 MB/s", "speed");
  for (int i = 2; i + 1 < argc; i += 2) {
    const Bytes data = ReadAll(argv[i]);
    const Bytes theirs = ReadAll(argv[i + 1]);
    Bytes z;
    const double t0 = Now();
    szdd::Encode(data.data(), data.size(), z);
    const double encodeSeconds = Now() - t0;
    if (FILE* f = std::fopen(ours.c_str(), "wb")) {
      std::fwrite(z.data(), 1, z.size(), f);
      std::fclose(f);
    }
    const double dll = Throughput([&] { return ThroughLibrary(api, ours.c_str()); });
    const double lz = Throughput([&] { return ThroughLz32(ours.c_str()); });
    const char* base = std::strrchr(argv[i], '\\');
    base = base ? base + 1 : argv[i];
    std::printf("%-14.14s %10zu %10zu %10zu %7.4f %9.1f %9.1f %7.2f   (encode %.2f s)\n", base,
                data.size(), z.size(), theirs.size(),
                theirs.empty() ? 0.0 : static_cast<double>(z.size()) / theirs.size(), dll, lz,
                lz > 0 ? dll / lz : 0.0, encodeSeconds);
  }
  DeleteFileA(ours.c_str());
  FreeLibrary(dll);
  return 0;
}
