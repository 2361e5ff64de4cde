// Restore: puts each ticked file back from the backup folder, first saving
// the live file it overwrites into the undo folder.
#include <windows.h>

#include "forms/main_form.h"
#include "operations/operation_steps.h"
#include "operations/operations.h"
#include "runtime/application.h"
#include "runtime/file_system.h"

namespace kelvane {

void cmdRestore_Click() {
  const std::string winDir = WinDir();
  if (!NormalizeAttributes()) return CopyFailurePath();
  if (!FolderExists(BackupFolder(winDir))) return RefusalNotice(FormId::NoBackupFolder);
  if (!AnyCopyPresent(&ProtectedFile::BackupPath)) return RefusalNotice(FormId::NoBackupFiles);
  app::SetPointer(app::Pointer::Hourglass);
  if (!FolderExists(UndoFolder(winDir)) && !MakeFolder(UndoFolder(winDir)))
    return CopyFailurePath();
  for (int row = 0; row < kProtectedFileCount; ++row) {
    if (!Main().RowValue(row)) continue;
    const ProtectedFile& f = ProtectedFiles()[row];
    if (!ExistsPlain(f.BackupPath(winDir))) {
      MissingFileNotice(row, Operation::Restore);
      continue;
    }
    if (!UnlockSystemFile(f)) return CopyFailurePath();
    if (ExistsPlain(f.LivePath(winDir)) && !CopyOver(f.LivePath(winDir), f.UndoPath(winDir)))
      return CopyFailurePath();
    if (!CopyOver(f.BackupPath(winDir), f.LivePath(winDir))) return CopyFailurePath();
  }
  RelockSystemFiles();
  app::SetPointer(app::Pointer::Default);
  if (CompletionNotice(FormId::Restore)) Main().SetEnabled(ids::mnuUndo, true);
}

void mnuUndo_Click() {
  const std::string winDir = WinDir();
  if (!NormalizeAttributes()) return CopyFailurePath();
  if (!FolderExists(BackupFolder(winDir)) || !FolderExists(UndoFolder(winDir)))
    return RefusalNotice(FormId::NoUndoFolder);
  if (!AnyCopyPresent(&ProtectedFile::UndoPath)) return RefusalNotice(FormId::NoUndoFiles);
  int answer = app::MsgBox(
      "Do you really want to undo the last restored checked configuration and system files and "
      "return to their "
      "previous version?",
      MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, "Undo Restore Query");
  if (answer == IDNO) return;
  app::SetPointer(app::Pointer::Hourglass);
  for (int row = 0; row < kProtectedFileCount; ++row) {
    if (!Main().RowValue(row)) continue;
    const ProtectedFile& f = ProtectedFiles()[row];
    if (!ExistsPlain(f.UndoPath(winDir))) {
      MissingFileNotice(row, Operation::UndoRestore);
      continue;
    }
    if (!UnlockSystemFile(f)) return CopyFailurePath();
    if (!CopyOver(f.UndoPath(winDir), f.LivePath(winDir))) return CopyFailurePath();
  }
  RelockSystemFiles();
  app::SetPointer(app::Pointer::Default);
  CompletionNotice(FormId::Undo);
}

}  // namespace kelvane
