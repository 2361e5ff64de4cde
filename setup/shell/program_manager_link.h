// The setup engine's link with Program Manager: its group and items, made
// over one DDE conversation. Failures are reported through a FailureReport
// (the file operations); each group created and each item added or deleted
// is told to the records (the current recorder of the install log, by the
// installation object).
#pragma once

#include <memory>
#include <string>

#include "base/failure_report.h"
#include "base/short_paths.h"
#include "shell/dde_conversation.h"
#include "shell/group_item.h"

class ProgramManagerRecords {
 public:
  virtual ~ProgramManagerRecords() = default;
  virtual void GroupCreated(const char* group) = 0;
  virtual void ItemAdded(const char* group, const char* item) = 0;
  // item: the deleted item as Program Manager told it, to be put back.
  virtual void ItemDeleted(const char* group, const GroupItem& item) = 0;
};

// The Program Manager the link talks to: the name it serves DDE under (as
// service and topic) and gives its window class, and the command that
// starts it. Tests point a link at one of their own, since the platform's
// may always answer.
struct ProgramManagerTarget {
  std::string name = "PROGMAN";
  std::string commandLine = "progman.exe";
};

class ProgramManagerLink {
 public:
  ProgramManagerLink(FailureReport& reports, ShortPaths& paths, ProgramManagerRecords& records)
      : reports_(reports), paths_(paths), records_(records) {}
  ~ProgramManagerLink() { End(false); }
  ProgramManagerLink(const ProgramManagerLink&) = delete;
  ProgramManagerLink& operator=(const ProgramManagerLink&) = delete;

  // Tests may change it; takes effect at the next begddepm.
  void SetTarget(const ProgramManagerTarget& target) { target_ = target; }

  // Opens the conversation, starting "progman.exe" when nobody answers and
  // no "PROGMAN" window exists; minimises Program Manager when it is the
  // shell (newShell false). True when connected.
  bool begddepm(bool newShell);
  // Closes the conversation; closes Program Manager too when the link
  // started it and close is set.
  void End(bool close);
  bool StartedByUs() const { return startedByUs_; }

  bool CreateGroup(const char* group);
  // An item of the same name is replaced (its deletion recorded).
  bool AddItem(const char* group, const char* item, const char* commandLine, const char* iconPath,
               int iconIndex, const char* workingDirectory);
  // True when the item is gone, also when it was never there.
  bool DeleteItem(const char* group, const char* item);

  // Taking an installation back (the uninstaller); these are not told to
  // the records. The group goes with whatever it holds: true when it is
  // gone, also when it was never there.
  bool DeleteGroup(const char* group);
  // The item as its record keeps it, in the group (made when missing).
  bool PutItemBack(const char* group, const GroupItem& item);

  // Queries, "not found" when Program Manager does not answer.
  bool GroupExists(const char* group);
  bool ReadGroup(const char* group, GroupContents& contents);
  bool FindItem(const char* group, const char* item, GroupItem& found);

 private:
  bool Open();
  void ReportFormatted(const char* format, const char* argument);
  bool Send(bool formatted, const char* command);
  std::string Short(const char* path);

  FailureReport& reports_;
  ShortPaths& paths_;
  ProgramManagerRecords& records_;
  ProgramManagerTarget target_;
  std::unique_ptr<DdeClient> client_;
  std::unique_ptr<DdeConversation> conversation_;
  bool startedByUs_ = false;
};
