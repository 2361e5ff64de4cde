// Taking an installation back: the records of its install log undone newest
// first, then those of the earlier logs its chain names (earlier
// installations into the same folder), then the logs deleted and the
// folders that only they kept removed. Nothing outside what a complete
// record describes is touched.
#pragma once

#include <string>
#include <vector>

#include "core/leftover.h"
#include "core/machine.h"
#include "core/removal_log.h"

// The question a shared file whose count reaches 0 brings up.
enum class SharedAnswer { kYes, kYesToAll, kNo, kNoToAll };

class RemovalUser {
 public:
  virtual ~RemovalUser() = default;
  virtual SharedAnswer RemoveSharedFile(const std::string& path) = 0;
  // Before each record: how many are done of how many, and what it names.
  virtual void Progress(int done, int total, const std::string& subject) = 0;
};

enum class LogLoad { kRead, kMissing, kUnreadable, kDamaged };

class Removal {
 public:
  Removal(Machine& machine, RemovalUser& user) : machine_(machine), user_(user) {}

  // Reads the log the uninstaller was started on and, unless it is a
  // roll-back, the earlier logs its chain names (an earlier log that cannot
  // be read is a leftover). Anything but kRead: nothing may be changed.
  LogLoad Load(const std::string& path);
  const LogHeader& Header() const { return logs_.front().header; }
  bool RollBack() const { return IsRollBack(Header()); }
  int RecordCount() const;

  void Run();

  const std::vector<Leftover>& Leftovers() const { return leftovers_; }
  bool RestartNeeded() const { return restart_; }

 private:
  LogLoad Read(const std::string& path, RemovalLog& log);
  void LoadEarlierLogs();
  void Undo(const LogRecord& record);
  void UndoFile(const LogRecord& record);
  void UndoIni(const LogRecord& record);
  void UndoRegistry(const LogRecord& record);
  void UndoProgramManager(const LogRecord& record);
  void RemoveFile(const std::string& path);
  void ReleaseShared(const std::string& path);
  void RemoveFolder(const std::string& path);
  void Leave(LeftoverKind kind, const std::string& a, const std::string& b = std::string(),
             const std::string& c = std::string(), int root = 0);

  Machine& machine_;
  RemovalUser& user_;
  std::vector<RemovalLog> logs_;
  std::vector<std::string> keptFolders_;  // tried again once the logs are gone
  std::vector<Leftover> leftovers_;
  bool restart_ = false;
  bool sharedAll_ = false;  // the answer "to All" was given
  bool sharedAllYes_ = false;
};

// What a record is about, for the progress window.
std::string SubjectOf(const LogRecord& record);
