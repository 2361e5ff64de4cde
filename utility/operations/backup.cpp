// Backup: copies every ticked file from its live place into the backup
// folder, over any earlier copy.
#include <windows.h>

#include "operations/operation_steps.h"
#include "operations/operations.h"
#include "runtime/application.h"
#include "runtime/file_system.h"

namespace kelvane {

void cmdBackup_Click(OperationView& view) {
  const std::string winDir = WinDir();
  // A failure before the first copy takes the same path as a failed copy.
  if (!NormalizeAttributes()) return CopyFailurePath(view);
  app::SetPointer(app::Pointer::Hourglass);
  if (!FolderExists(BackupFolder(winDir)) && !MakeFolder(BackupFolder(winDir)))
    return CopyFailurePath(view);
  for (int row = 0; row < kProtectedFileCount; ++row) {
    if (!view.RowValue(row)) continue;
    const ProtectedFile& f = ProtectedFiles()[row];
    if (!UnlockSystemFile(f)) return CopyFailurePath(view);
    if (!ExistsPlain(f.LivePath(winDir))) {
      MissingFileNotice(view, row, Operation::Backup);
      continue;
    }
    if (!CopyOver(f.LivePath(winDir), f.BackupPath(winDir))) return CopyFailurePath(view);
  }
  RelockSystemFiles();
  app::SetPointer(app::Pointer::Default);
  if (CompletionNotice(view, FormId::Backup)) {
    view.EnableCommand(ids::cmdRestore);
    view.EnableCommand(ids::mnuRestore);
  }
}

}  // namespace kelvane
