#include "commands/exit.h"

#include "commands/help.h"
#include "forms/main_form.h"
#include "runtime/application.h"

namespace kelvane {

void cmdExit_Click() {
  static bool exiting = false;
  // Unloading the main window closes it, which enters Exit again.
  if (exiting) return;
  exiting = true;
  Main().Unload();
  static const FormId kOrder[] = {
      FormId::About,         FormId::Backup,         FormId::Error,
      FormId::NoBackupFiles, FormId::NoBackupFolder, FormId::NoUndoFiles,
      FormId::NoUndoFolder,  FormId::Restore,        FormId::Undo};
  for (FormId id : kOrder) Secondary(id).Unload();
  CloseHelp();
  app::End();
}

}  // namespace kelvane
