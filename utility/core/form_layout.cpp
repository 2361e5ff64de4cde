#include "core/form_layout.h"

#include "core/protected_files.h"

namespace kelvane {

namespace {

ControlLayout Button(const char* name, int id, const char* caption, int left, int top, int width,
                     int height, const char* tooltip, bool isDefault = false,
                     bool isCancel = false) {
  return {ControlKind::Button, name,     id,   caption, left, top, width, height, tooltip,
          isDefault,           isCancel, false};
}

ControlLayout Label(const char* name, int id, const char* text, int left, int top, int width,
                    int height) {
  return {
      ControlKind::Label, name, id, text, left, top, width, height, nullptr, false, false, false};
}

ControlLayout Icon(int resource = kIconProgram) {
  return {ControlKind::Icon, "imgIcon", ids::imgIcon, "",    120,     120, 480, 480,
          nullptr,           false,     false,        false, resource};
}

// Main window. The frame holds the check boxes; they sit 240 twips inside it.
constexpr int kFrameLeft = 120;
// 2175 would reach the frame's right edge and paint over its border: the
// boxes end three pixels inside it.
constexpr int kCheckBoxWidth = 2175 - 45;
constexpr int kFrameTop = 0;

std::vector<ControlLayout> MainControls() {
  // The buttons come first in the tab order (Backup, Restore, Restart PC,
  // Exit, then the selection commands), then the check boxes.
  std::vector<ControlLayout> c = {
      Button("cmdBackup", ids::cmdBackup, "&Backup", 2760, 1920, 1215, 495,
             "Back up the selected files", true),
      Button("cmdRestore", ids::cmdRestore, "&Restore", 2760, 2520, 1215, 495,
             "Restore the selected files from backup"),
      Button("cmdRestart", ids::cmdRestart, "Restart &PC", 2760, 3120, 1215, 495,
             "Restart the computer"),
      Button("cmdExit", ids::cmdExit, "E&xit", 2760, 3720, 1215, 495,
             "Exit Configuration Haventide", false, true),
      Button("cmdSelectAll", ids::cmdSelectAll, "Select &All", 2760, 120, 1215, 495,
             "Select all files"),
      Button("cmdDeselectAll", ids::cmdDeselectAll, "&Deselect All", 2760, 720, 1215, 495,
             "Deselect all files"),
      Button("cmdSelectDefault", ids::cmdSelectDefault, "&Select Default", 2760, 1320, 1215, 495,
             "Select the default files"),
  };
  static const int kTops[kProtectedFileCount] = {120, 480, 840, 1200, 2520, 2880, 3240, 3600};
  static const char* const kCaptions[kProtectedFileCount] = {
      "          AUTOEXEC.BAT", "          CONFIG.SYS",  "          SYSTEM.INI",
      "          WIN.INI",      "          COMMAND.COM", "          IO.SYS",
      "          MSDOS.SYS",    "          WIN.COM"};
  static const char* const kTips[kProtectedFileCount] = {
      "Select or deselect AUTOEXEC.BAT", "Select or deselect CONFIG.SYS",
      "Select or deselect SYSTEM.INI",   "Select or deselect WIN.INI",
      "Select or deselect COMMAND.COM",  "Select or deselect IO.SYS",
      "Select or deselect MSDOS.SYS",    "Select or deselect WIN.COM"};
  for (int i = 0; i < kProtectedFileCount; ++i) {
    const ProtectedFile& f = ProtectedFiles()[i];
    c.push_back({ControlKind::CheckBox, f.checkBox, ids::chkFirst + i, kCaptions[i],
                 kFrameLeft + 240, kFrameTop + kTops[i], kCheckBoxWidth, 495, kTips[i], false,
                 false, f.tickedAtStart});
  }
  c.push_back({ControlKind::Frame, "fraCheckBoxes", ids::fraCheckBoxes, "", kFrameLeft, kFrameTop,
               2415, 4215, nullptr, false, false, false});
  return c;
}

// Notice forms share one layout: icon, heading, explanation of up to two
// lines, and an OK button that is both default and cancel.
FormLayout Notice(const char* name, const char* caption, const char* heading,
                  const char* explanation, int width, int height, int okLeft, int okTop, int icon) {
  return {
      name,
      caption,
      width,
      height,
      true,
      {Button("cmdOK", ids::cmdOK, "OK", okLeft, okTop, 1215, 375, "Close this window", true, true),
       Icon(icon), Label("lbl1", ids::lbl1, heading, 720, 120, width - 840, 255),
       Label("lbl2", ids::lbl2, explanation, 720, 480, width - 840, 510)}};
}

const char kMakeBackupFirst[] =
    "To restore files from the backup make a backup first by selecting the files and pressing "
    "Backup button.";
const char kRestoreFirst[] =
    "In order to undo the restored files you have to restore the backup first by selecting the "
    "files and "
    "pressing Restore button.";

FormLayout ErrorForm() {
  return {
      "frmError",
      "Configuration Haventide Error",
      5895,
      3015,
      true,
      {Button("cmdScanDisk", ids::cmdScanDisk, "Run &ScanDisk", 120, 2400, 1815, 495,
              "Click here to run ScanDisk", true),
       Button("cmdExitHaventide", ids::cmdExitHaventide, "E&xit Configuration Haventide", 2040,
              2400, 1815, 495, "Click here to exit Configuration Haventide"),
       Button("cmdCancel", ids::cmdCancel, "&Cancel", 3960, 2400, 1815, 495, "Close this window",
              false, true),
       Icon(kIconError),
       Label("lbl1", ids::lbl1,
             "The program encountered a system error and was unable to complete your request.", 720,
             120, 5055, 510),
       Label("lbl2", ids::lbl2,
             "Check for disk errors and/or the following possible problems:", 720, 720, 5055, 255),
       Label("lbl3", ids::lbl3, "System Date/Time mismatch", 1080, 1080, 4695, 255),
       Label("lbl4", ids::lbl4, "Configuration file opened in an editor.", 1080, 1440, 4695, 255),
       Label("lbl5", ids::lbl5,
             "Would you like to run ScanDisk to check for disk errors and integrity?", 480, 1920,
             5295, 255)}};
}

FormLayout AboutForm() {
  return {
      "frmAbout",
      "About Configuration Haventide",
      6015,
      3735,
      true,
      {Button("cmdSysInfo", ids::cmdSysInfo, "&System Info...", 3360, 3240, 1215, 375,
              "Click here to load Microsoft System Information"),
       Button("cmdOK", ids::cmdOK, "&OK", 4680, 3240, 1215, 375, "Close this window", true, true),
       Icon(),
       Label("lbl1", ids::lbl1,
             "Configuration Haventide\nConfiguration Backup and Restore Utility for Windows "
             "95\nVersion: 1.1",
             720, 120, 5175, 765),
       Label("lbl3", ids::lbl3,
             "This software and the accompanying files are provided as-is. There are no warranties "
             "express "
             "or implied. Quillmere is not responsible for any problems or damages that may result "
             "from using "
             "the software.",
             720, 1080, 5175, 1020)}};
}

}  // namespace

const FormLayout& MainFormLayout() {
  static const FormLayout main = {"frmMain",     "Configuration Haventide", 4110, 4365, false,
                                  MainControls()};
  return main;
}

const std::vector<MenuLayout>& MainMenuLayout() {
  static const std::vector<MenuLayout> menu = {
      {"mnuFile",
       "&File",
       nullptr,
       0,
       {{"mnuRestart", "Restart &PC", nullptr, ids::mnuRestart, {}},
        {"mnuSeparator1", "-", nullptr, 0, {}},
        {"mnuExit", "E&xit", "F4", ids::mnuExit, {}}}},
      {"mnuEditors",
       "&Editors",
       nullptr,
       0,
       {{"mnuNotepad", "&Notepad", nullptr, ids::mnuNotepad, {}},
        {"mnuSysEdit", "&System Configuration Editor", nullptr, ids::mnuSysEdit, {}},
        {"mnuRegEdit", "&Registry Editor", nullptr, ids::mnuRegEdit, {}}}},
      {"mnuOptions",
       "&Options",
       nullptr,
       0,
       {{"mnuSelectAll", "Select &All", nullptr, ids::mnuSelectAll, {}},
        {"mnuDeselectAll", "&Deselect All", nullptr, ids::mnuDeselectAll, {}},
        {"mnuSeparator2", "-", nullptr, 0, {}},
        {"mnuSelectDefault", "&Select Default", nullptr, ids::mnuSelectDefault, {}}}},
      {"mnuExecute",
       "Exe&cute",
       nullptr,
       0,
       {{"mnuBackup", "&Backup", nullptr, ids::mnuBackup, {}},
        {"mnuRestore", "&Restore", nullptr, ids::mnuRestore, {}},
        {"mnuSeparator3", "-", nullptr, 0, {}},
        {"mnuUndo", "U&ndo Restore", nullptr, ids::mnuUndo, {}}}},
      {"mnuHelp",
       "&Help",
       nullptr,
       0,
       {{"mnuContents", "&Contents", "F1", ids::mnuContents, {}},
        {"mnuQuillmereWebSite", "&Quillmere Web Site", nullptr, ids::mnuQuillmereWebSite, {}},
        {"mnuSeparator4", "-", nullptr, 0, {}},
        {"mnuAbout", "&About...", nullptr, ids::mnuAbout, {}}}},
  };
  return menu;
}

const FormLayout& SecondaryFormLayout(FormId id) {
  static const FormLayout forms[kSecondaryFormCount] = {
      AboutForm(),
      Notice("frmBackup", "Backup Message",
             "The checked configuration and system files have been backed up.",
             "To restore the backed up files press Restore button from this application. To "
             "restore from "
             "MS-DOS mode type RESTORE and press Enter.",
             6015, 1575, 4680, 1080, kIconProgram),
      ErrorForm(),
      Notice("frmNoBackupFiles", "Backup Not Found", "The backup folder contains no backup files.",
             kMakeBackupFirst, 4815, 1575, 3480, 1080, kIconRefusal),
      Notice("frmNoBackupFolder", "No Backup Folder", "The backup folder does not exist.",
             kMakeBackupFirst, 4815, 1575, 3480, 1080, kIconRefusal),
      Notice("frmNoUndoFiles", "Undo Restore Files Not Found",
             "The undo folder contains no files to undo restore.", kRestoreFirst, 5295, 1575, 3960,
             1080, kIconRefusal),
      Notice("frmNoUndoFolder", "No Undo Folder", "The undo folder does not exist.", kRestoreFirst,
             5295, 1575, 3960, 1080, kIconRefusal),
      Notice("frmRestore", "Restore Message",
             "The checked configuration and system files have been restored from the backup.",
             "For the restored files to take effect save your work and restart the computer.", 6615,
             1335, 5280, 840, kIconProgram),
      Notice("frmUndo", "Undo Restore Message",
             "The checked configuration and system files have been undone from the undo folder.",
             "For the undone files to take effect save your work and restart the computer.", 6855,
             1335, 5520, 840, kIconProgram),
  };
  return forms[static_cast<int>(id)];
}

}  // namespace kelvane
