// Sampler Suite: a product of the tests, installed by the same engine as
// Configuration Haventide from a disk of its own. Its tables use what that
// product does not: a tree of options, billboards, rename, delete, backup,
// append and font rows, every copy policy, registry values of every type,
// a fixed restart and no program items.
#pragma once

#include "product/install_info.h"
#include "sampler_ids.h"

class SamplerProduct : public InstallInfo {
 public:
  int HelpFileChoice() override { return 0; }
  int ProgramManagerCloseFlag() override { return 0; }
  int RestartKind() override { return 1; }
  int OptionCount() override;
  int FileRowCount() override;
  int ProgramItemCount() override { return 0; }
  int IniEntryCount() override { return 0; }
  int RegistryEntryCount() override;
  int TitleLineCount() override;
  int BillboardCount() override { return 3; }
  int OptionChildCount(int option) override;
  int OptionFileCount(int option) override;
  int OptionItemCount(int) override { return 0; }
  int OptionIniCount(int) override { return 0; }
  int OptionRegistryCount(int option) override;
  int OptionChild(int option, int j) override;
  int OptionFile(int option, int j) override;
  int OptionItem(int, int) override { return 0; }
  int OptionIni(int, int) override { return 0; }
  int OptionRegistry(int option, int j) override;
  int ChunkSize() override { return 1024; }
  int PumpGranularity() override { return 4; }
  int PercentGranularity() override { return 16; }
  int MinimumRowTime() override { return 300; }
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
  bool GetProgramItem(int, ProgramItem&) override { return false; }
  bool GetIniEntry(int, IniEntry&) override { return false; }
  bool GetRegistryEntry(int entry, RegistryEntry& record) override;
  bool GetTitleLine(int index, TitleLine& line) override;
  int RowSize(int row) override;
  int FileVersionHigh() override { return 0x00020000; }
  int FileVersionLow() override { return 0x00000005; }

  const char* CopyrightLine() override { return "Copyright (C) 1997 Quillmere"; }
  const char* DefaultFolder() override { return "C:\\Sampler Suite"; }

 private:
  // The path of name in one of the product's folders.
  bool PathIn(int folder, const char* name, PathBuffer& path);
};
