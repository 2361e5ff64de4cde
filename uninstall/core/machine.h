// The machine as the uninstaller changes it: the few operations that take
// an installation's changes back. The program's is the real machine
// (win32_machine.h); the tests have one in memory. An operation never
// touches more than it names: what holds anything of others (a folder with
// files, a key with values, a group with items) is kept.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/group_item.h"

enum class Change {
  kDone,    // changed as asked (or already so)
  kAbsent,  // what it would change is not there: nothing to do
  kKept,    // left as it is on purpose: it holds what is not ours, or
            // changed since (a file longer than the log says, a name taken)
  kInUse,   // a file another program holds open
  kFailed,  // the platform refused
};

enum class FileRead { kRead, kMissing, kUnreadable };

// A usage count of a shared file and the type it is stored with.
struct SharedUse {
  uint32_t count = 0;
  uint32_t type = 0;
};

class Machine {
 public:
  virtual ~Machine() = default;

  // Files and folders.
  virtual FileRead ReadFile(const std::string& path, std::vector<uint8_t>& bytes) = 0;
  virtual bool Exists(const std::string& path) = 0;
  // Read-only, hidden and system are cleared first.
  virtual Change EraseFile(const std::string& path) = 0;
  // At the next start of Windows; false when that cannot be arranged.
  virtual bool DeleteAtRestart(const std::string& path) = 0;
  // kKept when the file is shorter than length.
  virtual Change CutFile(const std::string& path, uint32_t length) = 0;
  // kAbsent when from is missing, kKept when to is taken.
  virtual Change MoveFileBack(const std::string& from, const std::string& to) = 0;
  virtual Change SetAttributes(const std::string& path, uint32_t attributes) = 0;
  virtual Change RemoveFolder(const std::string& path) = 0;
  // Once the files that go at the next start of Windows are gone; false
  // when that cannot be arranged.
  virtual bool RemoveFolderAtRestart(const std::string& path) = 0;
  // The names a folder holds, without "." and ".."; false when unreadable.
  virtual bool ListFolder(const std::string& path, std::vector<std::string>& names) = 0;
  virtual Change MakeFolder(const std::string& path) = 0;
  virtual Change RemoveFont(const std::string& path) = 0;

  // An install log as the removal goes: cut back to its first length
  // bytes, and its chain name emptied (it names no earlier log any more),
  // each on disk before the call returns.
  virtual Change CutLog(const std::string& path, uint32_t length) = 0;
  virtual Change ForgetEarlierLog(const std::string& path) = 0;

  // Usage counts of shared files; false when the file has none. Deleting
  // the last count of the SharedDLLs key deletes the key when it is empty.
  virtual bool ReadSharedUse(const std::string& path, SharedUse& use) = 0;
  virtual Change WriteSharedUse(const std::string& path, const SharedUse& use) = 0;
  virtual Change DeleteSharedUse(const std::string& path) = 0;

  // Registry, roots by RootKind. A key is deleted only when it holds no
  // value and no key.
  virtual Change DeleteValue(int root, const std::string& key, const std::string& name) = 0;
  virtual Change WriteValue(int root, const std::string& key, const std::string& name,
                            uint32_t type, const std::vector<uint8_t>& data) = 0;
  virtual Change DeleteKey(int root, const std::string& key) = 0;
  virtual Change MakeKey(int root, const std::string& key) = 0;

  // INI files through the profile functions: a section as its "key=value"
  // lines. A section or file is deleted only when it holds nothing.
  virtual bool ReadSection(const std::string& file, const std::string& section,
                           std::vector<std::string>& lines) = 0;
  virtual Change WriteSection(const std::string& file, const std::string& section,
                              const std::vector<std::string>& lines) = 0;
  virtual Change DeleteSection(const std::string& file, const std::string& section) = 0;
  virtual Change MakeSection(const std::string& file, const std::string& section) = 0;
  virtual Change DeleteIniFile(const std::string& file) = 0;

  // Program Manager. A group is deleted only when it holds no item; an
  // item is put back only where no item of its name is.
  virtual Change DeleteGroup(const std::string& group) = 0;
  virtual Change MakeGroup(const std::string& group) = 0;
  virtual Change DeleteItem(const std::string& group, const std::string& item) = 0;
  virtual Change PutItemBack(const std::string& group, const GroupItem& item) = 0;
};
