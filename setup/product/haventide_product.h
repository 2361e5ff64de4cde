// The definition of Configuration Haventide: its files, program items,
// registry values, title and tuning, answered from constant tables and the
// folders the install sequence fills.
#pragma once

#include "product/install_info.h"

class HaventideProduct : public InstallInfo {
 public:
  int HelpFileChoice() override { return 0; }
  int ProgramManagerCloseFlag() override { return 1; }
  int RestartKind() override { return 3; }
  int OptionCount() override { return 0; }
  int FileRowCount() override;
  int ProgramItemCount() override;
  int IniEntryCount() override { return 0; }
  int RegistryEntryCount() override;
  int TitleLineCount() override;
  int BillboardCount() override { return 0; }
  int OptionChildCount(int) override { return 0; }
  int OptionFileCount(int) override { return 0; }
  int OptionItemCount(int) override { return 0; }
  int OptionIniCount(int) override { return 0; }
  int OptionRegistryCount(int) override { return 0; }
  int OptionChild(int, int) override { return 0; }
  int OptionFile(int, int) override { return 0; }
  int OptionItem(int, int) override { return 0; }
  int OptionIni(int, int) override { return 0; }
  int OptionRegistry(int, int) override { return 0; }
  int ChunkSize() override { return 2048; }
  int PumpGranularity() override { return 1; }
  int PercentGranularity() override { return 10; }
  int MinimumRowTime() override { return 500; }
  bool InstallDirectory(PathBuffer& path) override;
  int RowKind(int) override { return kRowCopy; }
  bool InstallRow(int row, int& flag) override;
  bool ProductName(char* buffer, int size) override;
  int BillboardTemplate(int) override { return 0; }
  bool GetFileEntry(int row, FileEntry& entry) override;
  bool GetRenameRow(int, RenameRow&) override { return false; }
  bool GetDeleteRow(int, DeleteRow&) override { return false; }
  bool GetBackupRow(int, BackupRow&) override { return false; }
  bool GetOptionRecord(int, OptionRecord&) override { return false; }
  bool GetProgramItem(int item, ProgramItem& record) override;
  bool GetIniEntry(int, IniEntry&) override { return false; }
  bool GetRegistryEntry(int entry, RegistryEntry& record) override;
  bool GetTitleLine(int index, TitleLine& line) override;
  int RowSize(int row) override;
  int FileVersionHigh() override { return 0; }
  int FileVersionLow() override { return 0; }

  const char* CopyrightLine() override;
  const char* DefaultFolder() override;
};
