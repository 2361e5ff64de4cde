// InstallInfo: all the setup engine knows of the product it installs. The
// operations stay in this order (the order of the product's table of
// operations); row, item and entry indices are 0-based. Platform-free: the
// records hold plain numbers and texts.
#pragma once

#include "base/option_record.h"
#include "base/path_buffer.h"
#include "base/product_tables.h"
#include "base/title_line.h"

constexpr int kRowLabelChars = 128;

// A copy row.
struct FileEntry {
  bool storedPlain = false;
  bool shared = false;
  bool append = false;
  bool font = false;
  PolicyKind policy = kPolicyAlways;
  int size = 0;  // bytes of the installed file
  char label[kRowLabelChars] = {0};
  char diskLabel[kRowLabelChars] = {0};
  PathBuffer source;
  PathBuffer destination;

  // Fills the four flags from a row's CopyFlag bits.
  void SetFlags(int copyFlags);
};

struct RenameRow {
  bool required = false;  // a missing source fails the copy phase
  char label[kRowLabelChars] = {0};
  PathBuffer from;
  PathBuffer to;
};

struct DeleteRow {
  char label[kRowLabelChars] = {0};
  PathBuffer path;
};

struct BackupRow {
  BackupMode mode = kBackupSilent;
  char label[kRowLabelChars] = {0};
  PathBuffer path;
};

constexpr int kProgramItemTextChars = 80;
constexpr int kProgramItemCommandChars = 512;

struct ProgramItem {
  int iconIndex = 0;
  char title[kProgramItemTextChars] = {0};
  char group[kProgramItemTextChars] = {0};
  char commandLine[kProgramItemCommandChars] = {0};
  PathBuffer iconPath;
  PathBuffer workingDirectory;
};

constexpr int kIniTextChars = 256;

// A line an INI phase writes (no phase of this engine's script runs one).
struct IniEntry {
  char file[kIniTextChars] = {0};
  char section[kIniTextChars] = {0};
  char key[kIniTextChars] = {0};
  char value[kIniTextChars] = {0};
};

constexpr int kRegistryKeyChars = 256;
constexpr int kRegistryDataChars = 2048;

struct RegistryEntry {
  RootKind root = kRootClasses;
  char key[kRegistryKeyChars] = {0};
  char valueName[kRegistryKeyChars] = {0};
  char data[kRegistryDataChars] = {0};  // a text, a file name (binary) or CR LF pieces
  int type = 1;                         // 1, 2, 3, 4 or 7
  int number = 0;                       // the value of type 4
};

constexpr int kDirectoryChars = 256;

// The folders the product's tables name, filled by the install sequence.
struct ProductDirectories {
  char source[kDirectoryChars] = {0};
  char windows[kDirectoryChars] = {0};
  char system[kDirectoryChars] = {0};
  char install[kDirectoryChars] = {0};
};

class InstallInfo {
 public:
  virtual ~InstallInfo() = default;

  virtual int HelpFileChoice() = 0;  // 0 "install.hlp", else "setup.hlp"
  virtual int ProgramManagerCloseFlag() = 0;
  virtual int RestartKind() = 0;  // 0-2 fixed, 3 decided from what happened
  virtual int OptionCount() = 0;
  virtual int FileRowCount() = 0;
  virtual int ProgramItemCount() = 0;
  virtual int IniEntryCount() = 0;
  virtual int RegistryEntryCount() = 0;
  virtual int TitleLineCount() = 0;
  virtual int BillboardCount() = 0;
  virtual int OptionChildCount(int option) = 0;
  virtual int OptionFileCount(int option) = 0;
  virtual int OptionItemCount(int option) = 0;
  virtual int OptionIniCount(int option) = 0;
  virtual int OptionRegistryCount(int option) = 0;
  virtual int OptionChild(int option, int j) = 0;
  virtual int OptionFile(int option, int j) = 0;
  virtual int OptionItem(int option, int j) = 0;
  virtual int OptionIni(int option, int j) = 0;
  virtual int OptionRegistry(int option, int j) = 0;
  virtual int ChunkSize() = 0;           // bytes per read of a copy
  virtual int PumpGranularity() = 0;     // chunks between served messages
  virtual int PercentGranularity() = 0;  // chunks between percentage updates
  virtual int MinimumRowTime() = 0;      // ms each carried-out row stays shown
  virtual bool InstallDirectory(PathBuffer& path) = 0;
  virtual int RowKind(int row) = 0;
  // Whether to install the row; flag untouched for rows the product lacks.
  virtual bool InstallRow(int row, int& flag) = 0;
  virtual bool ProductName(char* buffer, int size) = 0;
  // A billboard's dialog template, 0 for none.
  virtual int BillboardTemplate(int index) = 0;
  virtual bool GetFileEntry(int row, FileEntry& entry) = 0;
  virtual bool GetRenameRow(int row, RenameRow& record) = 0;
  virtual bool GetDeleteRow(int row, DeleteRow& record) = 0;
  virtual bool GetBackupRow(int row, BackupRow& record) = 0;
  virtual bool GetOptionRecord(int option, OptionRecord& record) = 0;
  virtual bool GetProgramItem(int item, ProgramItem& record) = 0;
  virtual bool GetIniEntry(int entry, IniEntry& record) = 0;
  virtual bool GetRegistryEntry(int entry, RegistryEntry& record) = 0;
  virtual bool GetTitleLine(int index, TitleLine& line) = 0;
  virtual int RowSize(int row) = 0;
  virtual int FileVersionHigh() = 0;
  virtual int FileVersionLow() = 0;

  // Not a table operation: the folders the answers are built from.
  ProductDirectories& Directories() { return directories_; }
  // The welcome box's last line (the product's years and maker).
  virtual const char* CopyrightLine() = 0;
  // The folder the prompt offers first.
  virtual const char* DefaultFolder() = 0;

 private:
  ProductDirectories directories_;
};

// The uninstaller's command line for an installation into folders: the
// uninstaller in the Windows folder, given the log in the install folder.
bool UninstallStringOf(const ProductDirectories& folders, char (&data)[kRegistryDataChars]);

// The space the copy rows need: the sum of their sizes.
double CopyRowBytes(InstallInfo& product);
