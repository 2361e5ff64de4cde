#include "product/table_product.h"

#include <cstring>

#include "product/record_fields.h"

int TableProduct::Listed(int option, IndexList ProductOption::*list) const {
  const ProductOption* o = tables_.options.At(option);
  return o ? (o->*list).count : 0;
}

int TableProduct::Listed(int option, IndexList ProductOption::*list, int j) const {
  const ProductOption* o = tables_.options.At(option);
  return o && ValidIndex(j, (o->*list).count) ? (o->*list).index[j] : 0;
}

const ProductRow* TableProduct::RowOfKind(int row, FileOpKind kind) const {
  const ProductRow* r = tables_.rows.At(row);
  return r && r->kind == kind ? r : nullptr;
}

bool TableProduct::PathIn(ProductFolder folder, const char* name, PathBuffer& path) {
  const ProductDirectories& folders = Directories();
  switch (folder) {
    case kSourceFolder:
      return JoinPath(folders.source, name, path);
    case kInstallFolder:
      return JoinPath(folders.install, name, path);
    case kWindowsFolder:
      return JoinPath(folders.windows, name, path);
    case kSystemFolder:
      return JoinPath(folders.system, name, path);
    case kCommandFolder: {
      char command[PathBuffer::kCapacity];
      return FormatField(command, "%s\\COMMAND", folders.windows) && JoinPath(command, name, path);
    }
    case kFontsFolder: {
      PathBuffer fonts;
      return JoinPath(folders.windows, "FONTS", fonts) && JoinPath(fonts.Get(), name, path);
    }
  }
  return false;
}

bool TableProduct::InstallDirectory(PathBuffer& path) { return path.Set(Directories().install); }

int TableProduct::RowKind(int row) {
  const ProductRow* r = tables_.rows.At(row);
  return r ? r->kind : -1;
}

bool TableProduct::InstallRow(int row, int& flag) {
  if (tables_.rows.At(row)) flag = 1;
  return true;
}

bool TableProduct::ProductName(char* buffer, int size) {
  const char* name = tables_.texts.name;
  const int length = static_cast<int>(std::strlen(name));
  if (!buffer || size <= length) return false;
  std::memcpy(buffer, name, length + 1);
  return true;
}

int TableProduct::BillboardTemplate(int index) {
  const int* dialog = tables_.billboards.At(index);
  return dialog ? *dialog : 0;
}

// A row the table lacks leaves the entry as it is; a row of another kind is
// refused.
bool TableProduct::GetFileEntry(int row, FileEntry& entry) {
  if (!tables_.rows.At(row)) return true;
  const ProductRow* r = RowOfKind(row, kRowCopy);
  if (!r) return false;
  entry.SetFlags(r->copyFlags);
  entry.policy = r->policy;
  entry.size = r->size;
  return CopyField(entry.label, r->label) && CopyField(entry.diskLabel, tables_.texts.diskLabel) &&
         PathIn(r->folder, r->name, entry.source) &&
         PathIn(r->targetFolder, r->target ? r->target : r->name, entry.destination);
}

bool TableProduct::GetRenameRow(int row, RenameRow& record) {
  const ProductRow* r = RowOfKind(row, kRowRename);
  if (!r) return false;
  record.required = r->required;
  return CopyField(record.label, r->label) && PathIn(r->folder, r->name, record.from) &&
         PathIn(r->targetFolder, r->target, record.to);
}

bool TableProduct::GetDeleteRow(int row, DeleteRow& record) {
  const ProductRow* r = RowOfKind(row, kRowDelete);
  return r && CopyField(record.label, r->label) && PathIn(r->folder, r->name, record.path);
}

bool TableProduct::GetBackupRow(int row, BackupRow& record) {
  const ProductRow* r = RowOfKind(row, kRowBackup);
  if (!r) return false;
  record.mode = r->backup;
  return CopyField(record.label, r->label) && PathIn(r->folder, r->name, record.path);
}

bool TableProduct::GetOptionRecord(int option, OptionRecord& record) {
  return ReadOptionRecord(tables_, option, record);
}

bool TableProduct::GetProgramItem(int item, ProgramItem& record) {
  const ProductItem* i = tables_.items.At(item);
  if (!i) return true;
  const char* folder = Directories().install;
  record.iconIndex = 0;
  return CopyField(record.title, i->title) && CopyField(record.group, tables_.texts.name) &&
         FormatField(record.commandLine, i->command, folder) &&
         FormatPath(record.iconPath, i->icon, folder) && record.workingDirectory.Set("");
}

bool TableProduct::GetIniEntry(int entry, IniEntry& record) {
  const ProductIniEntry* e = tables_.iniEntries.At(entry);
  return e && CopyField(record.file, e->file) && CopyField(record.section, e->section) &&
         CopyField(record.key, e->key) &&
         FormatField(record.value, e->value, Directories().install);
}

bool TableProduct::GetRegistryEntry(int entry, RegistryEntry& record) {
  const ProductValue* v = tables_.values.At(entry);
  if (!v) return true;
  const ProductDirectories& folders = Directories();
  record.root = v->root;
  record.type = v->type;
  record.number = v->number;
  if (!CopyField(record.key, v->key) || !CopyField(record.valueName, v->name)) return false;
  if (!v->data) return UninstallStringOf(folders, record.data);
  if (v->type == 3) {
    PathBuffer file;
    return PathIn(kSourceFolder, v->data, file) && CopyField(record.data, file.Get());
  }
  return FormatField(record.data, v->data, folders.install);
}

bool TableProduct::GetTitleLine(int index, TitleLine& line) {
  const TitleLine* l = tables_.title.At(index);
  if (l) line = *l;
  return true;
}
