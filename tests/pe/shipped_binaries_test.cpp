// What we ship must load on retail Windows 95: PE32 for i386, subsystem
// 4.0, only the imports of the gate (windows95_imports.txt: functions that
// Windows 95 has, CRTDLL.DLL as the C runtime), and a version resource of the
// product.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstdio>
#include <dirent.h>

#include "file_bytes.h"
#include "import_gate.h"
#include "product/haventide_tables.h"
#include "product/table_product.h"
#include "pe_image.h"

namespace {

std::string ShipBin() {
  const char* dir = std::getenv("HVT_SHIP_DIR");
  return std::string(dir ? dir : "") + "/bin/";
}

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  return s;
}

// Every .exe and .dll of the ship build: what goes on the distribution disk.
std::vector<std::string> ShippedFiles() {
  std::vector<std::string> names;
  DIR* dir = opendir(ShipBin().c_str());
  if (!dir) return names;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    std::string ext = name.size() > 4 ? Upper(name.substr(name.size() - 4)) : "";
    if (ext == ".EXE" || ext == ".DLL") names.push_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

void ExpectWindows95Image(const std::string& name, bool dll) {
  pe::Image image;
  std::string error;
  ASSERT_TRUE(pe::ParseFile(ShipBin() + name, &image, &error)) << name << ": " << error;
  EXPECT_EQ(image.machine, 0x14c) << name;
  EXPECT_EQ(image.magic, 0x10b) << name;
  EXPECT_EQ(image.isDll, dll) << name;
  if (!dll) {
    EXPECT_EQ(image.subsystem, 2) << name << " is not a GUI program";
  }
  EXPECT_EQ(image.subsystemMajor, 4) << name;
  EXPECT_EQ(image.subsystemMinor, 0) << name;
  EXPECT_TRUE(image.hasVersion) << name;
  EXPECT_NE(image.resourceText.find("ProductName\nConfiguration Haventide"), std::string::npos)
      << name;
}

}  // namespace

TEST(ShippedBinaries, KelvaneIsAWindows95Program) {
  ExpectWindows95Image("kelvane.exe", false);
  pe::Image image;
  ASSERT_TRUE(pe::ParseFile(ShipBin() + "kelvane.exe", &image, nullptr));
  EXPECT_EQ(image.fileVersionMS, 0x00010001u);  // 1.1
  EXPECT_EQ(image.productVersionMS, 0x00010001u);
  // It calls the help engine and the registry, and nothing of the runtime DLLs.
  auto imports = [&](const char* f) {
    return std::any_of(image.imports.begin(), image.imports.end(),
                       [&](const pe::Import& i) { return i.function == f; });
  };
  EXPECT_TRUE(imports("WinHelpA"));
  EXPECT_TRUE(imports("RegOpenKeyExA"));
  EXPECT_TRUE(imports("InitCommonControls"));
}

// Setup's space estimate and progress bar count each file at the size its
// product row declares: the programs we ship are no larger.
TEST(ShippedBinaries, ProgramsWithinTheirDeclaredSizes) {
  TableProduct product{kHaventideTables};
  ProductDirectories& folders = product.Directories();
  std::snprintf(folders.source, sizeof folders.source, "A:\\");
  int checked = 0;
  for (int row = 0; row < product.FileRowCount(); ++row) {
    FileEntry entry;
    ASSERT_TRUE(product.GetFileEntry(row, entry));
    std::string name = entry.source.Get() + 3;
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (name != "vantrel3.exe" && name != "kelvane.exe") continue;
    const std::string file = ShipBin() + (name == "vantrel3.exe" ? "Vantrel3.exe" : name);
    const std::string bytes = ReadFileBytes(file);
    ASSERT_FALSE(bytes.empty()) << file;
    EXPECT_LE(bytes.size(), static_cast<size_t>(entry.size)) << file;
    ++checked;
  }
  EXPECT_EQ(checked, 2);
}

TEST(ShippedBinaries, ImportOnlyWhatTheGateAllows) {
  pe::ImportGate gate;
  std::vector<std::string> faults;
  ASSERT_TRUE(gate.Read(ReadFileBytes(HVT_IMPORT_GATE), &faults))
      << ::testing::PrintToString(faults);
  std::vector<std::string> files = ShippedFiles();
  // The programs, the decompression library, the uninstaller and the
  // stand-ins of the run-time libraries.
  EXPECT_GE(files.size(), 6u) << ::testing::PrintToString(files);
  for (const std::string& name : files) {
    pe::Image image;
    std::string error;
    ASSERT_TRUE(pe::ParseFile(ShipBin() + name, &image, &error)) << name << ": " << error;
    EXPECT_FALSE(image.imports.empty()) << name;
    for (const std::string& refused : gate.Refused(image, name)) ADD_FAILURE() << refused;
  }
}

TEST(ImportGate, RefusesWhatWindows95LacksOrOnlyStubs) {
  pe::ImportGate gate;
  std::vector<std::string> faults;
  EXPECT_FALSE(gate.Read(
      "[KERNEL32.DLL]\nGetModuleHandleA\nGetModuleHandleW\nGetModuleHandleA\n"
      "[MSVCRT.DLL]\nmalloc\n[USER32.DLL]\nMessageBoxW ; works on Windows 95\nTwo words\n",
      &faults));
  EXPECT_EQ(faults, (std::vector<std::string>{
                        "line 3: GetModuleHandleW is only a failing stub on Windows 95",
                        "line 4: GetModuleHandleA is listed twice",
                        "line 5: MSVCRT.DLL is not a DLL of Windows 95 we may use",
                        "line 6: malloc stands under no DLL",
                        "line 9: \"Two words\" is not one function name"}));

  pe::Image image;
  image.imports = {{"kernel32.dll", "GetModuleHandleA"},
                   {"KERNEL32.dll", "GetDiskFreeSpaceExA"},
                   {"msvcrt.dll", "malloc"},
                   {"USER32.dll", "MessageBoxW"},
                   {"USER32.dll", "#42"}};
  EXPECT_EQ(gate.Refused(image, "x.exe"),
            (std::vector<std::string>{
                "x.exe imports KERNEL32.dll GetDiskFreeSpaceExA, which the gate does not list",
                "x.exe imports malloc from msvcrt.dll, a DLL outside the gate",
                "x.exe imports USER32.dll #42, which the gate does not list"}));
}

TEST(PeReader, DamagedImagesAreRefusedWithoutReadingPastTheData) {
  std::vector<uint8_t> whole;
  {
    FILE* f = fopen((ShipBin() + "kelvane.exe").c_str(), "rb");
    ASSERT_NE(f, nullptr);
    uint8_t b[65536];
    size_t n;
    while ((n = fread(b, 1, sizeof b, f)) > 0) whole.insert(whole.end(), b, b + n);
    fclose(f);
  }
  pe::Image image;
  // Every cut inside the headers fails; cuts further in either fail or
  // parse what is there, and none reads out of bounds (ASan watches).
  for (size_t cut :
       {size_t(0), size_t(1), size_t(0x3C), size_t(0x80), size_t(0x100), size_t(0x180)}) {
    std::vector<uint8_t> part(whole.begin(), whole.begin() + std::min(cut, whole.size()));
    EXPECT_FALSE(pe::Parse(part, &image, nullptr)) << cut;
  }
  for (size_t cut = 0x400; cut < whole.size(); cut += whole.size() / 97 + 1) {
    std::vector<uint8_t> part(whole.begin(), whole.begin() + cut);
    pe::Parse(part, &image, nullptr);
  }
  std::vector<uint8_t> bad = whole;
  bad[0x3C] = 0xFF;  // PE header offset past the end
  bad[0x3D] = 0xFF;
  bad[0x3E] = 0xFF;
  bad[0x3F] = 0x7F;
  EXPECT_FALSE(pe::Parse(bad, &image, nullptr));
}

TEST(ShippedBinaries, DecompressionLibraryExportsExactlyItsThreeFunctions) {
  ExpectWindows95Image("lzpunz32.dll", true);
  pe::Image image;
  ASSERT_TRUE(pe::ParseFile(ShipBin() + "lzpunz32.dll", &image, nullptr));
  std::vector<std::string> exports = image.exports;
  std::sort(exports.begin(), exports.end());
  EXPECT_EQ(exports, (std::vector<std::string>{"_LzpUnzClose", "_LzpUnzOpen", "_LzpUnzRead"}));
}

TEST(ShippedBinaries, SetupEngineIsAWindows95Program) {
  ExpectWindows95Image("kiverset.exe", false);
}

// Version 2.1: setup starts an uninstaller of 2.0 or later only.
TEST(ShippedBinaries, UninstallerIsAWindows95ProgramOfVersion21) {
  ExpectWindows95Image("Vantrel3.exe", false);
  pe::Image image;
  ASSERT_TRUE(pe::ParseFile(ShipBin() + "Vantrel3.exe", &image, nullptr));
  EXPECT_EQ(image.fileVersionMS, 0x00020001u);
  EXPECT_EQ(image.productVersionMS, 0x00010001u);
  for (const char* function : {"RemoveFontResourceA", "RegDeleteKeyA",
                               "WritePrivateProfileSectionA", "DdeConnect", "RemoveDirectoryA"}) {
    EXPECT_TRUE(std::any_of(image.imports.begin(), image.imports.end(), [&](const pe::Import& i) {
      return i.function == function;
    })) << function;
  }
}
