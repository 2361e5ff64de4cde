#include "core/removal.h"

#include <map>

#include "core/ini_lines.h"
#include "core/item_record.h"

namespace {

// Fields by position; the reader gives every record of a kind its fields.
const std::string& Text(const LogRecord& record, size_t i) {
  static const std::string none;
  return i < record.texts.size() ? record.texts[i] : none;
}

uint32_t Number(const LogRecord& record, size_t i) {
  return i < record.numbers.size() ? record.numbers[i] : 0;
}

bool Fine(Change change) { return change == Change::kDone || change == Change::kAbsent; }

// Windows file names differ only in the case of A-Z.
std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

std::string SubjectOf(const LogRecord& record) {
  switch (record.kind) {
    case LogOp::FileCopied:
    case LogOp::FileAppended:
    case LogOp::FileMoved:
      return Text(record, 1);
    case LogOp::ItemAdded:
      return Text(record, 1);
    case LogOp::ItemDeleted: {
      GroupItem item;
      return GroupItemFromRecord(record.data, item) ? item.name : Text(record, 0);
    }
    case LogOp::RegValueCreated:
    case LogOp::RegValueChanged:
    case LogOp::RegValueDeleted:
      return Text(record, 0) + "\\" + Text(record, 1);
    default:
      return Text(record, 0);
  }
}

LogLoad Removal::Read(const std::string& path, RemovalLog& log) {
  std::vector<uint8_t> bytes;
  switch (machine_.ReadFile(path, bytes)) {
    case FileRead::kMissing:
      return LogLoad::kMissing;
    case FileRead::kUnreadable:
      return LogLoad::kUnreadable;
    case FileRead::kRead:
      break;
  }
  log.path = path;
  return ParseRemovalLog(bytes.data(), bytes.size(), log) ? LogLoad::kRead : LogLoad::kDamaged;
}

LogLoad Removal::Load(const std::string& path) {
  logs_.clear();
  leftovers_.clear();
  neededByOthers_.clear();
  RemovalLog log;
  const LogLoad read = Read(path, log);
  if (read != LogLoad::kRead) return read;
  logs_.push_back(std::move(log));
  if (RollBack())
    LoadWhatOthersNeed();
  else
    LoadEarlierLogs();
  return LogLoad::kRead;
}

void Removal::LoadEarlierLogs() {
  std::vector<std::string> seen = {Lower(logs_.front().path)};
  for (;;) {
    std::string path;
    const EarlierLog earlier = EarlierLogOf(logs_.back(), path);
    if (earlier == EarlierLog::kNone) return;
    if (earlier == EarlierLog::kInvalid) {
      Leave(LeftoverKind::kLog, logs_.back().path);
      return;
    }
    for (const std::string& known : seen)
      if (known == Lower(path)) return;
    if (logs_.size() == kMostChainedLogs) return;
    RemovalLog log;
    if (Read(path, log) != LogLoad::kRead) {
      Leave(LeftoverKind::kLog, path);
      return;
    }
    seen.push_back(Lower(path));
    logs_.push_back(std::move(log));
  }
}

// A setup cancelled into a folder that holds an earlier installation copied
// over that installation's files: the finalised logs of the folders it
// copied into (and their chains) say which files those are.
void Removal::LoadWhatOthersNeed() {
  std::map<std::string, std::string> folders;  // by their lower-case names
  for (const LogRecord& record : logs_.front().records) {
    if (record.kind != LogOp::FileCopied) continue;
    const std::string folder = FolderOf(Text(record, 1));
    folders.emplace(Lower(folder), folder);
  }
  std::set<std::string> seen = {Lower(logs_.front().path)};
  for (const auto& folder : folders) {
    std::string path = folder.second + "\\filog.ini";
    RemovalLog log;
    if (seen.count(Lower(path)) || Read(path, log) != LogLoad::kRead || IsRollBack(log.header))
      continue;
    for (size_t chained = 0; chained < kMostChainedLogs; ++chained) {
      seen.insert(Lower(log.path));
      for (const LogRecord& record : log.records)
        if (record.kind == LogOp::FileCopied) neededByOthers_.insert(Lower(Text(record, 1)));
      if (EarlierLogOf(log, path) != EarlierLog::kNamed || seen.count(Lower(path))) break;
      RemovalLog earlier;
      if (Read(path, earlier) != LogLoad::kRead) break;
      log = std::move(earlier);
    }
  }
}

int Removal::RecordCount() const {
  size_t count = 0;
  for (const RemovalLog& log : logs_) count += log.records.size();
  return static_cast<int>(count);
}

void Removal::Run() {
  const int total = RecordCount();
  int done = 0;
  for (RemovalLog& log : logs_) {
    while (!log.records.empty()) {
      if (done == stopAfter_) {
        stopped_ = true;
        return;
      }
      user_.Progress(done++, total, SubjectOf(log.records.back()));
      if (!TakeRecord(log)) return;
    }
  }
  user_.Progress(total, total, std::string());
  for (const RemovalLog& log : logs_)
    if (log.endsEarly) Leave(LeftoverKind::kLogEndsEarly, log.path);
  DeleteLogs();
  RemoveKeptFolders();
}

// The log loses the record before it is undone: a removal cut off in
// between leaves that one change in place, but never takes one back twice
// (which could lower another program's usage count to nothing).
bool Removal::TakeRecord(RemovalLog& log) {
  if (machine_.CutLog(log.path, log.starts.back()) != Change::kDone) {
    Leave(LeftoverKind::kLog, log.path);
    return false;
  }
  const LogRecord record = std::move(log.records.back());
  log.records.pop_back();
  log.starts.pop_back();
  Undo(log, record);
  return true;
}

// Oldest first, each one forgotten by the log that names it before it
// goes: the chain on disk never names a log that is gone.
void Removal::DeleteLogs() {
  std::vector<std::string> folders;
  for (size_t i = logs_.size(); i-- > 0;) {
    if (i > 0 && machine_.ForgetEarlierLog(logs_[i - 1].path) != Change::kDone) {
      Leave(LeftoverKind::kLog, logs_[i].path);
      continue;
    }
    if (!Fine(machine_.EraseFile(logs_[i].path))) {
      Leave(LeftoverKind::kLog, logs_[i].path);
      continue;
    }
    if (!IsRollBack(logs_[i].header)) folders.push_back(FolderOf(logs_[i].path));
  }
  RemoveLogFolders(folders);
}

// The installation folders the finalised logs were deleted from go if that
// left them empty: a folder's own record may have been taken back by a run
// that was cut off while the log still held it. One still holding
// something stays without a word; the kept folders are tried next anyway.
void Removal::RemoveLogFolders(const std::vector<std::string>& folders) {
  std::set<std::string> tried;
  for (const std::string& kept : keptFolders_) tried.insert(Lower(kept));
  for (const std::string& folder : folders)
    if (tried.insert(Lower(folder)).second) machine_.RemoveFolder(folder);
}

// A folder that held a log, or a folder that held only such a folder. One
// that holds nothing but what goes at the next restart goes then too.
void Removal::RemoveKeptFolders() {
  for (const std::string& folder : keptFolders_) {
    if (Fine(machine_.RemoveFolder(folder))) continue;
    std::vector<std::string> names;
    bool onlyLeaving = restart_ && machine_.ListFolder(folder, names);
    for (const std::string& name : names)
      onlyLeaving = onlyLeaving && atRestart_.count(Lower(folder + "\\" + name)) != 0;
    if (onlyLeaving && machine_.RemoveFolderAtRestart(folder)) {
      atRestart_.insert(Lower(folder));
      continue;
    }
    Leave(LeftoverKind::kFile, folder);
  }
}

void Removal::Leave(LeftoverKind kind, const std::string& a, const std::string& b,
                    const std::string& c, int root) {
  Leftover leftover{kind, a, b, c, root};
  leftovers_.push_back(leftover);
}

void Removal::Undo(const RemovalLog& log, const LogRecord& record) {
  switch (record.kind) {
    case LogOp::IniFileCreated:
    case LogOp::IniEntryAdded:
    case LogOp::IniEntryDeleted:
    case LogOp::IniEntryChanged:
    case LogOp::IniSectionAdded:
    case LogOp::IniSectionDeleted:
      UndoIni(record);
      break;
    case LogOp::GroupCreated:
    case LogOp::ItemAdded:
    case LogOp::GroupDeleted:
    case LogOp::ItemDeleted:
      UndoProgramManager(record);
      break;
    case LogOp::RegKeyCreated:
    case LogOp::RegValueCreated:
    case LogOp::RegValueChanged:
    case LogOp::RegValueDeleted:
    case LogOp::RegKeyDeleted:
      UndoRegistry(record);
      break;
    default:
      UndoFile(log, record);
      break;
  }
}

void Removal::UndoFile(const RemovalLog& log, const LogRecord& record) {
  const std::string& path = Text(record, 0);
  switch (record.kind) {
    case LogOp::DirCreated:
      RemoveFolder(path);
      break;
    case LogOp::DirRemoved:
      if (!Fine(machine_.MakeFolder(path))) Leave(LeftoverKind::kNotRestored, path);
      break;
    case LogOp::FileMoved:
      // Moved from path to the second: back again.
      if (machine_.MoveFileBack(Text(record, 1), path) != Change::kDone)
        Leave(LeftoverKind::kNotRestored, path);
      break;
    case LogOp::FileDeleted:
      // Setup deletes only on purpose (a row that removes an old file, a
      // move's source), and the log keeps no content: nothing to do.
      break;
    case LogOp::FileCopied:
      UndoCopy(record);
      break;
    case LogOp::FileAppended:
      if (machine_.CutFile(Text(record, 1), Number(record, 1)) != Change::kDone)
        Leave(LeftoverKind::kNotRestored, Text(record, 1));
      break;
    case LogOp::AttribChanged:
      // A file removed since (replaced, then taken back) needs nothing.
      if (!Fine(machine_.SetAttributes(path, Number(record, 0))))
        Leave(LeftoverKind::kNotRestored, path);
      break;
    case LogOp::FontInstalled:
      UndoFont(log, record);
      break;
    default:
      break;
  }
}

// A file this installation copied: released when a usage count holds it
// (a kept file in the shared folders was counted and recorded as copied
// too), deleted when it is its own (flag 1), else kept.
void Removal::UndoCopy(const LogRecord& record) {
  const std::string& path = Text(record, 1);
  SharedUse use;
  if (machine_.ReadSharedUse(path, use))
    ReleaseShared(path, use);
  else if (Number(record, 0) != 0 && !NeededByOthers(path))
    RemoveFile(path);
}

// The font is unloaded; its file goes only when this log copied it (a font
// the machine already had is recorded with flag 0, or without a copy).
void Removal::UndoFont(const RemovalLog& log, const LogRecord& record) {
  const std::string& path = Text(record, 0);
  if (!Fine(machine_.RemoveFont(path))) Leave(LeftoverKind::kFile, path);
  if (Number(record, 0) == 0 || NeededByOthers(path)) return;
  bool copied = false;
  for (const LogRecord& earlier : log.records)
    copied =
        copied || (earlier.kind == LogOp::FileCopied && Lower(Text(earlier, 1)) == Lower(path));
  SharedUse use;
  if (copied && !machine_.ReadSharedUse(path, use)) RemoveFile(path);
}

bool Removal::NeededByOthers(const std::string& path) const {
  return neededByOthers_.count(Lower(path)) != 0;
}

void Removal::RemoveFile(const std::string& path) {
  const Change change = machine_.EraseFile(path);
  if (Fine(change)) return;
  if (change == Change::kInUse && machine_.DeleteAtRestart(path)) {
    restart_ = true;
    atRestart_.insert(Lower(path));
    return;
  }
  Leave(LeftoverKind::kFile, path);
}

// A shared file goes only when no installation counts it any more and the
// user agrees.
void Removal::ReleaseShared(const std::string& path, SharedUse use) {
  if (use.count > 1) {
    --use.count;
    if (!Fine(machine_.WriteSharedUse(path, use))) Leave(LeftoverKind::kSharedUse, path);
    return;
  }
  if (!Fine(machine_.DeleteSharedUse(path))) {
    Leave(LeftoverKind::kSharedUse, path);
    return;
  }
  if (NeededByOthers(path) || !machine_.Exists(path)) return;
  bool remove = sharedAllYes_;
  if (!sharedAll_) {
    const SharedAnswer answer = user_.RemoveSharedFile(path);
    remove = answer == SharedAnswer::kYes || answer == SharedAnswer::kYesToAll;
    if (answer == SharedAnswer::kYesToAll || answer == SharedAnswer::kNoToAll) {
      sharedAll_ = true;
      sharedAllYes_ = remove;
    }
  }
  if (remove) RemoveFile(path);
}

// A folder that still holds something may hold a log of this removal: it
// is tried again once the logs are deleted.
void Removal::RemoveFolder(const std::string& path) {
  const Change change = machine_.RemoveFolder(path);
  if (Fine(change)) return;
  for (const std::string& kept : keptFolders_)
    if (Lower(kept) == Lower(path)) return;
  keptFolders_.push_back(path);
}

void Removal::UndoIni(const LogRecord& record) {
  const std::string &file = Text(record, 0), &section = Text(record, 1), &key = Text(record, 2);
  if (record.kind == LogOp::IniFileCreated) {
    if (!Fine(machine_.DeleteIniFile(file))) Leave(LeftoverKind::kIniFile, file);
    return;
  }
  if (record.kind == LogOp::IniSectionAdded || record.kind == LogOp::IniSectionDeleted) {
    const Change change = record.kind == LogOp::IniSectionAdded
                              ? machine_.DeleteSection(file, section)
                              : machine_.MakeSection(file, section);
    if (!Fine(change)) Leave(LeftoverKind::kIniSection, file, section);
    return;
  }
  std::vector<std::string> lines;
  if (!machine_.ReadSection(file, section, lines)) {
    Leave(LeftoverKind::kIniEntry, file, section, key);
    return;
  }
  switch (record.kind) {
    case LogOp::IniEntryAdded:
      // An entry removed since needs nothing.
      if (!RemoveEntry(lines, key, Number(record, 0))) return;
      break;
    case LogOp::IniEntryChanged:
      if (!ChangeEntry(lines, key, Text(record, 3), Number(record, 0)))
        InsertEntry(lines, key, Text(record, 3), Number(record, 0));
      break;
    default:  // IniEntryDeleted
      InsertEntry(lines, key, Text(record, 3), Number(record, 0));
      break;
  }
  if (!Fine(machine_.WriteSection(file, section, lines)))
    Leave(LeftoverKind::kIniEntry, file, section, key);
}

void Removal::UndoRegistry(const LogRecord& record) {
  const int root = static_cast<int>(Number(record, 0));
  const std::string &key = Text(record, 0), &name = Text(record, 1);
  switch (record.kind) {
    case LogOp::RegKeyCreated:
      if (!Fine(machine_.DeleteKey(root, key))) Leave(LeftoverKind::kKey, key, "", "", root);
      break;
    case LogOp::RegKeyDeleted:
      if (!Fine(machine_.MakeKey(root, key))) Leave(LeftoverKind::kKey, key, "", "", root);
      break;
    case LogOp::RegValueCreated:
      if (!Fine(machine_.DeleteValue(root, key, name)))
        Leave(LeftoverKind::kValue, key, name, "", root);
      break;
    default:  // RegValueChanged, RegValueDeleted: the old type and bytes back
      if (!Fine(machine_.WriteValue(root, key, name, Number(record, 1), record.data)))
        Leave(LeftoverKind::kValue, key, name, "", root);
      break;
  }
}

void Removal::UndoProgramManager(const LogRecord& record) {
  const std::string& group = Text(record, 0);
  switch (record.kind) {
    case LogOp::GroupCreated:
      if (!Fine(machine_.DeleteGroup(group))) Leave(LeftoverKind::kGroup, group);
      break;
    case LogOp::GroupDeleted:
      if (!Fine(machine_.MakeGroup(group))) Leave(LeftoverKind::kGroup, group);
      break;
    case LogOp::ItemAdded:
      if (!Fine(machine_.DeleteItem(group, Text(record, 1))))
        Leave(LeftoverKind::kItem, group, Text(record, 1));
      break;
    default: {  // ItemDeleted
      GroupItem item;
      if (!GroupItemFromRecord(record.data, item)) {
        Leave(LeftoverKind::kItem, group, "?");
        break;
      }
      // An item of its name there already was put back by someone else.
      const Change change = machine_.PutItemBack(group, item);
      if (!Fine(change) && change != Change::kKept) Leave(LeftoverKind::kItem, group, item.name);
      break;
    }
  }
}
