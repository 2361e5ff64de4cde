// What the component selection asks of the product definition: its options
// and what each selects, and the files whose sizes make the space figures.
// The installation object answers by forwarding to its product definition.
// Indices are 0-based; an index the product does not have may be answered
// with anything, the selection checks every answer against the counts.
#pragma once

#include "base/option_record.h"

class OptionSource {
 public:
  virtual ~OptionSource() = default;

  virtual int OptionCount() = 0;
  // False when the product cannot describe the option: the selection ends.
  virtual bool GetOptionRecord(int option, OptionRecord& record) = 0;
  // A group's children, as option indices.
  virtual int OptionChildCount(int option) = 0;
  virtual int OptionChild(int option, int j) = 0;
  // What a leaf selects: file-list rows, program items, INI and registry
  // entries.
  virtual int OptionFileCount(int option) = 0;
  virtual int OptionFile(int option, int j) = 0;
  virtual int OptionItemCount(int option) = 0;
  virtual int OptionItem(int option, int j) = 0;
  virtual int OptionIniCount(int option) = 0;
  virtual int OptionIni(int option, int j) = 0;
  virtual int OptionRegistryCount(int option) = 0;
  virtual int OptionRegistry(int option, int j) = 0;

  virtual int FileRowCount() = 0;
  virtual int ProgramItemCount() = 0;
  virtual int IniEntryCount() = 0;
  virtual int RegistryEntryCount() = 0;
  // Bytes of a file-list row, and whether it stays out of every size sum
  // (a row that copies nothing).
  virtual int RowSize(int row) = 0;
  virtual bool LeftOutOfSizeSums(int row) = 0;
};
