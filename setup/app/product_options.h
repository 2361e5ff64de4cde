// The product definition's options as the component selection asks for
// them. A row that is not a copy takes no space, so it is left out of the
// size sums.
#pragma once

#include "product/install_info.h"
#include "ui/option_source.h"

class ProductOptions : public OptionSource {
 public:
  explicit ProductOptions(InstallInfo& product) : product_(product) {}

  int OptionCount() override { return product_.OptionCount(); }
  bool GetOptionRecord(int option, OptionRecord& record) override {
    return product_.GetOptionRecord(option, record);
  }
  int OptionChildCount(int option) override { return product_.OptionChildCount(option); }
  int OptionChild(int option, int j) override { return product_.OptionChild(option, j); }
  int OptionFileCount(int option) override { return product_.OptionFileCount(option); }
  int OptionFile(int option, int j) override { return product_.OptionFile(option, j); }
  int OptionItemCount(int option) override { return product_.OptionItemCount(option); }
  int OptionItem(int option, int j) override { return product_.OptionItem(option, j); }
  int OptionIniCount(int option) override { return product_.OptionIniCount(option); }
  int OptionIni(int option, int j) override { return product_.OptionIni(option, j); }
  int OptionRegistryCount(int option) override { return product_.OptionRegistryCount(option); }
  int OptionRegistry(int option, int j) override { return product_.OptionRegistry(option, j); }
  int FileRowCount() override { return product_.FileRowCount(); }
  int ProgramItemCount() override { return product_.ProgramItemCount(); }
  int IniEntryCount() override { return product_.IniEntryCount(); }
  int RegistryEntryCount() override { return product_.RegistryEntryCount(); }
  int RowSize(int row) override { return product_.RowSize(row); }
  bool LeftOutOfSizeSums(int row) override { return product_.RowKind(row) != kRowCopy; }

 private:
  InstallInfo& product_;
};
