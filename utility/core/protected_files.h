// The eight protected boot and configuration files, the two folders under
// the Windows folder, and the per-file message lines. Platform-free: the
// Windows folder is passed in.
#pragma once

#include <array>
#include <string>

namespace kelvane {

enum class Operation { Backup, Restore, UndoRestore };

struct ProtectedFile {
  const char* checkBox;  // name of the row's check box on the main window
  const char* fileName;  // AUTOEXEC.BAT ... WIN.COM
  bool inBootRoot;       // lives in C:\ (otherwise in the Windows folder)
  bool systemFile;       // IO.SYS and MSDOS.SYS: kept read-only, hidden, system
  bool tickedAtStart;

  std::string LivePath(const std::string& winDir) const;
  std::string BackupPath(const std::string& winDir) const;
  std::string UndoPath(const std::string& winDir) const;
};

constexpr int kProtectedFileCount = 8;
const std::array<ProtectedFile, kProtectedFileCount>& ProtectedFiles();

// Attribute words the utility writes; it never reads one back.
constexpr unsigned kAttrNormal = 0;
constexpr unsigned kAttrArchive = 32;
constexpr unsigned kAttrLockedSystem = 39;  // read-only + hidden + system + archive

std::string BackupFolder(const std::string& winDir);
std::string UndoFolder(const std::string& winDir);

// The three lines of the "File Not Found" box for a missing file, joined by a
// single line feed.
std::string MissingFileMessage(const ProtectedFile& file, Operation op);

}  // namespace kelvane
