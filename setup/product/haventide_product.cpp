#include "product/haventide_product.h"

#include <cstdio>
#include <cstring>

#include "product/record_fields.h"

namespace {

constexpr char kProductName[] = "Configuration Haventide";
constexpr char kDiskLabel[] = "Installation Disk 1";

enum Folder { kWindows, kInstall, kSystem, kCommand };

struct FileRow {
  const char* name;
  Folder folder;
  int flags;
  int size;
  const char* label;
};

// Shared, compressed, kept unless the disk's version is newer.
constexpr int kSharedByVersion = kSharedFile | (1 << kPolicyShift);

constexpr FileRow kFiles[] = {
    {"Vantrel3.exe", kWindows, kSharedByVersion, 146464, "Uninstaller"},
    {"Kelvane.exe", kInstall, 0, 149504, ""},
    {"Kelvane.hlp", kInstall, 0, 41084, ""},
    {"Msvbvm50.dll", kSystem, kSharedByVersion, 1347344, ""},
    {"Oleaut32.dll", kSystem, kSharedByVersion, 490256, ""},
    {"ReadMe.txt", kInstall, kStoredPlain, 5317, ""},
    {"Restore.bat", kCommand, kStoredPlain, 10203, ""},
    {"WhatsNew.txt", kInstall, kStoredPlain, 1110, ""},
};
constexpr int kFileCount = sizeof kFiles / sizeof kFiles[0];

// Command lines: every %s is the install folder.
struct ItemRow {
  const char* title;
  const char* command;
  const char* icon;
};

constexpr ItemRow kItems[] = {
    {"Configuration Haventide", "\"%s\\Kelvane.exe\"", "%s\\Kelvane.exe"},
    {"Read Me", "\"Notepad\" \"%s\\ReadMe.txt\"", ""},
    {"What's New", "\"Notepad\" \"%s\\WhatsNew.txt\"", ""},
};
constexpr int kItemCount = sizeof kItems / sizeof kItems[0];

constexpr char kUninstallKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Configuration Haventide";
constexpr int kLocalMachine = 2;
constexpr int kStringValue = 1;
constexpr int kRegistryCount = 2;

constexpr TitleLine kTitle[] = {
    {60, 10, 100, 398, 2, 1, 1, "Configuration", "Times New Roman", 0xFF00FF},
    {60, 90, 100, 293, 2, 1, 1, "Haventide", "Times New Roman", 0xFF00FF},
    {650, 120, 60, 290, 2, 0, 0, "For Windows 95", "Arial", 0x00FFFF},
};
constexpr int kTitleCount = sizeof kTitle / sizeof kTitle[0];

}  // namespace

int HaventideProduct::FileRowCount() { return kFileCount; }
int HaventideProduct::ProgramItemCount() { return kItemCount; }
int HaventideProduct::RegistryEntryCount() { return kRegistryCount; }
int HaventideProduct::TitleLineCount() { return kTitleCount; }

bool HaventideProduct::InstallDirectory(PathBuffer& path) {
  return path.Set(Directories().install);
}

bool HaventideProduct::InstallRow(int row, int& flag) {
  if (ValidIndex(row, kFileCount)) flag = 1;
  return true;
}

bool HaventideProduct::ProductName(char* buffer, int size) {
  if (!buffer || size <= static_cast<int>(sizeof kProductName) - 1) return false;
  std::memcpy(buffer, kProductName, sizeof kProductName);
  return true;
}

bool HaventideProduct::GetFileEntry(int row, FileEntry& entry) {
  if (!ValidIndex(row, kFileCount)) return true;
  const FileRow& file = kFiles[row];
  const ProductDirectories& folders = Directories();
  char command[PathBuffer::kCapacity];
  const char* destination = folders.install;
  switch (file.folder) {
    case kWindows:
      destination = folders.windows;
      break;
    case kSystem:
      destination = folders.system;
      break;
    case kCommand:
      if (!FormatField(command, "%s\\COMMAND", folders.windows)) return false;
      destination = command;
      break;
    case kInstall:
      break;
  }
  entry.Unpack(file.flags);
  entry.size = file.size;
  return CopyField(entry.label, file.label) && CopyField(entry.diskLabel, kDiskLabel) &&
         JoinPath(folders.source, file.name, entry.source) &&
         JoinPath(destination, file.name, entry.destination);
}

bool HaventideProduct::GetProgramItem(int item, ProgramItem& record) {
  if (!ValidIndex(item, kItemCount)) return true;
  const char* folder = Directories().install;
  record.iconIndex = 0;
  return CopyField(record.title, kItems[item].title) && CopyField(record.group, kProductName) &&
         FormatField(record.commandLine, kItems[item].command, folder) &&
         FormatPath(record.iconPath, kItems[item].icon, folder) && record.workingDirectory.Set("");
}

bool HaventideProduct::GetRegistryEntry(int entry, RegistryEntry& record) {
  if (!ValidIndex(entry, kRegistryCount)) return true;
  record.root = kLocalMachine;
  record.type = kStringValue;
  record.number = 0;
  if (!CopyField(record.key, kUninstallKey)) return false;
  if (entry == 0)
    return CopyField(record.valueName, "DisplayName") && CopyField(record.data, kProductName);
  return CopyField(record.valueName, "UninstallString") &&
         UninstallStringOf(Directories(), record.data);
}

bool HaventideProduct::GetTitleLine(int index, TitleLine& line) {
  if (!ValidIndex(index, kTitleCount)) return true;
  line = kTitle[index];
  return true;
}

int HaventideProduct::RowSize(int row) {
  return ValidIndex(row, kFileCount) ? kFiles[row].size : 0;
}

const char* HaventideProduct::CopyrightLine() { return "Copyright (C) 1997 Quillmere"; }

const char* HaventideProduct::DefaultFolder() {
  return "C:\\Program Files\\Configuration Haventide";
}
