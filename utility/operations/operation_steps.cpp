#include "operations/operation_steps.h"

#include <windows.h>

#include "runtime/application.h"
#include "runtime/file_system.h"

namespace kelvane {

bool NormalizeAttributes() {
  const std::string winDir = WinDir();
  bool ok = true;
  for (const ProtectedFile& f : ProtectedFiles()) {
    std::string live = f.LivePath(winDir);
    if (ExistsAny(live))
      ok &= SetAttributeWord(live, f.systemFile ? kAttrLockedSystem : kAttrArchive);
  }
  if (FolderExistsAny(BackupFolder(winDir)))
    ok &= SetAttributeWord(BackupFolder(winDir), kAttrNormal);
  for (const ProtectedFile& f : ProtectedFiles()) {
    std::string copy = f.BackupPath(winDir);
    if (ExistsAny(copy)) ok &= SetAttributeWord(copy, kAttrArchive);
  }
  if (FolderExistsAny(UndoFolder(winDir))) ok &= SetAttributeWord(UndoFolder(winDir), kAttrNormal);
  for (const ProtectedFile& f : ProtectedFiles()) {
    std::string copy = f.UndoPath(winDir);
    if (ExistsAny(copy)) ok &= SetAttributeWord(copy, kAttrArchive);
  }
  return ok;
}

bool UnlockSystemFile(const ProtectedFile& file) {
  if (!file.systemFile) return true;
  std::string live = file.LivePath(WinDir());
  return !ExistsAny(live) || SetAttributeWord(live, kAttrArchive);
}

void RelockSystemFiles() {
  static const char* const kSystemFiles[] = {"C:\\IO.SYS", "C:\\MSDOS.SYS"};
  for (const char* path : kSystemFiles)
    if (ExistsAny(path)) SetAttributeWord(path, kAttrLockedSystem);
}

void MissingFileNotice(OperationView& view, int row, Operation op) {
  app::MsgBox(MissingFileMessage(ProtectedFiles()[row], op), MB_OK | MB_ICONEXCLAMATION,
              "File Not Found");
  view.SetRowValue(row, 0);
}

void CopyFailurePath(OperationView& view) {
  app::SetPointer(app::Pointer::Default);
  // A failed operation must not leave the boot files unprotected.
  RelockSystemFiles();
  app::Beep();
  view.ShowForm(FormId::Error);
  app::DoEvents();
}

bool CompletionNotice(OperationView& view, FormId notice) {
  bool anyTicked = false;
  for (int row = 0; row < kProtectedFileCount && !anyTicked; ++row)
    anyTicked = view.RowValue(row) != 0;
  if (!anyTicked) return false;
  app::Beep();
  view.ShowForm(notice);
  app::DoEvents();
  return true;
}

bool AnyCopyPresent(CopyPathOf copyPath) {
  const std::string winDir = WinDir();
  for (const ProtectedFile& f : ProtectedFiles())
    if (ExistsPlain((f.*copyPath)(winDir))) return true;
  return false;
}

void RefusalNotice(OperationView& view, FormId notice) {
  app::Beep();
  view.ShowForm(notice);
  app::DoEvents();
}

}  // namespace kelvane
