// Copy engine benchmark (not a test): a compressed file of about 1.3 MB is
// copied through the copy engine with the compressed reader (lzpunz32.dll),
// the create writer and a counting progress sink, against CopyFileA of the
// same file expanded, alternating, several times in one run. Prints the
// medians and their ratio, and for reference the engine's plain copy of the
// expanded file (the share of the chunked reads and writes).
//
//   copy_bench.exe INPUT [COMPRESSED-BYTES [RUNS]]
// INPUT is cut so that its compressed form is about COMPRESSED-BYTES
// (default 1331200); the files are made in the temporary folder.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fileops/copy_policies.h"
#include "fileops/copy_readers_writers.h"
#include "fileops/file_operations.h"
#include "szdd_encoder.h"
#include "ui/dialogs/engine_error_boxes.h"

namespace {

using Bytes = std::vector<unsigned char>;

class CountingSink : public ProgressSink {
 public:
  bool Add(uint32_t bytes) override {
    total += bytes;
    ++chunks;
    return true;
  }
  void BeginFile() override {}
  void EndFile() override {}
  uint32_t BufferSize() override { return 0; }
  uint64_t total = 0;
  unsigned chunks = 0;
};

bool ReadAll(const char* path, Bytes& bytes) {
  FILE* file = std::fopen(path, "rb");
  if (!file) return false;
  unsigned char chunk[65536];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
    bytes.insert(bytes.end(), chunk, chunk + got);
  std::fclose(file);
  return true;
}

bool WriteAll(const std::string& path, const void* data, size_t size) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool ok = std::fwrite(data, 1, size, file) == size;
  return std::fclose(file) == 0 && ok;
}

double Now() {
  static LARGE_INTEGER frequency = {};
  if (frequency.QuadPart == 0) QueryPerformanceFrequency(&frequency);
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

// Copies source to destination through the engine with reader, adding the
// time taken to times; false (with a message) when the copy fails.
bool TimedEngineCopy(FileOperations& ops, SourceReader& reader, const std::string& source,
                     const std::string& destination, size_t expected, std::vector<double>& times) {
  AlwaysCopyPolicy always;
  CreateWriter writer;
  const CopyRequest request = MakeCopyRequest(always, reader, writer);
  CountingSink sink;
  PathBuffer target;
  target.Set(destination.c_str());
  const double start = Now();
  const int result = ops.Copy(source.c_str(), target, 1, request, sink);
  times.push_back(Now() - start);
  if (result == kCopyDone && sink.total == expected) return true;
  std::fprintf(stderr, "engine copy of %s failed: result %d, error %d\n", source.c_str(), result,
               ops.LastError());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: copy_bench INPUT [COMPRESSED-BYTES [RUNS]]\n");
    return 2;
  }
  const size_t target = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1331200;
  const int runs = argc > 3 ? std::atoi(argv[3]) : 9;
  Bytes input;
  if (!ReadAll(argv[1], input) || input.empty()) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  // Cut the input until its compressed form is near the target size.
  std::vector<uint8_t> packed;
  for (int round = 0; round < 4; ++round) {
    packed.clear();
    if (!szdd::Encode(input.data(), input.size(), packed)) return 1;
    if (packed.size() <= target + target / 50) break;
    input.resize(static_cast<size_t>(static_cast<double>(input.size()) * target / packed.size()));
  }

  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "hvtbench";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string compressed = folder + "\\input.dl_", expanded = folder + "\\input.dll";
  const std::string engineOut = folder + "\\engine.dll", platformOut = folder + "\\platform.dll";
  if (!WriteAll(compressed, packed.data(), packed.size()) ||
      !WriteAll(expanded, input.data(), input.size())) {
    std::fprintf(stderr, "cannot write the inputs in %s\n", folder.c_str());
    return 1;
  }

  EngineErrorBoxes boxes;

  FileOperations ops(boxes);
  ops.SetQuiet(true);
  std::vector<double> engineMs, plainMs, platformMs;
  for (int run = 0; run < runs; ++run) {
    DeleteFileA(engineOut.c_str());
    DeleteFileA(platformOut.c_str());
    CompressedReader compressedReader;
    PlainReader plainReader;
    if (!TimedEngineCopy(ops, compressedReader, compressed, engineOut, input.size(), engineMs) ||
        !TimedEngineCopy(ops, plainReader, expanded, platformOut, input.size(), plainMs))
      return 1;
    DeleteFileA(platformOut.c_str());
    const double start = Now();
    const BOOL copied = CopyFileA(expanded.c_str(), platformOut.c_str(), FALSE);
    platformMs.push_back(Now() - start);
    if (!copied) {
      std::fprintf(stderr, "CopyFileA failed: %lu\n", GetLastError());
      return 1;
    }
  }
  Bytes check;
  const bool same = ReadAll(engineOut.c_str(), check) && check == input;
  DeleteFileA(engineOut.c_str());
  DeleteFileA(platformOut.c_str());
  DeleteFileA(compressed.c_str());
  DeleteFileA(expanded.c_str());
  RemoveDirectoryA(folder.c_str());
  if (!same) {
    std::fprintf(stderr, "the engine's copy differs from the input\n");
    return 1;
  }

  const double engine = Median(engineMs), platform = Median(platformMs);
  std::printf("compressed %lu bytes, expanded %lu bytes, %d runs, 2048-byte chunks\n",
              static_cast<unsigned long>(packed.size()), static_cast<unsigned long>(input.size()),
              runs);
  std::printf("copy engine, compressed reader: median %.2f ms (min %.2f, max %.2f)\n", engine,
              *std::min_element(engineMs.begin(), engineMs.end()),
              *std::max_element(engineMs.begin(), engineMs.end()));
  std::printf("copy engine, plain reader, expanded file: median %.2f ms\n", Median(plainMs));
  std::printf("CopyFileA of the expanded file: median %.2f ms (min %.2f, max %.2f)\n", platform,
              *std::min_element(platformMs.begin(), platformMs.end()),
              *std::max_element(platformMs.begin(), platformMs.end()));
  std::printf("ratio engine / CopyFileA: %.2f\n", platform > 0 ? engine / platform : 0.0);
  return 0;
}
