// Restore: puts each ticked file back from the backup folder, first saving
// the live file it overwrites into the undo folder.
#include <windows.h>

#include "operations/operation_steps.h"
#include "operations/operations.h"
#include "runtime/application.h"
#include "runtime/file_system.h"

namespace kelvane {

void cmdRestore_Click(OperationView& view) {
  const std::string winDir = WinDir();
  if (!NormalizeAttributes()) return CopyFailurePath(view);
  if (!FolderExists(BackupFolder(winDir))) return RefusalNotice(view, FormId::NoBackupFolder);
  if (!AnyCopyPresent(&ProtectedFile::BackupPath))
    return RefusalNotice(view, FormId::NoBackupFiles);
  app::SetPointer(app::Pointer::Hourglass);
  if (!FolderExists(UndoFolder(winDir)) && !MakeFolder(UndoFolder(winDir)))
    return CopyFailurePath(view);
  for (int row = 0; row < kProtectedFileCount; ++row) {
    if (!view.RowValue(row)) continue;
    const ProtectedFile& f = ProtectedFiles()[row];
    if (!ExistsPlain(f.BackupPath(winDir))) {
      MissingFileNotice(view, row, Operation::Restore);
      continue;
    }
    if (!UnlockSystemFile(f)) return CopyFailurePath(view);
    if (ExistsPlain(f.LivePath(winDir)) && !CopyOver(f.LivePath(winDir), f.UndoPath(winDir)))
      return CopyFailurePath(view);
    if (!CopyOver(f.BackupPath(winDir), f.LivePath(winDir))) return CopyFailurePath(view);
  }
  RelockSystemFiles();
  app::SetPointer(app::Pointer::Default);
  if (CompletionNotice(view, FormId::Restore)) view.EnableCommand(ids::mnuUndo);
}

void mnuUndo_Click(OperationView& view) {
  const std::string winDir = WinDir();
  if (!NormalizeAttributes()) return CopyFailurePath(view);
  if (!FolderExists(BackupFolder(winDir)) || !FolderExists(UndoFolder(winDir)))
    return RefusalNotice(view, FormId::NoUndoFolder);
  if (!AnyCopyPresent(&ProtectedFile::UndoPath)) return RefusalNotice(view, FormId::NoUndoFiles);
  int answer = app::MsgBox(
      "Do you really want to undo the last restored checked configuration and system files and "
      "return to their "
      "previous version?",
      MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, "Undo Restore Query");
  if (answer == IDNO) return;
  app::SetPointer(app::Pointer::Hourglass);
  for (int row = 0; row < kProtectedFileCount; ++row) {
    if (!view.RowValue(row)) continue;
    const ProtectedFile& f = ProtectedFiles()[row];
    if (!ExistsPlain(f.UndoPath(winDir))) {
      MissingFileNotice(view, row, Operation::UndoRestore);
      continue;
    }
    if (!UnlockSystemFile(f)) return CopyFailurePath(view);
    if (!CopyOver(f.UndoPath(winDir), f.LivePath(winDir))) return CopyFailurePath(view);
  }
  RelockSystemFiles();
  app::SetPointer(app::Pointer::Default);
  CompletionNotice(view, FormId::Undo);
}

}  // namespace kelvane
