#include "core/protected_files.h"

namespace kelvane {

namespace {

const std::array<ProtectedFile, kProtectedFileCount> kFiles = {{
    {"chkAutoExecBat", "AUTOEXEC.BAT", true, false, true},
    {"chkConfigSys", "CONFIG.SYS", true, false, true},
    {"chkSystemIni", "SYSTEM.INI", false, false, true},
    {"chkWinIni", "WIN.INI", false, false, true},
    {"chkCommandCom", "COMMAND.COM", true, false, false},
    {"chkIoSys", "IO.SYS", true, true, false},
    {"chkMsdosSys", "MSDOS.SYS", true, true, false},
    {"chkWinCom", "WIN.COM", false, false, false},
}};

// The boot files are always on drive C:, whatever the Windows folder is.
const char kBootRoot[] = "C:";

}  // namespace

const std::array<ProtectedFile, kProtectedFileCount>& ProtectedFiles() { return kFiles; }

std::string BackupFolder(const std::string& winDir) { return winDir + "\\BACKUP.HVT"; }
std::string UndoFolder(const std::string& winDir) { return winDir + "\\BACKUP.HVT\\UNDO"; }

std::string ProtectedFile::LivePath(const std::string& winDir) const {
  return (inBootRoot ? std::string(kBootRoot) : winDir) + "\\" + fileName;
}

std::string ProtectedFile::BackupPath(const std::string& winDir) const {
  return BackupFolder(winDir) + "\\" + fileName;
}

std::string ProtectedFile::UndoPath(const std::string& winDir) const {
  return UndoFolder(winDir) + "\\" + fileName;
}

std::string MissingFileMessage(const ProtectedFile& file, Operation op) {
  std::string name = file.fileName;
  switch (op) {
    case Operation::Backup:
      return name + " not found.\nFile not backed up.\nSelection will be unchecked.";
    case Operation::Restore:
      return name + " not found in backup.\nFile not restored.\nSelection will be unchecked.";
    case Operation::UndoRestore:
      return name +
             " not found in undo restore folder.\nFile not undone.\nSelection will be unchecked.";
  }
  return std::string();
}

}  // namespace kelvane
