// The decompression library as the setup engine uses it: loaded by name,
// entry points found with GetProcAddress, 2048-byte reads. Every file is
// also read back with the platform's own LZ32 (LZOpenFileA/LZRead) and,
// where it runs, expand.exe.
#include <windows.h>
#include <lzexpand.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "file_bytes.h"
#include "lzpunz32.h"
#include "szdd_encoder.h"
#include "test_folder.h"

namespace {

using Bytes = std::vector<unsigned char>;
constexpr int kChunk = 2048;

std::string WinPath(const std::string& unixPath) {
  std::string p = "Z:" + unixPath;
  for (char& c : p)
    if (c == '/') c = '\\';
  return p;
}

void WriteAll(const std::string& path, const Bytes& b) {
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr) << path;
  ASSERT_EQ(std::fwrite(b.data(), 1, b.size(), f), b.size());
  std::fclose(f);
}

Bytes Noise(std::size_t n, unsigned seed) {
  Bytes b(n);
  for (auto& x : b) {
    seed = seed * 1664525u + 1013904223u;
    x = static_cast<unsigned char>(seed >> 24);
  }
  return b;
}

Bytes Prose(std::size_t n) {
  static const char text[] =
      "Configuration Haventide keeps copies of AUTOEXEC.BAT, CONFIG.SYS, "
      "SYSTEM.INI and WIN.INI in the backup folder.\r\n";
  Bytes b;
  for (std::size_t i = 0; b.size() < n; ++i) b.push_back(text[i % (sizeof text - 1)]);
  return b;
}

Bytes Encode(const Bytes& data) {
  Bytes z;
  szdd::Encode(data.data(), data.size(), z);
  return z;
}

class Library : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryA(WinPath(HVT_LZPUNZ32_DLL).c_str());
    ASSERT_NE(module_, nullptr);
    open_ = Entry<LzpUnzOpenFn>(LZPUNZ_OPEN_NAME);
    read_ = Entry<LzpUnzReadFn>(LZPUNZ_READ_NAME);
    close_ = Entry<LzpUnzCloseFn>(LZPUNZ_CLOSE_NAME);
    ASSERT_TRUE(open_ && read_ && close_);
    dir_ = MakeTestFolder("lzpunz32_test_");
    ASSERT_FALSE(dir_.empty());
  }
  template <typename Fn>
  Fn Entry(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }
  void TearDown() override {
    RemoveTree(dir_);
    if (module_) FreeLibrary(module_);
  }
  std::string Put(const char* name, const Bytes& b) {
    const std::string p = dir_ + "\\" + name;
    WriteAll(p, b);
    return p;
  }

  // Reads a whole file the engine's way; checks every read but the last is
  // a full chunk. ok is false when open or a read failed.
  Bytes ThroughLibrary(const std::string& path, bool& ok) {
    Bytes out;
    ok = false;
    if (open_(path.c_str(), LZPUNZ_MODE_READ) != LZPUNZ_OK) return out;
    char buf[kChunk];
    int got;
    while ((got = read_(buf, kChunk)) == kChunk) out.insert(out.end(), buf, buf + got);
    if (got >= 0) out.insert(out.end(), buf, buf + got);
    ok = got >= 0;
    EXPECT_EQ(close_(), 0);
    return out;
  }

  static Bytes ThroughLz32(const std::string& path, bool& ok) {
    Bytes out;
    OFSTRUCT of{};
    ok = false;
    const INT h = LZOpenFileA(const_cast<char*>(path.c_str()), &of, OF_READ);
    if (h < 0) return out;
    char buf[kChunk];
    INT got;
    while ((got = LZRead(h, buf, kChunk)) > 0) out.insert(out.end(), buf, buf + got);
    LZClose(h);
    ok = got == 0;
    return out;
  }

  void ExpectAllAgree(const std::string& compressed, const Bytes& original) {
    bool ok = false;
    const Bytes ours = ThroughLibrary(compressed, ok);
    EXPECT_TRUE(ok) << compressed;
    EXPECT_EQ(ours.size(), original.size());
    EXPECT_TRUE(ours == original) << compressed;
    const Bytes lz = ThroughLz32(compressed, ok);
    EXPECT_TRUE(ok) << compressed;
    EXPECT_TRUE(lz == original) << "LZRead disagrees on " << compressed;
  }

  HMODULE module_ = nullptr;
  LzpUnzOpenFn open_ = nullptr;
  LzpUnzReadFn read_ = nullptr;
  LzpUnzCloseFn close_ = nullptr;
  std::string dir_;
};

TEST_F(Library, OurFilesDecompressAndAgreeWithLz32) {
  const Bytes cases[] = {Bytes(),         Bytes(1, 'x'),        Prose(50000),
                         Noise(20000, 3), Bytes(kChunk * 3, 0), Prose(kChunk * 2 + 1)};
  int i = 0;
  for (const Bytes& data : cases) {
    const std::string name = "case" + std::to_string(i++) + ".da_";
    ExpectAllAgree(Put(name.c_str(), Encode(data)), data);
  }
}

TEST_F(Library, MscompressFilesDecompress) {
  for (const char* name : {"prog.bin", "text.txt"}) {
    const std::string base = std::string(HVT_MSCOMPRESSED) + "/" + name;
    const Bytes original = ReadFileBytes<Bytes>(WinPath(base));
    ASSERT_GT(original.size(), 1000u) << name;
    ExpectAllAgree(WinPath(base + "_"), original);
  }
}

TEST_F(Library, ShortReadOnlyAtTheEnd) {
  const std::string p = Put("five.da_", Encode(Noise(5000, 1)));
  ASSERT_EQ(open_(p.c_str(), 2), 0);
  char buf[kChunk];
  EXPECT_EQ(read_(buf, kChunk), kChunk);
  EXPECT_EQ(read_(buf, kChunk), kChunk);
  EXPECT_EQ(read_(buf, kChunk), 5000 - 2 * kChunk);
  EXPECT_EQ(read_(buf, kChunk), 0);
  EXPECT_EQ(close_(), 0);
}

TEST_F(Library, OneFileAtATime) {
  const Bytes a = Prose(6000), b = Noise(3000, 2);
  const std::string pa = Put("a.da_", Encode(a)), pb = Put("b.da_", Encode(b));
  ASSERT_EQ(open_(pa.c_str(), 2), 0);
  EXPECT_EQ(open_(pb.c_str(), 2), LZPUNZ_ERR_BUSY);
  char buf[kChunk];
  ASSERT_EQ(read_(buf, kChunk), kChunk);
  EXPECT_EQ(0, std::memcmp(buf, a.data(), kChunk));  // still the first file
  EXPECT_EQ(close_(), 0);
  EXPECT_EQ(close_(), 1);
  bool ok = false;
  EXPECT_TRUE(ThroughLibrary(pb, ok) == b);
  EXPECT_TRUE(ok);
}

TEST_F(Library, Refusals) {
  const std::string p = Put("r.da_", Encode(Prose(100)));
  char buf[kChunk];
  EXPECT_EQ(read_(buf, kChunk), -1);  // nothing open
  EXPECT_EQ(open_((dir_ + "\\missing.da_").c_str(), 2), LZPUNZ_ERR_FILE);
  EXPECT_EQ(open_(p.c_str(), 1), LZPUNZ_ERR_ARGS);
  EXPECT_EQ(open_(nullptr, 2), LZPUNZ_ERR_ARGS);
  EXPECT_EQ(open_(Put("plain.txt", Prose(100)).c_str(), 2), LZPUNZ_ERR_FORMAT);
  ASSERT_EQ(open_(p.c_str(), 2), 0);
  EXPECT_EQ(read_(nullptr, kChunk), -1);
  EXPECT_EQ(read_(buf, -1), -1);
  EXPECT_EQ(close_(), 0);
}

TEST_F(Library, DamagedFilesEndInMinusOne) {
  const Bytes data = Prose(9000);
  Bytes z = Encode(data);
  Bytes cut(z.begin(), z.end() - 3);
  Bytes longer = z;
  longer[10] = static_cast<unsigned char>(longer[10] + 1);  // one byte more than the data
  Bytes shorter = z;
  shorter[10] = static_cast<unsigned char>(shorter[10] - 1);
  for (const Bytes* bad : {&cut, &longer, &shorter}) {
    const std::string p = Put("bad.da_", *bad);
    bool ok = true;
    ThroughLibrary(p, ok);
    EXPECT_FALSE(ok);
  }
  Bytes absurd = z;
  absurd[13] = 0x7F;
  EXPECT_EQ(open_(Put("absurd.da_", absurd).c_str(), 2), LZPUNZ_ERR_FORMAT);
}

// The export table holds exactly the three names.
TEST_F(Library, ExportsExactlyTheThreeNames) {
  auto* base = reinterpret_cast<const unsigned char*>(module_);
  auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  ASSERT_NE(dir.VirtualAddress, 0u);
  auto* exp = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
  ASSERT_EQ(exp->NumberOfNames, 3u);
  ASSERT_EQ(exp->NumberOfFunctions, 3u);
  auto* names = reinterpret_cast<const DWORD*>(base + exp->AddressOfNames);
  std::vector<std::string> got;
  for (DWORD i = 0; i < exp->NumberOfNames; ++i)
    got.push_back(reinterpret_cast<const char*>(base + names[i]));
  EXPECT_EQ(got, (std::vector<std::string>{"_LzpUnzClose", "_LzpUnzOpen", "_LzpUnzRead"}));
}

TEST_F(Library, VersionResourceNamesTheProduct) {
  char path[MAX_PATH];
  ASSERT_GT(GetModuleFileNameA(module_, path, MAX_PATH), 0u);
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(path, &handle);
  ASSERT_GT(size, 0u);
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, info.data()));
  char* value = nullptr;
  UINT len = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\StringFileInfo\\040904E4\\ProductName",
                             reinterpret_cast<void**>(&value), &len));
  EXPECT_STREQ(value, "Configuration Haventide");
  VS_FIXEDFILEINFO* fixed = nullptr;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &len));
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010001u);
}

// Wine's expand.exe, started as a child and waited for with a deadline.
TEST_F(Library, ExpandExeAgrees) {
  const Bytes data = Prose(30000);
  const std::string src = Put("e.da_", Encode(data));
  const std::string dst = dir_ + "\\e.dat";
  std::string cmd = "expand.exe \"" + src + "\" \"" + dst + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    GTEST_SKIP() << "expand.exe is not available";
  const DWORD waited = WaitForSingleObject(pi.hProcess, 60000);
  if (waited != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  ASSERT_EQ(waited, WAIT_OBJECT_0);
  EXPECT_TRUE(ReadFileBytes<Bytes>(dst) == data);
}

}  // namespace
