// The stand-ins carry the version the setup engine's version policy relies
// on: 0.0.0.0 (never replacing a real copy); they export nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_folder.h"

namespace {

std::string WinPath(std::string p) {
  for (char& c : p)
    if (c == '/') c = '\\';
  return "Z:" + p;
}

bool FixedVersion(const std::string& path, DWORD& ms, DWORD& ls) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
  if (size == 0) return false;
  std::vector<char> info(size);
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT len = 0;
  if (!GetFileVersionInfoA(path.c_str(), 0, size, info.data()) ||
      !VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &len))
    return false;
  ms = fixed->dwFileVersionMS;
  ls = fixed->dwFileVersionLS;
  return true;
}

DWORD ExportedNames(HMODULE m) {
  auto* base = reinterpret_cast<const unsigned char*>(m);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
      base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY& d = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  if (d.VirtualAddress == 0) return 0;
  return reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + d.VirtualAddress)->NumberOfNames;
}

// Wine answers for its own oleaut32.dll whenever that name is loaded, so
// each stand-in is examined under a neutral name.
TEST(Standins, RuntimeLibrariesAreVersionZeroAndExportNothing) {
  const std::string temp = TempFolder();
  ASSERT_FALSE(temp.empty());
  const std::string copy = temp + "hvt_standin_" + std::to_string(GetCurrentProcessId()) + ".dll";
  for (const char* dll : {HVT_STANDIN_MSVBVM50, HVT_STANDIN_OLEAUT32}) {
    ASSERT_TRUE(CopyFileA(WinPath(dll).c_str(), copy.c_str(), FALSE)) << dll;
    DWORD ms = 1, ls = 1;
    EXPECT_TRUE(FixedVersion(copy, ms, ls)) << dll;
    EXPECT_EQ(ms, 0u) << dll;
    EXPECT_EQ(ls, 0u) << dll;
    HMODULE m = LoadLibraryA(copy.c_str());
    EXPECT_NE(m, nullptr) << dll;
    if (m) {
      EXPECT_EQ(ExportedNames(m), 0u) << dll;
      FreeLibrary(m);
    }
    EXPECT_TRUE(DeleteFileA(copy.c_str()));
  }
}

}  // namespace
