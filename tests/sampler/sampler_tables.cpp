#include "sampler_tables.h"

#include "sampler_ids.h"

namespace {

constexpr char kProductName[] = "Sampler Suite";
constexpr char kUninstallKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sampler Suite";
constexpr char kSettingsKey[] = "Software\\Quillmere\\Sampler Suite";

constexpr ProductRow kRows[] = {
    CopyRowOf("ReadMe.txt", kInstallFolder, kStoredPlain, kPolicyAlways, 164, "Read-me"),
    CopyRowOf("Addenda.txt", kInstallFolder, kStoredPlain | kAppendFile, kPolicyAlways, 74,
              "Read-me addenda", "ReadMe.txt"),
    CopyRowOf("Sample1.txt", kInstallFolder, 0, kPolicyTimeStamp, 2920, "First sample"),
    CopyRowOf("Sample2.txt", kInstallFolder, kStoredPlain, kPolicySize, 71, "Second sample"),
    CopyRowOf("Script.txt", kInstallFolder, kStoredPlain, kPolicyAlways, 44, "Script"),
    CopyRowOf("Light.pal", kInstallFolder, kStoredPlain, kPolicyAlways, 54, "Light scheme"),
    CopyRowOf("Dark.pal", kInstallFolder, kStoredPlain, kPolicyAlways, 53, "Dark scheme"),
    CopyRowOf("DejaVuSansMono.ttf", kFontsFolder, kFontFile, kPolicyAlways, 343140,
              "Sampler Mono font"),
    CopyRowOf("Engine.dat", kSystemFolder, kSharedFile, kPolicyRecordedVersion, 65520,
              "Sampler engine"),
    CopyRowOf("Vantrel3.exe", kWindowsFolder, kSharedFile, kPolicyVersion, 180224, "Uninstaller"),
    RenameRowOf(kWindowsFolder, "Sampler.ini", kInstallFolder, "Sampler.ini", true,
                "Your settings"),
    RenameRowOf(kInstallFolder, "Legacy.ini", kInstallFolder, "Legacy.old", false, "Old settings"),
    DeleteRowOf(kWindowsFolder, "Sampler.old", "Old sampler"),
    BackupRowOf(kInstallFolder, "Sample1.txt", kBackupSilent, "First sample"),
    BackupRowOf(kInstallFolder, "ReadMe.txt", kBackupAnnounce, "Read-me"),
    BackupRowOf(kInstallFolder, "Sample2.txt", kBackupReport, "Second sample"),
    CopyRowOf("Sounds.txt", kInstallFolder, kStoredPlain, kPolicyAlways, 48, "Sounds"),
};

// One line an option: is a leaf, exclusive, state, kind, expanded; text;
// description; children, rows, items, INI entries, values.
constexpr ProductOption kOptions[] = {
    {0, 0, 0, 1, 1, "Program", "What Sampler Suite needs to run", Indices<1, 2>(), kNoIndices,
     kNoIndices, kNoIndices, kNoIndices},
    {1, 0, 1, 0, 0, "Settings carried over",
     "Your settings moved in, the old sampler removed (always done)", kNoIndices,
     Indices<10, 11, 12>(), kNoIndices, kNoIndices, Indices<0, 1>()},
    {1, 0, 1, 1, 0, "Read-me and uninstaller",
     "The read-me with its late notes, and the uninstaller", kNoIndices, Indices<0, 1, 9, 14>(),
     kNoIndices, kNoIndices, kNoIndices},
    {0, 0, 0, 1, 1, "Samples", "Texts to try the sampler on", Indices<4, 5>(), kNoIndices,
     kNoIndices, kNoIndices, kNoIndices},
    {1, 0, 1, 1, 0, "Basic samples", "Two sample texts, backed up after they are copied",
     kNoIndices, Indices<2, 3, 13, 15>(), kNoIndices, kNoIndices, kNoIndices},
    {0, 0, 0, 1, 1, "Advanced samples", "Scripts and the shared engine", Indices<6, 7>(),
     kNoIndices, kNoIndices, kNoIndices, kNoIndices},
    {1, 0, 0, 1, 0, "Scripts", "A script to run the samples", kNoIndices, Indices<4>(), kNoIndices,
     kNoIndices, kNoIndices},
    {1, 0, 1, 1, 0, "Shared engine", "The engine every sampler program shares", kNoIndices,
     Indices<8>(), kNoIndices, kNoIndices, kNoIndices},
    {0, 0, 0, 1, 1, "Colour scheme", "How the sampler's windows look", Indices<9, 10>(), kNoIndices,
     kNoIndices, kNoIndices, kNoIndices},
    {1, 1, 1, 1, 0, "Light scheme", "Dark text on white", kNoIndices, Indices<5>(), kNoIndices,
     kNoIndices, Indices<2>()},
    {1, 1, 0, 1, 0, "Dark scheme", "White text on black", kNoIndices, Indices<6>(), kNoIndices,
     kNoIndices, Indices<3>()},
    {0, 0, 0, 1, 1, "Tools for every program", "What other programs may use too", Indices<7, 12>(),
     kNoIndices, kNoIndices, kNoIndices, kNoIndices},
    {1, 0, 1, 1, 0, "Sampler Mono font", "A TrueType font for the samples", kNoIndices,
     Indices<7>(), kNoIndices, kNoIndices, kNoIndices},
    {0, 0, 0, 1, 1, "Settings for the current user of this computer",
     "Values written to the registry", Indices<14, 15, 16, 17>(), kNoIndices, kNoIndices,
     kNoIndices, kNoIndices},
    {1, 0, 1, 1, 0, "Search path", "Where the sampler looks for samples", kNoIndices, kNoIndices,
     kNoIndices, kNoIndices, Indices<4>()},
    {1, 0, 1, 1, 0, "Sample picture", "A picture kept in the registry", kNoIndices, kNoIndices,
     kNoIndices, kNoIndices, Indices<5>()},
    {1, 0, 1, 1, 0, "Window count", "How many windows the sampler opens", kNoIndices, kNoIndices,
     kNoIndices, kNoIndices, Indices<6>()},
    {1, 0, 1, 1, 0, "Recent files list", "The samples opened last", kNoIndices, kNoIndices,
     kNoIndices, kNoIndices, Indices<7>()},
    {0, 0, 0, 1, 1, "Extras", "Things nobody needs", Indices<19, 20, 21>(), kNoIndices, kNoIndices,
     kNoIndices, kNoIndices},
    {1, 0, 0, 1, 0, "Sample sounds", "A list of the sampler's sounds", kNoIndices, Indices<16>(),
     kNoIndices, kNoIndices, kNoIndices},
    {1, 0, 0, 1, 0, "Tips at start-up", "A tip each time the sampler starts", kNoIndices,
     kNoIndices, kNoIndices, kNoIndices, Indices<8>()},
    // A label without a box: nothing to choose (yet).
    {1, 0, 0, 2, 0, "More extras in version 3", "Nothing to install yet", kNoIndices, kNoIndices,
     kNoIndices, kNoIndices, kNoIndices},
};

constexpr ProductValue kValues[] = {
    {kRootLocalMachine, kUninstallKey, "DisplayName", 1, kProductName, 0},
    {kRootLocalMachine, kUninstallKey, "UninstallString", 1, nullptr, 0},
    {kRootCurrentUser, kSettingsKey, "Scheme", 1, "Light", 0},
    {kRootCurrentUser, kSettingsKey, "Scheme", 1, "Dark", 0},
    {kRootCurrentUser, kSettingsKey, "SearchPath", 2, "%%windir%%\\Samples;%s\\Samples", 0},
    {kRootCurrentUser, kSettingsKey, "Picture", 3, "Sampler.bin", 0},
    {kRootCurrentUser, kSettingsKey, "Windows", 4, "", 3},
    {kRootCurrentUser, kSettingsKey, "Recent", 7, "%s\\Sample1.txt\r\n%s\\Sample2.txt", 0},
    {kRootCurrentUser, kSettingsKey, "Tips", 4, "", 1},
};

constexpr TitleLine kTitle[] = {
    {80, 40, 120, 420, 1, 1, 0, "Sampler Suite", "Arial", 0x00FFFF},
    {80, 170, 50, 360, 0, 0, 1, "A product of the setup engine's tests", "Times New Roman",
     0xFFFFFF},
};

constexpr int kBillboards[] = {kSamplerBillboard1, kSamplerBillboard2, kSamplerBillboard3};

}  // namespace

extern const ProductTables kSamplerTables = {
    {kProductName, "Sampler Disk", "Copyright (C) 1997 Quillmere", "C:\\Sampler Suite"},
    0,  // install.hlp
    0,  // Program Manager left open
    1,  // a fixed restart
    {1024, 4, 16, 300},
    0x00020000,
    0x00000005,
    RowsOf(kRows),
    RowsOf(kOptions),
    {},
    {},
    RowsOf(kValues),
    RowsOf(kTitle),
    RowsOf(kBillboards),
};
