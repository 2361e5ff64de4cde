// Taking an installation back: the records of its install log undone newest
// first, then those of the earlier logs its chain names (earlier
// installations into the same folder), then the logs deleted and the
// folders that only they kept removed. Nothing outside what a complete
// record describes is touched, and nothing is taken back twice: each
// record leaves the log on disk before it is undone, so that a removal cut
// off (a power cut, a crash) and started again goes on where it stopped.
//
// What was there before stays: a file is deleted only when this
// installation wrote it (a complete FileCopied names it) and no usage count
// still holds it; a font file only when this log copied it; and a roll-back
// (a setup that did not finish) keeps every file the finalised logs of the
// folders it copied into still list, since an earlier installation needs
// them.
#pragma once

#include <set>
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

// The most logs a chain can name: filog.ini, its backups filog.bak and
// filog.000 to filog.999.
constexpr size_t kMostChainedLogs = 1002;

class Removal {
 public:
  Removal(Machine& machine, RemovalUser& user) : machine_(machine), user_(user) {}

  // Reads the log the uninstaller was started on and, unless it is a
  // roll-back, the earlier logs its chain names (an earlier log that cannot
  // be read is a leftover); for a roll-back, what the earlier installations
  // still need. Anything but kRead: nothing may be changed.
  LogLoad Load(const std::string& path);
  const LogHeader& Header() const { return logs_.front().header; }
  bool RollBack() const { return IsRollBack(Header()); }
  int RecordCount() const;

  // Stops after that many records as a power cut would, the logs holding
  // what is still to do (for the tests of a removal started again).
  void StopAfter(int records) { stopAfter_ = records; }
  // Runs the removal. It ends early when stopped so, or when it cannot keep
  // its place in a log (a leftover): a later removal then goes on.
  void Run();
  bool Stopped() const { return stopped_; }

  const std::vector<Leftover>& Leftovers() const { return leftovers_; }
  bool RestartNeeded() const { return restart_; }

 private:
  LogLoad Read(const std::string& path, RemovalLog& log);
  void LoadEarlierLogs();
  void LoadWhatOthersNeed();
  bool TakeRecord(RemovalLog& log);
  void DeleteLogs();
  void RemoveLogFolders(const std::vector<std::string>& folders);
  void RemoveKeptFolders();
  void Undo(const RemovalLog& log, const LogRecord& record);
  void UndoFile(const RemovalLog& log, const LogRecord& record);
  void UndoIni(const LogRecord& record);
  void UndoRegistry(const LogRecord& record);
  void UndoProgramManager(const LogRecord& record);
  void UndoCopy(const LogRecord& record);
  void UndoFont(const RemovalLog& log, const LogRecord& record);
  bool NeededByOthers(const std::string& path) const;
  void RemoveFile(const std::string& path);
  void ReleaseShared(const std::string& path, SharedUse use);
  void RemoveFolder(const std::string& path);
  void Leave(LeftoverKind kind, const std::string& a, const std::string& b = std::string(),
             const std::string& c = std::string(), int root = 0);

  Machine& machine_;
  RemovalUser& user_;
  std::vector<RemovalLog> logs_;
  std::set<std::string> neededByOthers_;  // lower case: files earlier logs list
  std::set<std::string> atRestart_;       // lower case: files and folders that go then
  std::vector<std::string> keptFolders_;  // tried again once the logs are gone
  std::vector<Leftover> leftovers_;
  int stopAfter_ = -1;
  bool stopped_ = false;
  bool restart_ = false;
  bool sharedAll_ = false;  // the answer "to All" was given
  bool sharedAllYes_ = false;
};

// What a record is about, for the progress window.
std::string SubjectOf(const LogRecord& record);
