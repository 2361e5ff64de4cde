#include "product/haventide_tables.h"

namespace {

constexpr char kProductName[] = "Configuration Haventide";

// The shared files are compressed and kept unless the disk's version is
// newer.
constexpr ProductRow kRows[] = {
    CopyRowOf("Vantrel3.exe", kWindowsFolder, kSharedFile, kPolicyVersion, 146464, "Uninstaller"),
    CopyRowOf("Kelvane.exe", kInstallFolder, 0, kPolicyAlways, 149504, ""),
    CopyRowOf("Kelvane.hlp", kInstallFolder, 0, kPolicyAlways, 41084, ""),
    CopyRowOf("Msvbvm50.dll", kSystemFolder, kSharedFile, kPolicyVersion, 1347344, ""),
    CopyRowOf("Oleaut32.dll", kSystemFolder, kSharedFile, kPolicyVersion, 490256, ""),
    CopyRowOf("ReadMe.txt", kInstallFolder, kStoredPlain, kPolicyAlways, 5317, ""),
    CopyRowOf("Restore.bat", kCommandFolder, kStoredPlain, kPolicyAlways, 10203, ""),
    CopyRowOf("WhatsNew.txt", kInstallFolder, kStoredPlain, kPolicyAlways, 1110, ""),
};

constexpr ProductItem kItems[] = {
    {"Configuration Haventide", "\"%s\\Kelvane.exe\"", "%s\\Kelvane.exe"},
    {"Read Me", "\"Notepad\" \"%s\\ReadMe.txt\"", ""},
    {"What's New", "\"Notepad\" \"%s\\WhatsNew.txt\"", ""},
};

constexpr char kUninstallKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Configuration Haventide";

constexpr ProductValue kValues[] = {
    {kRootLocalMachine, kUninstallKey, "DisplayName", 1, kProductName, 0},
    {kRootLocalMachine, kUninstallKey, "UninstallString", 1, nullptr, 0},
};

constexpr TitleLine kTitle[] = {
    {60, 10, 100, 398, 2, 1, 1, "Configuration", "Times New Roman", 0xFF00FF},
    {60, 90, 100, 293, 2, 1, 1, "Haventide", "Times New Roman", 0xFF00FF},
    {650, 120, 60, 290, 2, 0, 0, "For Windows 95", "Arial", 0x00FFFF},
};

}  // namespace

extern const ProductTables kHaventideTables = {
    {kProductName, "Installation Disk 1", "Copyright (C) 1997 Quillmere",
     "C:\\Program Files\\Configuration Haventide"},
    0,  // install.hlp
    1,  // Program Manager closed after the items
    3,  // restart decided from what happened
    {2048, 1, 10, 500},
    0,
    0,
    RowsOf(kRows),
    {},
    RowsOf(kItems),
    {},
    RowsOf(kValues),
    RowsOf(kTitle),
    {},
};
