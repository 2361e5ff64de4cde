#include "forms/main_form.h"

#include <array>
#include <memory>

#include "commands/exit.h"
#include "commands/help.h"
#include "commands/tools.h"
#include "forms/secondary_forms.h"
#include "operations/operation_steps.h"
#include "operations/operations.h"
#include "runtime/application.h"
#include "runtime/file_system.h"
#include "runtime/menu_builder.h"

namespace kelvane {

namespace {

// The commands that act on the selection, in the order they are set.
const int kSelectionDependent[] = {ids::cmdBackup, ids::mnuBackup, ids::cmdRestore, ids::mnuRestore,
                                   ids::mnuUndo};

// The other windows, in the order startup loads them and Exit unloads them.
const FormId kSecondaryOrder[] = {
    FormId::About,         FormId::Backup,         FormId::Error,
    FormId::NoBackupFiles, FormId::NoBackupFolder, FormId::NoUndoFiles,
    FormId::NoUndoFolder,  FormId::Restore,        FormId::Undo};

std::array<std::unique_ptr<Form>, kSecondaryFormCount>& SecondaryForms() {
  static std::array<std::unique_ptr<Form>, kSecondaryFormCount> forms;
  return forms;
}

}  // namespace

MainForm& Main() {
  static MainForm form;
  return form;
}

Form& Secondary(FormId id) {
  auto& slot = SecondaryForms()[static_cast<int>(id)];
  if (!slot) slot = MakeSecondaryForm(id, Main());
  // Startup processes pending events before it loads the other windows: a
  // command that arrives then loads the window it uses. Once the main
  // window is unloaded (Exit), nothing is loaded again.
  if (!slot->Loaded() && Main().Loaded()) slot->Load(Main().Handle());
  return *slot;
}

bool MainForm::Form_Load() {
  if (app::PreviousInstance()) {
    app::MsgBox("Configuration Haventide is already running.", MB_OK | MB_ICONINFORMATION);
    return false;
  }
  HACCEL shortcuts = nullptr;
  HMENU menu = BuildMenu(MainMenuLayout(), &shortcuts);
  if (!Load(nullptr, menu)) return false;
  app::SetMainForm(this, shortcuts);

  const std::string winDir = WinDir();
  if (!FolderExists(BackupFolder(winDir))) {
    SetEnabled(ids::cmdRestore, false);
    SetEnabled(ids::mnuRestore, false);
    SetEnabled(ids::mnuUndo, false);
  } else {
    if (!AnyCopyPresent(&ProtectedFile::BackupPath)) {
      SetEnabled(ids::cmdRestore, false);
      SetEnabled(ids::mnuRestore, false);
    }
    if (!FolderExists(UndoFolder(winDir)) || !AnyCopyPresent(&ProtectedFile::UndoPath))
      SetEnabled(ids::mnuUndo, false);
  }
  Show();
  SetFocus(Control(ids::cmdBackup));
  app::DoEvents();

  for (FormId id : kSecondaryOrder) Secondary(id).Load(Handle());
  InitHelp(Handle());
  return true;
}

void MainForm::ShowForm(FormId form) { Secondary(form).ShowModal(); }

void MainForm::UnloadAll() {
  Unload();
  for (FormId id : kSecondaryOrder) Secondary(id).Unload();
}

void MainForm::SelectionRule(int checkBoxId) {
  if (Value(checkBoxId) == 1) {
    for (int id : kSelectionDependent) SetEnabled(id, true);
    return;
  }
  for (int row = 0; row < kProtectedFileCount; ++row)
    if (RowValue(row) != 0) return;
  for (int id : kSelectionDependent) SetEnabled(id, false);
}

void MainForm::cmdSelectAll_Click() {
  for (int row = 0; row < kProtectedFileCount; ++row) SetRowValue(row, 1);
}

void MainForm::cmdDeselectAll_Click() {
  for (int row = 0; row < kProtectedFileCount; ++row) SetRowValue(row, 0);
}

void MainForm::cmdSelectDefault_Click() {
  for (int row = 0; row < kProtectedFileCount; ++row)
    SetRowValue(row, ProtectedFiles()[row].tickedAtStart ? 1 : 0);
}

void MainForm::OnClick(int id) {
  if (id >= ids::chkFirst && id < ids::chkFirst + kProtectedFileCount) return SelectionRule(id);
  switch (id) {
    case ids::cmdSelectAll:
    case ids::mnuSelectAll:
      return cmdSelectAll_Click();
    case ids::cmdDeselectAll:
    case ids::mnuDeselectAll:
      return cmdDeselectAll_Click();
    case ids::cmdSelectDefault:
    case ids::mnuSelectDefault:
      return cmdSelectDefault_Click();
    case ids::cmdBackup:
    case ids::mnuBackup:
      return cmdBackup_Click(*this);
    case ids::cmdRestore:
    case ids::mnuRestore:
      return cmdRestore_Click(*this);
    case ids::mnuUndo:
      return mnuUndo_Click(*this);
    case ids::cmdRestart:
    case ids::mnuRestart:
      return cmdRestart_Click();
    case ids::cmdExit:
    case ids::mnuExit:
      return cmdExit_Click(*this);
    case ids::mnuNotepad:
      return StartTool(Tool::Notepad);
    case ids::mnuSysEdit:
      return StartTool(Tool::SysEdit);
    case ids::mnuRegEdit:
      return StartTool(Tool::RegEdit);
    case ids::mnuContents:
      return mnuContents_Click();
    case ids::mnuQuillmereWebSite:
      return mnuQuillmereWebSite_Click();
    case ids::mnuAbout:
      ShowForm(FormId::About);
      app::DoEvents();
      return;
  }
}

void MainForm::OnClose() { cmdExit_Click(*this); }

}  // namespace kelvane
