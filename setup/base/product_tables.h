// A product of the setup engine as constant tables: its file-list rows,
// options, program items, INI and registry entries, title lines, texts and
// tuning numbers. The product definition answers the engine from them, and
// the component selection reads the same options and rows, so they live
// below both. Platform-free; a "%s" in a text is the install folder.
#pragma once

#include "base/option_record.h"
#include "base/policy_kind.h"
#include "base/registry_text.h"
#include "base/title_line.h"

// What a file-list row does.
enum FileOpKind { kRowCopy = 0, kRowRename = 1, kRowDelete = 2, kRowBackup = 3 };

// Modes of a backup row.
enum BackupMode { kBackupSilent = 0, kBackupAnnounce = 1, kBackupReport = 2 };

// How a copy row copies.
enum CopyFlag {
  kStoredPlain = 0x01,  // copied as it is, else decompressed from its compressed name
  kSharedFile = 0x02,   // recorded with log flag 0 (counted), else 1
  kAppendFile = 0x04,   // appended to the destination
  kFontFile = 0x08,     // installed as a font after the copy
};

// The folders a row's paths start from.
enum ProductFolder {
  kSourceFolder,   // the disk
  kInstallFolder,  // the folder the user accepted
  kWindowsFolder,
  kSystemFolder,   // the shared folder
  kCommandFolder,  // "%s\COMMAND" of the Windows folder
  kFontsFolder,    // FONTS in the Windows folder
};

struct ProductRow {
  FileOpKind kind;
  ProductFolder folder;  // where name is
  const char* name;
  ProductFolder targetFolder;  // a copy's or a rename's destination
  const char* target;          // its name there; null: name
  int copyFlags;               // CopyFlag bits
  PolicyKind policy;
  int size;       // bytes a copy installs
  bool required;  // a rename whose missing source fails the copy phase
  BackupMode backup;
  const char* label;
};

// The rows as a table writes them.
constexpr ProductRow CopyRowOf(const char* name, ProductFolder to, int copyFlags, PolicyKind policy,
                               int size, const char* label, const char* target = nullptr) {
  return {kRowCopy, kSourceFolder, name,          to,   target, copyFlags, policy,
          size,     false,         kBackupSilent, label};
}
constexpr ProductRow RenameRowOf(ProductFolder from, const char* name, ProductFolder to,
                                 const char* target, bool required, const char* label) {
  return {kRowRename, from, name, to, target, 0, kPolicyAlways, 0, required, kBackupSilent, label};
}
constexpr ProductRow DeleteRowOf(ProductFolder folder, const char* name, const char* label) {
  return {kRowDelete,    folder, name,  folder,        nullptr, 0,
          kPolicyAlways, 0,      false, kBackupSilent, label};
}
constexpr ProductRow BackupRowOf(ProductFolder folder, const char* name, BackupMode mode,
                                 const char* label) {
  return {kRowBackup, folder, name, folder, nullptr, 0, kPolicyAlways, 0, false, mode, label};
}

// Rows, items, entries or child options an option lists.
struct IndexList {
  const int* index;
  int count;
};

template <int... I>
struct IndexArray {
  static constexpr int index[] = {I...};
};

// A list as a table writes it: Indices<1, 2>().
template <int... I>
constexpr IndexList Indices() {
  return {IndexArray<I...>::index, static_cast<int>(sizeof...(I))};
}
constexpr IndexList kNoIndices = {nullptr, 0};

// One option of the component tree; the numbers as in OptionRecord.
struct ProductOption {
  int isOption, exclusive, state, kind, expanded;
  const char* text;
  const char* description;
  IndexList children, rows, items, iniEntries, values;
};

struct ProductItem {
  const char* title;
  const char* command;  // every %s the install folder
  const char* icon;
};

struct ProductIniEntry {
  const char* file;
  const char* section;
  const char* key;
  const char* value;
};

struct ProductValue {
  RootKind root;
  const char* key;
  const char* name;
  int type;          // the platform's value type: 1, 2, 3, 4 or 7
  const char* data;  // a text; for type 3 a file of the disk; null: the uninstall command
  int number;        // the value of type 4
};

template <class Row>
struct TableRows {
  const Row* rows = nullptr;
  int count = 0;
  // Null for an index the table lacks.
  const Row* At(int i) const { return i >= 0 && i < count ? rows + i : nullptr; }
};

template <class Row, int N>
constexpr TableRows<Row> RowsOf(const Row (&rows)[N]) {
  return {rows, N};
}

struct ProductTexts {
  const char* name;
  const char* diskLabel;
  const char* copyright;      // the welcome box's last line
  const char* defaultFolder;  // what the folder prompt offers first
};

// How the copy phase paces itself.
struct CopyTuning {
  int chunkSize;           // bytes per read of a copy
  int pumpGranularity;     // chunks between served messages
  int percentGranularity;  // chunks between percentage updates
  int minimumRowTime;      // ms each carried-out row stays shown
};

struct ProductTables {
  ProductTexts texts;
  int helpFileChoice;  // 0 "install.hlp", else "setup.hlp"
  int programManagerCloseFlag;
  int restartKind;  // 0-2 fixed, 3 decided from what happened
  CopyTuning tuning;
  int fileVersionHigh, fileVersionLow;
  TableRows<ProductRow> rows;
  TableRows<ProductOption> options;
  TableRows<ProductItem> items;
  TableRows<ProductIniEntry> iniEntries;
  TableRows<ProductValue> values;
  TableRows<TitleLine> title;
  TableRows<int> billboards;  // dialog templates
};

// The option's record; false when the table lacks it or a text does not fit.
bool ReadOptionRecord(const ProductTables& tables, int option, OptionRecord& record);

// Bytes of a copy row; 0 for any other row, which copies nothing.
int CopyRowSize(const ProductTables& tables, int row);
