// The texts the utility shows, as the end-to-end tests expect them.
#pragma once

#include <string>

namespace kelvane_test {

inline const char kRestoreHeading[] =
    "The checked configuration and system files have been restored from the backup.";
inline const char kRestoreExplanation[] =
    "For the restored files to take effect save your work and restart the computer.";
inline const char kUndoHeading[] =
    "The checked configuration and system files have been undone from the undo folder.";
inline const char kUndoExplanation[] =
    "For the undone files to take effect save your work and restart the computer.";
inline const char kMakeBackupFirst[] =
    "To restore files from the backup make a backup first by selecting the files and pressing "
    "Backup button.";
inline const char kRestoreFirst[] =
    "In order to undo the restored files you have to restore the backup first by selecting the "
    "files and pressing "
    "Restore button.";
inline const char kUndoQuery[] =
    "Do you really want to undo the last restored checked configuration and system files and "
    "return to their "
    "previous version?";
inline const char kScanDiskMissing[] =
    "ScanDisk not found at its default location in the main Windows folder. To run ScanDisk you "
    "need to reinstall "
    "it or to copy it to the main Windows folder.";

inline std::string RestoreMissingText(const std::string& name) {
  return name + " not found in backup.\nFile not restored.\nSelection will be unchecked.";
}
inline std::string UndoMissingText(const std::string& name) {
  return name +
         " not found in undo restore folder.\nFile not undone.\nSelection will be unchecked.";
}

}  // namespace kelvane_test

namespace kelvane_test {

// The captions of a message box's Yes and No buttons.
inline const char kYes[] = "&Yes";
inline const char kNo[] = "&No";

}  // namespace kelvane_test
