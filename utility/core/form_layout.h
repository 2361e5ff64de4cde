// What each window of the utility looks like: captions, client sizes and the
// controls with their twip geometry, tab order, tooltips and default/cancel
// roles; and the main window's menu tree. Platform-free data; the runtime
// turns it into windows.
#pragma once

#include <vector>

#include "core/icon_ids.h"

namespace kelvane {

enum class ControlKind { Button, CheckBox, Frame, Label, Icon };

struct ControlLayout {
  ControlKind kind;
  const char* name;
  int id;
  const char* caption;
  int left, top, width, height;     // twips, in the form's client area
  const char* tooltip;              // nullptr: none
  bool isDefault;                   // Enter presses it
  bool isCancel;                    // Esc presses it
  bool checked;                     // check boxes: ticked at start
  int iconResource = kIconProgram;  // icons: which of the program's icons
};

struct FormLayout {
  const char* name;
  const char* caption;
  int clientWidth, clientHeight;  // twips
  bool centred;                   // centred on the screen when shown
  // Controls in creation order, which is also the tab order.
  std::vector<ControlLayout> controls;
};

struct MenuLayout {
  const char* name;
  const char* caption;   // "-" for a separator line
  const char* shortcut;  // text shown after a tab ("F4"), nullptr: none
  int id;                // command identifier; 0 for a drop-down menu
  std::vector<MenuLayout> items;
};

// Control and command identifiers the forms' handlers dispatch on.
namespace ids {
enum : int {
  // main window buttons
  cmdSelectAll = 101,
  cmdDeselectAll,
  cmdSelectDefault,
  cmdBackup,
  cmdRestore,
  cmdRestart,
  cmdExit,
  // main window check boxes, in table order
  chkFirst = 201,
  fraCheckBoxes = 300,
  // notice forms, error form, About
  cmdOK = 1,
  imgIcon = 10,
  lbl1,
  lbl2,
  lbl3,
  lbl4,
  lbl5,
  cmdScanDisk = 21,
  cmdExitHaventide,
  cmdCancel,
  cmdSysInfo,
  // menu commands
  mnuRestart = 1001,
  mnuExit,
  mnuNotepad,
  mnuSysEdit,
  mnuRegEdit,
  mnuSelectAll,
  mnuDeselectAll,
  mnuSelectDefault,
  mnuBackup,
  mnuRestore,
  mnuUndo,
  mnuContents,
  mnuQuillmereWebSite,
  mnuAbout,
};
}  // namespace ids

const FormLayout& MainFormLayout();
const std::vector<MenuLayout>& MainMenuLayout();

// The seven notice forms, the error form and the About window, in the
// order the program loads them.
enum class FormId {
  About,
  Backup,
  Error,
  NoBackupFiles,
  NoBackupFolder,
  NoUndoFiles,
  NoUndoFolder,
  Restore,
  Undo
};
constexpr int kSecondaryFormCount = 9;
const FormLayout& SecondaryFormLayout(FormId id);

}  // namespace kelvane
