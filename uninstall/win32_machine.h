// The real machine, as the uninstaller changes it (core/machine.h): files
// and folders, shared-file counts, the registry, INI files through the
// profile functions, fonts, Program Manager through the setup engine's
// link, and deletion at the next restart through wininit.ini, the way of
// Windows 95 (whose MoveFileExA fails).
#pragma once

#include <string>
#include <vector>

#include "core/machine.h"
#include "link_reports.h"
#include "shell/program_manager_link.h"

class Win32Machine : public Machine {
 public:
  Win32Machine() : link_(reports_, reports_, reports_) {}

  FileRead ReadFile(const std::string& path, std::vector<uint8_t>& bytes) override;
  bool Exists(const std::string& path) override;
  Change EraseFile(const std::string& path) override;
  bool DeleteAtRestart(const std::string& path) override;
  Change CutFile(const std::string& path, uint32_t length) override;
  Change MoveFileBack(const std::string& from, const std::string& to) override;
  Change SetAttributes(const std::string& path, uint32_t attributes) override;
  Change RemoveFolder(const std::string& path) override;
  bool RemoveFolderAtRestart(const std::string& path) override;
  bool ListFolder(const std::string& path, std::vector<std::string>& names) override;
  Change MakeFolder(const std::string& path) override;
  Change RemoveFont(const std::string& path) override;

  Change CutLog(const std::string& path, uint32_t length) override;
  Change ForgetEarlierLog(const std::string& path) override;

  bool ReadSharedUse(const std::string& path, SharedUse& use) override;
  Change WriteSharedUse(const std::string& path, const SharedUse& use) override;
  Change DeleteSharedUse(const std::string& path) override;

  Change DeleteValue(int root, const std::string& key, const std::string& name) override;
  Change WriteValue(int root, const std::string& key, const std::string& name, uint32_t type,
                    const std::vector<uint8_t>& data) override;
  Change DeleteKey(int root, const std::string& key) override;
  Change MakeKey(int root, const std::string& key) override;

  bool ReadSection(const std::string& file, const std::string& section,
                   std::vector<std::string>& lines) override;
  Change WriteSection(const std::string& file, const std::string& section,
                      const std::vector<std::string>& lines) override;
  Change DeleteSection(const std::string& file, const std::string& section) override;
  Change MakeSection(const std::string& file, const std::string& section) override;
  Change DeleteIniFile(const std::string& file) override;

  Change DeleteGroup(const std::string& group) override;
  Change MakeGroup(const std::string& group) override;
  Change DeleteItem(const std::string& group, const std::string& item) override;
  Change PutItemBack(const std::string& group, const GroupItem& item) override;

  // Tests aim the link at a Program Manager of their own.
  void SetProgramManager(const ProgramManagerTarget& target) { link_.SetTarget(target); }
  // Ends the conversation, closing a Program Manager the link started.
  void EndProgramManager() { link_.End(true); }
  // What the link refused, each text once.
  const std::vector<std::string>& Refusals() const { return reports_.Texts(); }

 private:
  bool LinkOpen();

  LinkReports reports_;
  ProgramManagerLink link_;
  bool linkTried_ = false;
  bool linkOpen_ = false;
};
