// The one product definition of the engine: every operation of InstallInfo
// answered from a product's tables and the folders the install sequence
// fills. A product that needs an answer its tables cannot give derives from
// it and overrides that one operation.
#pragma once

#include "base/product_tables.h"
#include "product/install_info.h"

class TableProduct : public InstallInfo {
 public:
  explicit TableProduct(const ProductTables& tables) : tables_(tables) {}

  // What the component selection reads too.
  const ProductTables& Tables() const { return tables_; }

  int HelpFileChoice() override { return tables_.helpFileChoice; }
  int ProgramManagerCloseFlag() override { return tables_.programManagerCloseFlag; }
  int RestartKind() override { return tables_.restartKind; }
  int OptionCount() override { return tables_.options.count; }
  int FileRowCount() override { return tables_.rows.count; }
  int ProgramItemCount() override { return tables_.items.count; }
  int IniEntryCount() override { return tables_.iniEntries.count; }
  int RegistryEntryCount() override { return tables_.values.count; }
  int TitleLineCount() override { return tables_.title.count; }
  int BillboardCount() override { return tables_.billboards.count; }
  int OptionChildCount(int option) override { return Listed(option, &ProductOption::children); }
  int OptionFileCount(int option) override { return Listed(option, &ProductOption::rows); }
  int OptionItemCount(int option) override { return Listed(option, &ProductOption::items); }
  int OptionIniCount(int option) override { return Listed(option, &ProductOption::iniEntries); }
  int OptionRegistryCount(int option) override { return Listed(option, &ProductOption::values); }
  int OptionChild(int option, int j) override {
    return Listed(option, &ProductOption::children, j);
  }
  int OptionFile(int option, int j) override { return Listed(option, &ProductOption::rows, j); }
  int OptionItem(int option, int j) override { return Listed(option, &ProductOption::items, j); }
  int OptionIni(int option, int j) override {
    return Listed(option, &ProductOption::iniEntries, j);
  }
  int OptionRegistry(int option, int j) override {
    return Listed(option, &ProductOption::values, j);
  }
  int ChunkSize() override { return tables_.tuning.chunkSize; }
  int PumpGranularity() override { return tables_.tuning.pumpGranularity; }
  int PercentGranularity() override { return tables_.tuning.percentGranularity; }
  int MinimumRowTime() override { return tables_.tuning.minimumRowTime; }
  bool InstallDirectory(PathBuffer& path) override;
  int RowKind(int row) override;
  bool InstallRow(int row, int& flag) override;
  bool ProductName(char* buffer, int size) override;
  int BillboardTemplate(int index) override;
  bool GetFileEntry(int row, FileEntry& entry) override;
  bool GetRenameRow(int row, RenameRow& record) override;
  bool GetDeleteRow(int row, DeleteRow& record) override;
  bool GetBackupRow(int row, BackupRow& record) override;
  bool GetOptionRecord(int option, OptionRecord& record) override;
  bool GetProgramItem(int item, ProgramItem& record) override;
  bool GetIniEntry(int entry, IniEntry& record) override;
  bool GetRegistryEntry(int entry, RegistryEntry& record) override;
  bool GetTitleLine(int index, TitleLine& line) override;
  int RowSize(int row) override { return CopyRowSize(tables_, row); }
  int FileVersionHigh() override { return tables_.fileVersionHigh; }
  int FileVersionLow() override { return tables_.fileVersionLow; }

  const char* CopyrightLine() override { return tables_.texts.copyright; }
  const char* DefaultFolder() override { return tables_.texts.defaultFolder; }

 private:
  // An option's list: its length, or its j-th index (0 where it has none).
  int Listed(int option, IndexList ProductOption::*list) const;
  int Listed(int option, IndexList ProductOption::*list, int j) const;
  // The row of that kind, null for any other.
  const ProductRow* RowOfKind(int row, FileOpKind kind) const;
  // The path of name in one of the product's folders.
  bool PathIn(ProductFolder folder, const char* name, PathBuffer& path);

  const ProductTables& tables_;
};
