#include "sampler_product.h"

#include <cstring>

#include "product/record_fields.h"

namespace {

constexpr char kProductName[] = "Sampler Suite";
constexpr char kDiskLabel[] = "Sampler Disk";
constexpr char kUninstallKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sampler Suite";
constexpr char kSettingsKey[] = "Software\\Quillmere\\Sampler Suite";

enum Folder { kSource, kInstall, kWindows, kSystem, kFonts };

// A row of the file list. A copy reads name from the disk and writes
// target (name when null) in targetFolder; a rename moves name to target;
// delete and backup act on name. mode: a backup's mode, a rename's
// required flag.
struct Row {
  FileOpKind kind;
  Folder folder;
  const char* name;
  Folder targetFolder;
  const char* target;
  int flags;
  int size;
  int mode;
  const char* label;
};

constexpr int kPolicy(int policy) { return policy << kPolicyShift; }

constexpr Row kRows[] = {
    {kRowCopy, kSource, "ReadMe.txt", kInstall, nullptr, kStoredPlain, 164, 0, "Read-me"},
    {kRowCopy, kSource, "Addenda.txt", kInstall, "ReadMe.txt", kStoredPlain | kAppendFile, 74, 0,
     "Read-me addenda"},
    {kRowCopy, kSource, "Sample1.txt", kInstall, nullptr, kPolicy(3), 2920, 0, "First sample"},
    {kRowCopy, kSource, "Sample2.txt", kInstall, nullptr, kStoredPlain | kPolicy(4), 71, 0,
     "Second sample"},
    {kRowCopy, kSource, "Script.txt", kInstall, nullptr, kStoredPlain, 44, 0, "Script"},
    {kRowCopy, kSource, "Light.pal", kInstall, nullptr, kStoredPlain, 54, 0, "Light scheme"},
    {kRowCopy, kSource, "Dark.pal", kInstall, nullptr, kStoredPlain, 53, 0, "Dark scheme"},
    {kRowCopy, kSource, "DejaVuSansMono.ttf", kFonts, nullptr, kFontFile, 343140, 0,
     "Sampler Mono font"},
    {kRowCopy, kSource, "Engine.dat", kSystem, nullptr, kSharedFile | kPolicy(2), 65520, 0,
     "Sampler engine"},
    {kRowCopy, kSource, "Vantrel3.exe", kWindows, nullptr, kSharedFile | kPolicy(1), 180224, 0,
     "Uninstaller"},
    {kRowRename, kWindows, "Sampler.ini", kInstall, "Sampler.ini", 0, 0, 1, "Your settings"},
    {kRowRename, kInstall, "Legacy.ini", kInstall, "Legacy.old", 0, 0, 0, "Old settings"},
    {kRowDelete, kWindows, "Sampler.old", kWindows, nullptr, 0, 0, 0, "Old sampler"},
    {kRowBackup, kInstall, "Sample1.txt", kInstall, nullptr, 0, 0, kBackupSilent, "First sample"},
    {kRowBackup, kInstall, "ReadMe.txt", kInstall, nullptr, 0, 0, kBackupAnnounce, "Read-me"},
    {kRowBackup, kInstall, "Sample2.txt", kInstall, nullptr, 0, 0, kBackupReport, "Second sample"},
    {kRowCopy, kSource, "Sounds.txt", kInstall, nullptr, kStoredPlain, 48, 0, "Sounds"},
};
constexpr int kRowCount = sizeof kRows / sizeof kRows[0];

// Up to five indices of rows, values or child options.
struct Indices {
  int count;
  int index[5];
};

struct Option {
  int isOption, exclusive, state, kind, expanded;
  const char* text;
  const char* description;
  Indices children, rows, values;
};

constexpr Indices kNone = {0, {}};

// One line an option: is a leaf, exclusive, state, kind, expanded; text;
// description; children, rows, values.
// clang-format off
constexpr Option kOptions[] = {
    {0, 0, 0, 1, 1, "Program", "What Sampler Suite needs to run", {2, {1, 2}}, kNone, kNone},
    {1, 0, 1, 0, 0, "Settings carried over",
     "Your settings moved in, the old sampler removed (always done)",
     kNone, {3, {10, 11, 12}}, {2, {0, 1}}},
    {1, 0, 1, 1, 0, "Read-me and uninstaller",
     "The read-me with its late notes, and the uninstaller",
     kNone, {4, {0, 1, 9, 14}}, kNone},
    {0, 0, 0, 1, 1, "Samples", "Texts to try the sampler on", {2, {4, 5}}, kNone, kNone},
    {1, 0, 1, 1, 0, "Basic samples", "Two sample texts, backed up after they are copied",
     kNone, {4, {2, 3, 13, 15}}, kNone},
    {0, 0, 0, 1, 1, "Advanced samples", "Scripts and the shared engine", {2, {6, 7}}, kNone, kNone},
    {1, 0, 0, 1, 0, "Scripts", "A script to run the samples", kNone, {1, {4}}, kNone},
    {1, 0, 1, 1, 0, "Shared engine", "The engine every sampler program shares",
     kNone, {1, {8}}, kNone},
    {0, 0, 0, 1, 1, "Colour scheme", "How the sampler's windows look", {2, {9, 10}}, kNone, kNone},
    {1, 1, 1, 1, 0, "Light scheme", "Dark text on white", kNone, {1, {5}}, {1, {2}}},
    {1, 1, 0, 1, 0, "Dark scheme", "White text on black", kNone, {1, {6}}, {1, {3}}},
    {0, 0, 0, 1, 1, "Tools for every program", "What other programs may use too",
     {2, {7, 12}}, kNone, kNone},
    {1, 0, 1, 1, 0, "Sampler Mono font", "A TrueType font for the samples", kNone, {1, {7}}, kNone},
    {0, 0, 0, 1, 1, "Settings for the current user of this computer",
     "Values written to the registry",
     {4, {14, 15, 16, 17}}, kNone, kNone},
    {1, 0, 1, 1, 0, "Search path", "Where the sampler looks for samples", kNone, kNone, {1, {4}}},
    {1, 0, 1, 1, 0, "Sample picture", "A picture kept in the registry", kNone, kNone, {1, {5}}},
    {1, 0, 1, 1, 0, "Window count", "How many windows the sampler opens", kNone, kNone, {1, {6}}},
    {1, 0, 1, 1, 0, "Recent files list", "The samples opened last", kNone, kNone, {1, {7}}},
    {0, 0, 0, 1, 1, "Extras", "Things nobody needs", {3, {19, 20, 21}}, kNone, kNone},
    {1, 0, 0, 1, 0, "Sample sounds", "A list of the sampler's sounds", kNone, {1, {16}}, kNone},
    {1, 0, 0, 1, 0, "Tips at start-up", "A tip each time the sampler starts",
     kNone, kNone, {1, {8}}},
    // A label without a box: nothing to choose (yet).
    {1, 0, 0, 2, 0, "More extras in version 3", "Nothing to install yet", kNone, kNone, kNone},
};
// clang-format on
constexpr int kOptionCount = sizeof kOptions / sizeof kOptions[0];

// data: a text; for the binary value a file of the disk; "%s" is the
// install folder.
struct Value {
  int root;  // 1 current user, 2 local machine
  const char* key;
  const char* name;
  int type;
  const char* data;
  int number;
};

constexpr Value kValues[] = {
    {2, kUninstallKey, "DisplayName", 1, kProductName, 0},
    {2, kUninstallKey, "UninstallString", 1, nullptr, 0},
    {1, kSettingsKey, "Scheme", 1, "Light", 0},
    {1, kSettingsKey, "Scheme", 1, "Dark", 0},
    {1, kSettingsKey, "SearchPath", 2, "%%windir%%\\Samples;%s\\Samples", 0},
    {1, kSettingsKey, "Picture", 3, "Sampler.bin", 0},
    {1, kSettingsKey, "Windows", 4, "", 3},
    {1, kSettingsKey, "Recent", 7, "%s\\Sample1.txt\r\n%s\\Sample2.txt", 0},
    {1, kSettingsKey, "Tips", 4, "", 1},
};
constexpr int kValueCount = sizeof kValues / sizeof kValues[0];

constexpr TitleLine kTitle[] = {
    {80, 40, 120, 420, 1, 1, 0, "Sampler Suite", "Arial", 0x00FFFF},
    {80, 170, 50, 360, 0, 0, 1, "A product of the setup engine's tests", "Times New Roman",
     0xFFFFFF},
};
constexpr int kTitleCount = sizeof kTitle / sizeof kTitle[0];

constexpr int kBillboards[] = {kSamplerBillboard1, kSamplerBillboard2, kSamplerBillboard3};

int IndexOf(const Indices& list, int j) { return ValidIndex(j, list.count) ? list.index[j] : 0; }
int CountOf(int option, Indices Option::*list) {
  return ValidIndex(option, kOptionCount) ? (kOptions[option].*list).count : 0;
}
int IndexOf(int option, Indices Option::*list, int j) {
  return ValidIndex(option, kOptionCount) ? IndexOf(kOptions[option].*list, j) : 0;
}

}  // namespace

int SamplerProduct::OptionCount() { return kOptionCount; }
int SamplerProduct::FileRowCount() { return kRowCount; }
int SamplerProduct::RegistryEntryCount() { return kValueCount; }
int SamplerProduct::TitleLineCount() { return kTitleCount; }
int SamplerProduct::OptionChildCount(int option) { return CountOf(option, &Option::children); }
int SamplerProduct::OptionFileCount(int option) { return CountOf(option, &Option::rows); }
int SamplerProduct::OptionRegistryCount(int option) { return CountOf(option, &Option::values); }
int SamplerProduct::OptionChild(int option, int j) { return IndexOf(option, &Option::children, j); }
int SamplerProduct::OptionFile(int option, int j) { return IndexOf(option, &Option::rows, j); }
int SamplerProduct::OptionRegistry(int option, int j) {
  return IndexOf(option, &Option::values, j);
}

bool SamplerProduct::InstallDirectory(PathBuffer& path) { return path.Set(Directories().install); }

int SamplerProduct::RowKind(int row) { return ValidIndex(row, kRowCount) ? kRows[row].kind : -1; }

bool SamplerProduct::InstallRow(int row, int& flag) {
  if (ValidIndex(row, kRowCount)) flag = 1;
  return true;
}

bool SamplerProduct::ProductName(char* buffer, int size) {
  if (!buffer || size <= static_cast<int>(sizeof kProductName) - 1) return false;
  std::memcpy(buffer, kProductName, sizeof kProductName);
  return true;
}

int SamplerProduct::BillboardTemplate(int index) {
  return ValidIndex(index, BillboardCount()) ? kBillboards[index] : 0;
}

bool SamplerProduct::PathIn(int folder, const char* name, PathBuffer& path) {
  const ProductDirectories& folders = Directories();
  switch (folder) {
    case kSource:
      return JoinPath(folders.source, name, path);
    case kInstall:
      return JoinPath(folders.install, name, path);
    case kWindows:
      return JoinPath(folders.windows, name, path);
    case kSystem:
      return JoinPath(folders.system, name, path);
    case kFonts: {
      PathBuffer fonts;
      return JoinPath(folders.windows, "FONTS", fonts) && JoinPath(fonts.Get(), name, path);
    }
  }
  return false;
}

bool SamplerProduct::GetFileEntry(int row, FileEntry& entry) {
  if (!ValidIndex(row, kRowCount) || kRows[row].kind != kRowCopy) return false;
  const Row& r = kRows[row];
  entry.Unpack(r.flags);
  entry.size = r.size;
  return CopyField(entry.label, r.label) && CopyField(entry.diskLabel, kDiskLabel) &&
         PathIn(r.folder, r.name, entry.source) &&
         PathIn(r.targetFolder, r.target ? r.target : r.name, entry.destination);
}

bool SamplerProduct::GetRenameRow(int row, RenameRow& record) {
  if (!ValidIndex(row, kRowCount) || kRows[row].kind != kRowRename) return false;
  const Row& r = kRows[row];
  record.required = r.mode;
  return CopyField(record.label, r.label) && PathIn(r.folder, r.name, record.from) &&
         PathIn(r.targetFolder, r.target, record.to);
}

bool SamplerProduct::GetDeleteRow(int row, DeleteRow& record) {
  if (!ValidIndex(row, kRowCount) || kRows[row].kind != kRowDelete) return false;
  return CopyField(record.label, kRows[row].label) &&
         PathIn(kRows[row].folder, kRows[row].name, record.path);
}

bool SamplerProduct::GetBackupRow(int row, BackupRow& record) {
  if (!ValidIndex(row, kRowCount) || kRows[row].kind != kRowBackup) return false;
  record.mode = kRows[row].mode;
  return CopyField(record.label, kRows[row].label) &&
         PathIn(kRows[row].folder, kRows[row].name, record.path);
}

bool SamplerProduct::GetOptionRecord(int option, OptionRecord& record) {
  if (!ValidIndex(option, kOptionCount)) return false;
  const Option& o = kOptions[option];
  record.isOption = o.isOption;
  record.exclusive = o.exclusive;
  record.state = o.state;
  record.kind = o.kind;
  record.expanded = o.expanded;
  return CopyField(record.text, o.text) && CopyField(record.description, o.description);
}

bool SamplerProduct::GetRegistryEntry(int entry, RegistryEntry& record) {
  if (!ValidIndex(entry, kValueCount)) return true;
  const Value& v = kValues[entry];
  const ProductDirectories& folders = Directories();
  record.root = v.root;
  record.type = v.type;
  record.number = v.number;
  if (!CopyField(record.key, v.key) || !CopyField(record.valueName, v.name)) return false;
  if (v.type == 3) {
    PathBuffer file;
    return PathIn(kSource, v.data, file) && CopyField(record.data, file.Get());
  }
  if (!v.data) return UninstallStringOf(folders, record.data);
  return FormatField(record.data, v.data, folders.install);
}

bool SamplerProduct::GetTitleLine(int index, TitleLine& line) {
  if (!ValidIndex(index, kTitleCount)) return true;
  line = kTitle[index];
  return true;
}

int SamplerProduct::RowSize(int row) {
  return ValidIndex(row, kRowCount) && kRows[row].kind == kRowCopy ? kRows[row].size : 0;
}
