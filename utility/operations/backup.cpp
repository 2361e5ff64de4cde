// Backup: copies every ticked file from its live place into the backup
// folder, over any earlier copy.
#include <windows.h>

#include "forms/main_form.h"
#include "operations/operation_steps.h"
#include "operations/operations.h"
#include "runtime/application.h"
#include "runtime/file_system.h"

namespace kelvane {

void cmdBackup_Click() {
  const std::string winDir = WinDir();
  // A failure before the first copy takes the same path as a failed copy.
  if (!NormalizeAttributes()) return CopyFailurePath();
  app::SetPointer(app::Pointer::Hourglass);
  if (!FolderExists(BackupFolder(winDir)) && !MakeFolder(BackupFolder(winDir)))
    return CopyFailurePath();
  for (int row = 0; row < kProtectedFileCount; ++row) {
    if (!Main().RowValue(row)) continue;
    const ProtectedFile& f = ProtectedFiles()[row];
    if (!UnlockSystemFile(f)) return CopyFailurePath();
    if (!ExistsPlain(f.LivePath(winDir))) {
      MissingFileNotice(row, Operation::Backup);
      continue;
    }
    if (!CopyOver(f.LivePath(winDir), f.BackupPath(winDir))) return CopyFailurePath();
  }
  RelockSystemFiles();
  app::SetPointer(app::Pointer::Default);
  if (CompletionNotice(FormId::Backup)) {
    Main().SetEnabled(ids::cmdRestore, true);
    Main().SetEnabled(ids::mnuRestore, true);
  }
}

}  // namespace kelvane
