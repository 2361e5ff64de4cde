// What we ship must load on retail Windows 95: PE32 for i386, subsystem
// 4.0, no DLL beyond those Windows 95 has (static runtime: no MinGW DLL),
// no function Windows 95 lacks, and a version resource of the product.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

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

// The system DLLs of retail Windows 95 a program of ours may import.
const std::set<std::string> kWindows95Dlls = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL",  "ADVAPI32.DLL",
                                              "SHELL32.DLL",  "COMCTL32.DLL", "COMDLG32.DLL", "VERSION.DLL",
                                              "LZ32.DLL",     "CRTDLL.DLL",  "MSVCRT.DLL"};

// Functions newer than retail Windows 95 that a careless call or runtime
// would pull in.
const char* const kMissingOnWindows95[] = {
    "GetDiskFreeSpaceExA", "InitCommonControlsEx", "IsDebuggerPresent", "AddVectoredExceptionHandler",
    "GetTickCount64", "TryEnterCriticalSection", "InitializeCriticalSectionAndSpinCount", "SetFilePointerEx",
    "GetFileSizeEx", "GetModuleHandleExA", "GetModuleHandleExW", "GetLongPathNameA", "CreateWaitableTimerA",
    "SwitchToThread", "GetFileAttributesExA", "MoveFileWithProgressA", "FlsAlloc", "GetSystemTimeAsFileTime2"};

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
    for (const pe::Import& imp : image.imports) {
        EXPECT_TRUE(kWindows95Dlls.count(Upper(imp.dll))) << name << " imports " << imp.dll;
        for (const char* missing : kMissingOnWindows95)
            EXPECT_NE(imp.function, missing) << name << " imports " << imp.function << " from " << imp.dll;
    }
    EXPECT_TRUE(image.hasVersion) << name;
    EXPECT_NE(image.resourceText.find("ProductName\nConfiguration Haventide"), std::string::npos) << name;
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
    for (size_t cut : {size_t(0), size_t(1), size_t(0x3C), size_t(0x80), size_t(0x100), size_t(0x180)}) {
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
