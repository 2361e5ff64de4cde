// The removal against a machine in memory: what each record kind asks of
// the machine, the shared-file question, files in use, folders kept for
// their logs, the chain of earlier logs, and a log cut at every byte.
#include "core/removal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "install_log/install_log_recorder.h"
#include "memory_log_file.h"
#include "memory_machine.h"

namespace {

using Strings = std::vector<std::string>;
const std::string kLog = "C:\\App\\filog.ini";

// The user: answers the shared-file question from a list, notes progress.
struct User : RemovalUser {
  std::vector<SharedAnswer> answers;
  Strings asked;
  Strings progress;
  SharedAnswer RemoveSharedFile(const std::string& path) override {
    asked.push_back(path);
    const SharedAnswer answer = answers.empty() ? SharedAnswer::kNo : answers.front();
    if (!answers.empty()) answers.erase(answers.begin());
    return answer;
  }
  void Progress(int done, int total, const std::string& subject) override {
    progress.push_back(std::to_string(done) + "/" + std::to_string(total) + " " + subject);
  }
};

// A log written by the recorder setup uses, finalised (chain name given,
// 12 zero bytes when empty) unless it stays a roll-back's.
struct LogMaker {
  MemoryLogFile file;
  InstallLogRecorder recorder{file};
  std::vector<size_t> ends;  // where each record ends
  LogMaker() { recorder.OpenAt("filog.ini", "Configuration Haventide"); }
  LogMaker& Add(const std::function<void(OperationRecorder&)>& write) {
    write(recorder);
    ends.push_back(file.bytes.size());
    return *this;
  }
  std::vector<uint8_t> Finalised(const char* chain = "") {
    std::vector<uint8_t> bytes = file.bytes;
    std::memset(bytes.data(), 0, install_log::kChainNameSize);
    std::memcpy(bytes.data(), chain, std::strlen(chain));
    return bytes;
  }
};

GroupItem OldItem() {
  GroupItem item;
  std::strcpy(item.name, "Old");
  std::strcpy(item.commandLine, "old.exe");
  item.x = 7;
  return item;
}

// One record of every kind (and a shared copy), each with what taking it
// back asks of the machine; state each reads is set in Prepare.
struct KindCase {
  std::function<void(OperationRecorder&)> write;
  Strings calls;
};

std::vector<KindCase> EveryKind() {
  const GroupItem old = OldItem();
  const uint8_t dword[4] = {1, 0, 0, 0};
  return {
      {[](OperationRecorder& r) { r.DirCreated("C:\\App"); }, {"remove-folder C:\\App"}},
      {[](OperationRecorder& r) { r.DirRemoved("C:\\Old"); }, {"make-folder C:\\Old"}},
      {[](OperationRecorder& r) { r.FileMoved("C:\\a.txt", "C:\\b.txt"); },
       {"move C:\\b.txt C:\\a.txt"}},
      // Setup deleted it on purpose: nothing to do.
      {[](OperationRecorder& r) { r.FileDeleted("C:\\gone.txt"); }, {}},
      {[](OperationRecorder& r) { r.FileCopied("A:\\K.EX_", "C:\\App\\k.exe", 1); },
       {"read-shared C:\\App\\k.exe", "delete-file C:\\App\\k.exe"}},
      {[](OperationRecorder& r) { r.AttribChanged("C:\\App\\k.exe", 0x21, 0x80); },
       {"attributes C:\\App\\k.exe 33"}},
      {[](OperationRecorder& r) { r.IniFileCreated("C:\\App\\k.ini"); },
       {"delete-ini C:\\App\\k.ini"}},
      {[](OperationRecorder& r) { r.IniEntryAdded("k.ini", "Add", "Key", 1); },
       {"read-section k.ini Add", "write-section k.ini Add KEY=a|Other=2"}},
      {[](OperationRecorder& r) { r.IniEntryDeleted("k.ini", "Del", "Key", "old", 0); },
       {"read-section k.ini Del", "write-section k.ini Del A=1|Key=old"}},
      {[](OperationRecorder& r) { r.IniEntryChanged("k.ini", "Chg", "Key", "old", 1); },
       {"read-section k.ini Chg", "write-section k.ini Chg Key=a|Key=old"}},
      {[](OperationRecorder& r) { r.GroupCreated("G"); }, {"delete-group G"}},
      {[](OperationRecorder& r) { r.ItemAdded("G", "Item"); }, {"delete-item G Item"}},
      {[](OperationRecorder& r) { r.GroupDeleted("H"); }, {"make-group H"}},
      {[old](OperationRecorder& r) { r.ItemDeleted("G", &old); }, {"put-item G Old old.exe 7"}},
      {[](OperationRecorder& r) { r.RegKeyCreated(2, "Software\\K"); },
       {"delete-key 2 Software\\K"}},
      {[](OperationRecorder& r) { r.RegValueCreated(2, "Software\\K", "V"); },
       {"delete-value 2 Software\\K V"}},
      {[dword](OperationRecorder& r) { r.RegValueChanged(1, "Software\\K", "W", 4, 4, dword); },
       {"write-value 1 Software\\K W 4 01000000"}},
      {[](OperationRecorder& r) { r.RegValueDeleted(1, "Software\\K", "X", 1, 3, "ab"); },
       {"write-value 1 Software\\K X 1 616200"}},
      {[](OperationRecorder& r) { r.RegKeyDeleted(3, "S-1\\K"); }, {"make-key 3 S-1\\K"}},
      {[](OperationRecorder& r) { r.FileAppended("A:\\L.TXT", "C:\\App\\log.txt", 1, 100); },
       {"cut C:\\App\\log.txt 100"}},
      {[](OperationRecorder& r) { r.IniSectionAdded("k.ini", "New"); },
       {"delete-section k.ini New"}},
      {[](OperationRecorder& r) { r.IniSectionDeleted("k.ini", "Gone"); },
       {"make-section k.ini Gone"}},
      // No copy of the font in this log: the file is not its to delete.
      {[](OperationRecorder& r) { r.FontInstalled("C:\\W\\F.ttf", 1); },
       {"remove-font C:\\W\\F.ttf"}},
      {[](OperationRecorder& r) { r.FileCopied("A:\\S.DL_", "C:\\SYS\\s.dll", 0); },
       {"read-shared C:\\SYS\\s.dll", "write-shared C:\\SYS\\s.dll 2 3"}},
  };
}

// What the records of every kind read; with a maker, their log at kLog.
void Prepare(MemoryMachine& machine, LogMaker* maker = nullptr) {
  machine.sections["k.ini|Add"] = {"KEY=a", "Other=2", "key=b"};
  machine.sections["k.ini|Del"] = {"A=1"};
  machine.sections["k.ini|Chg"] = {"Key=a", "Key=b"};
  machine.shared["C:\\SYS\\s.dll"] = SharedUse{3, 3};
  if (!maker) return;
  for (const KindCase& c : EveryKind()) maker->Add(c.write);
  machine.files[kLog] = maker->Finalised();
}

TEST(Removal, EveryKindIsTakenBackNewestFirst) {
  const std::vector<KindCase> cases = EveryKind();
  LogMaker maker;
  MemoryMachine machine;
  Prepare(machine, &maker);
  User user;
  Removal removal(machine, user);
  ASSERT_EQ(removal.Load(kLog), LogLoad::kRead);
  EXPECT_FALSE(removal.RollBack());
  EXPECT_EQ(removal.Header().title, "Configuration Haventide");
  removal.Run();
  Strings expected;
  for (auto c = cases.rbegin(); c != cases.rend(); ++c)
    expected.insert(expected.end(), c->calls.begin(), c->calls.end());
  expected.push_back("delete-file " + kLog);
  expected.push_back("remove-folder C:\\App");  // it held the log: tried again
  EXPECT_EQ(machine.calls, expected);
  EXPECT_TRUE(removal.Leftovers().empty());
  EXPECT_FALSE(removal.RestartNeeded());
  ASSERT_EQ(user.progress.size(), cases.size() + 1);
  EXPECT_EQ(user.progress.front(), "0/24 C:\\SYS\\s.dll");
  EXPECT_EQ(user.progress[7], "7/24 Software\\K\\W");
  EXPECT_EQ(user.progress.back(), "24/24 ");
}

// Every cut of a real log: inside the header the log is refused and nothing
// is touched; anywhere else exactly the records that end at or before the
// cut are taken back, newest first.
TEST(Removal, ALogCutAtEveryByteUndoesExactlyItsCompleteRecords) {
  LogMaker maker;
  const std::vector<KindCase> cases = EveryKind();
  for (const KindCase& c : cases) maker.Add(c.write);
  const std::vector<uint8_t> whole = maker.Finalised();
  const size_t header = 16 + 1 + std::strlen("Configuration Haventide");
  for (size_t cut = 0; cut <= whole.size(); ++cut) {
    SCOPED_TRACE(cut);
    MemoryMachine machine;
    Prepare(machine);
    machine.files[kLog].assign(whole.begin(), whole.begin() + static_cast<long>(cut));
    User user;
    Removal removal(machine, user);
    if (cut < header) {
      ASSERT_EQ(removal.Load(kLog), LogLoad::kDamaged);
      EXPECT_TRUE(machine.calls.empty());
      continue;
    }
    ASSERT_EQ(removal.Load(kLog), LogLoad::kRead);
    removal.Run();
    size_t complete = 0;
    while (complete < maker.ends.size() && maker.ends[complete] <= cut) ++complete;
    Strings expected;
    for (size_t i = complete; i-- > 0;)
      expected.insert(expected.end(), cases[i].calls.begin(), cases[i].calls.end());
    expected.push_back("delete-file " + kLog);
    expected.push_back("remove-folder C:\\App");  // the log's folder
    ASSERT_EQ(machine.calls, expected);
    // A cut within a record is told: what came after it was not taken back.
    const bool atAnEnd = cut == header || (complete > 0 && maker.ends[complete - 1] == cut);
    ASSERT_EQ(removal.Leftovers().size(), atAnEnd ? 0u : 1u);
    if (!atAnEnd) {
      EXPECT_EQ(removal.Leftovers()[0].kind, LeftoverKind::kLogEndsEarly);
    }
  }
}

TEST(Removal, DamageOtherThanACutRefusesTheWholeLog) {
  LogMaker maker;
  maker.Add([](OperationRecorder& r) { r.DirCreated("C:\\App"); });
  maker.Add([](OperationRecorder& r) { r.DirCreated("C:\\App\\Sub"); });
  std::vector<uint8_t> bytes = maker.Finalised();
  bytes[maker.ends[0]] = 99;  // the second record's kind
  MemoryMachine machine;
  machine.files[kLog] = bytes;
  User user;
  Removal removal(machine, user);
  EXPECT_EQ(removal.Load(kLog), LogLoad::kDamaged);
  EXPECT_EQ(removal.Load("C:\\nowhere.ini"), LogLoad::kMissing);
  EXPECT_TRUE(machine.calls.empty());
}

// The shared file's count reaching 0: asked about once per file, "to All"
// answers the files after it; a file no longer there is not asked about;
// one without a count stays untouched.
TEST(Removal, SharedFilesAreRemovedOnlyWhenUnusedAndAgreed) {
  const struct {
    std::vector<SharedAnswer> answers;
    Strings deleted;
    size_t asked;
  } rows[] = {
      {{SharedAnswer::kYes, SharedAnswer::kNo, SharedAnswer::kYes},
       {"C:\\S\\c.dll", "C:\\S\\a.dll"},
       3},
      {{SharedAnswer::kNo, SharedAnswer::kYesToAll}, {"C:\\S\\b.dll", "C:\\S\\a.dll"}, 2},
      {{SharedAnswer::kNoToAll}, {}, 1},
  };
  for (const auto& row : rows) {
    LogMaker maker;
    for (const char* name : {"a", "b", "c", "gone", "uncounted", "used"}) {
      const std::string path = std::string("C:\\S\\") + name + ".dll";
      maker.Add([path](OperationRecorder& r) { r.FileCopied("A:\\X", path.c_str(), 0); });
    }
    MemoryMachine machine;
    machine.files[kLog] = maker.Finalised();
    for (const char* name : {"a", "b", "c", "gone"})
      machine.shared[std::string("C:\\S\\") + name + ".dll"] = SharedUse{1, 4};
    machine.shared["C:\\S\\used.dll"] = SharedUse{2, 4};
    machine.missing.insert("C:\\S\\gone.dll");
    User user;
    user.answers = row.answers;
    Removal removal(machine, user);
    ASSERT_EQ(removal.Load(kLog), LogLoad::kRead);
    removal.Run();
    Strings deleted;
    for (const std::string& call : machine.calls)
      if (call.rfind("delete-file C:\\S\\", 0) == 0) deleted.push_back(call.substr(12));
    EXPECT_EQ(deleted, row.deleted);
    EXPECT_EQ(user.asked.size(), row.asked);
    EXPECT_EQ(machine.shared.size(), 1u);
    EXPECT_EQ(machine.shared["C:\\S\\used.dll"].count, 1u);
    EXPECT_TRUE(removal.Leftovers().empty());
  }
}

TEST(Removal, AFileInUseGoesAtTheNextRestart) {
  LogMaker maker;
  maker.Add([](OperationRecorder& r) { r.FileCopied("A:\\X", "C:\\App\\held.exe", 1); });
  maker.Add([](OperationRecorder& r) { r.FileCopied("A:\\X", "C:\\App\\stuck.exe", 1); });
  MemoryMachine machine;
  machine.files[kLog] = maker.Finalised();
  machine.answers["delete-file C:\\App\\held.exe"] = {Change::kInUse};
  machine.answers["delete-file C:\\App\\stuck.exe"] = {Change::kInUse};
  machine.answers["at-restart C:\\App\\stuck.exe"] = {Change::kFailed};
  User user;
  Removal removal(machine, user);
  ASSERT_EQ(removal.Load(kLog), LogLoad::kRead);
  removal.Run();
  EXPECT_TRUE(removal.RestartNeeded());
  ASSERT_EQ(removal.Leftovers().size(), 1u);
  EXPECT_EQ(removal.Leftovers()[0].a, "C:\\App\\stuck.exe");
}

// The installation folder holds the log while the records are taken back:
// it goes once the log is deleted. A folder still holding files stays, and
// so does what could not be put back.
TEST(Removal, FoldersThatHeldOnlyTheLogGoLast) {
  LogMaker maker;
  maker.Add([](OperationRecorder& r) { r.DirCreated("C:\\App"); });
  maker.Add([](OperationRecorder& r) { r.DirCreated("C:\\Other"); });
  maker.Add([](OperationRecorder& r) { r.FileAppended("A:\\X", "C:\\short.txt", 1, 9); });
  MemoryMachine machine;
  machine.files[kLog] = maker.Finalised();
  machine.answers["remove-folder C:\\App"] = {Change::kKept, Change::kDone};
  machine.answers["remove-folder C:\\Other"] = {Change::kKept};
  machine.answers["cut C:\\short.txt 9"] = {Change::kKept};
  User user;
  Removal removal(machine, user);
  ASSERT_EQ(removal.Load(kLog), LogLoad::kRead);
  removal.Run();
  EXPECT_EQ(machine.calls,
            (Strings{"cut C:\\short.txt 9", "remove-folder C:\\Other", "remove-folder C:\\App",
                     "delete-file " + kLog, "remove-folder C:\\Other", "remove-folder C:\\App"}));
  ASSERT_EQ(removal.Leftovers().size(), 2u);
  EXPECT_EQ(removal.Leftovers()[0].kind, LeftoverKind::kNotRestored);
  EXPECT_EQ(removal.Leftovers()[1].a, "C:\\Other");
}

// Earlier installations into the folder: each log's chain name calls the
// next, newest first; a chain that comes back to a log already read ends,
// and an earlier log that cannot be read is a leftover.
TEST(Removal, TheChainOfEarlierLogsIsTakenBackInTurn) {
  MemoryMachine machine;
  const std::string bak = "C:\\App\\filog.bak", first = "C:\\App\\FILOG.000";
  machine.files[kLog] =
      LogMaker().Add([](OperationRecorder& r) { r.DirCreated("third"); }).Finalised("filog.bak");
  machine.files[bak] =
      LogMaker().Add([](OperationRecorder& r) { r.DirCreated("second"); }).Finalised("FILOG.000");
  machine.files[first] =
      LogMaker().Add([](OperationRecorder& r) { r.DirCreated("first"); }).Finalised("filog.ini");
  User user;
  Removal removal(machine, user);
  ASSERT_EQ(removal.Load(kLog), LogLoad::kRead);
  EXPECT_EQ(removal.RecordCount(), 3);
  const auto logs = machine.files;
  removal.Run();
  // The logs go oldest first, so that none names one already gone.
  EXPECT_EQ(machine.calls,
            (Strings{"remove-folder third", "remove-folder second", "remove-folder first",
                     "delete-file " + first, "delete-file " + bak, "delete-file " + kLog,
                     "remove-folder C:\\App"}));
  EXPECT_TRUE(removal.Leftovers().empty());

  machine.files = logs;
  machine.files.erase(first);
  machine.calls.clear();
  ASSERT_EQ(removal.Load(kLog), LogLoad::kRead);
  removal.Run();
  ASSERT_EQ(removal.Leftovers().size(), 1u);
  EXPECT_EQ(removal.Leftovers()[0].kind, LeftoverKind::kLog);
  EXPECT_EQ(removal.Leftovers()[0].a, "C:\\App\\FILOG.000");
  EXPECT_EQ(machine.calls.size(), 5u);
}

TEST(Removal, ARollBackLogHasNoChain) {
  LogMaker maker;
  maker.Add([](OperationRecorder& r) { r.FileCopied("A:\\V.EX_", "C:\\W\\Vantrel3.exe", 0); });
  MemoryMachine machine;
  machine.files["C:\\W\\filog.ini"] = maker.file.bytes;
  User user;
  Removal removal(machine, user);
  ASSERT_EQ(removal.Load("C:\\W\\filog.ini"), LogLoad::kRead);
  EXPECT_TRUE(removal.RollBack());
  removal.Run();
  // No count: the uninstaller in the Windows folder stays.
  EXPECT_EQ(machine.calls,
            (Strings{"read-shared C:\\W\\Vantrel3.exe", "delete-file C:\\W\\filog.ini"}));
}

// What the machine refuses becomes a leftover of its kind, and the removal
// goes on with the next record.
TEST(Removal, RefusalsAreLeftoversOfTheirKind) {
  const std::vector<KindCase> cases = EveryKind();
  LogMaker maker;
  MemoryMachine machine;
  Prepare(machine, &maker);
  for (const KindCase& c : cases)
    if (!c.calls.empty()) machine.answers[c.calls.back()] = {Change::kFailed};
  machine.missing.insert("C:\\gone.txt");
  User user;
  Removal removal(machine, user);
  ASSERT_EQ(removal.Load(kLog), LogLoad::kRead);
  removal.Run();
  std::vector<LeftoverKind> kinds;
  for (const Leftover& l : removal.Leftovers()) kinds.push_back(l.kind);
  using K = LeftoverKind;
  EXPECT_EQ(kinds,
            (std::vector<K>{K::kSharedUse,   K::kFile,        K::kIniSection,  K::kIniSection,
                            K::kNotRestored, K::kKey,         K::kValue,       K::kValue,
                            K::kValue,       K::kKey,         K::kItem,        K::kGroup,
                            K::kItem,        K::kGroup,       K::kIniEntry,    K::kIniEntry,
                            K::kIniEntry,    K::kIniFile,     K::kNotRestored, K::kFile,
                            K::kNotRestored, K::kNotRestored, K::kFile}));
}

std::map<std::string, uint32_t> Counts(const MemoryMachine& machine) {
  std::map<std::string, uint32_t> counts;
  for (const auto& use : machine.shared) counts[use.first] = use.second.count;
  return counts;
}

// A removal cut off after any number of records and started again (as
// often as it takes) asks of the machine exactly what one whole removal
// does: each record once, the logs of the chain cut back as it goes, and
// then deleted. One started after the end finds no log and changes nothing.
TEST(Removal, ARemovalCutOffAnywhereGoesOnWhereItStopped) {
  const std::string bak = "C:\\App\\filog.bak";
  LogMaker head, earlier;
  for (const KindCase& c : EveryKind()) head.Add(c.write);
  // As setup writes it: the uninstaller first, then the folder that holds
  // the log, so that a run can end between the two.
  earlier.Add([](OperationRecorder& r) { r.FileCopied("A:\\V.EX_", "C:\\W\\v.exe", 0); });
  earlier.Add([](OperationRecorder& r) { r.DirCreated("C:\\App"); });
  earlier.Add([](OperationRecorder& r) { r.FileCopied("A:\\S.DL_", "C:\\SYS\\s.dll", 0); });
  auto fresh = [&](MemoryMachine& machine) {
    Prepare(machine);
    machine.files[kLog] = head.Finalised("filog.bak");
    machine.files[bak] = earlier.Finalised();
  };
  MemoryMachine whole;
  fresh(whole);
  User user;
  Removal once(whole, user);
  ASSERT_EQ(once.Load(kLog), LogLoad::kRead);
  const int records = once.RecordCount();
  once.Run();
  ASSERT_TRUE(once.Leftovers().empty());

  for (int every = 1; every <= records; ++every) {
    SCOPED_TRACE(every);
    MemoryMachine machine;
    fresh(machine);
    int runs = 0;
    for (;;) {
      Removal removal(machine, user);
      ASSERT_EQ(removal.Load(kLog), LogLoad::kRead);
      removal.StopAfter(every);
      removal.Run();
      ++runs;
      if (!removal.Stopped()) break;
      ASSERT_LE(runs, records);
    }
    EXPECT_EQ(runs, (records + every - 1) / every);
    EXPECT_EQ(machine.calls, whole.calls);
    EXPECT_EQ(Counts(machine), Counts(whole));
    EXPECT_TRUE(machine.files.empty());
    Removal after(machine, user);
    EXPECT_EQ(after.Load(kLog), LogLoad::kMissing);
  }
}

// What a copy record asks: a file a usage count holds is released (and
// asked about only at 0), one that is this installation's own without a
// count is deleted, a shared one without a count stays.
TEST(Removal, ACopyIsDeletedOnlyWhenOursAndNoCountHoldsIt) {
  const struct {
    int32_t flag;
    bool counted;
    uint32_t count;
    Strings calls;
  } rows[] = {
      {1, false, 0, {"read-shared C:\\S\\f.dll", "delete-file C:\\S\\f.dll"}},
      {1, true, 2, {"read-shared C:\\S\\f.dll", "write-shared C:\\S\\f.dll 1 3"}},
      {0, true, 2, {"read-shared C:\\S\\f.dll", "write-shared C:\\S\\f.dll 1 3"}},
      {1,
       true,
       1,
       {"read-shared C:\\S\\f.dll", "delete-shared C:\\S\\f.dll", "exists C:\\S\\f.dll",
        "delete-file C:\\S\\f.dll"}},
      {0, false, 0, {"read-shared C:\\S\\f.dll"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.calls.back());
    LogMaker maker;
    const int32_t flag = row.flag;
    maker.Add([flag](OperationRecorder& r) { r.FileCopied("A:\\F.DL_", "C:\\S\\f.dll", flag); });
    MemoryMachine machine;
    machine.files[kLog] = maker.Finalised();
    if (row.counted) machine.shared["C:\\S\\f.dll"] = SharedUse{row.count, 3};
    User user;
    user.answers = {SharedAnswer::kYes};
    Removal removal(machine, user);
    ASSERT_EQ(removal.Load(kLog), LogLoad::kRead);
    removal.Run();
    Strings expected = row.calls;
    expected.push_back("delete-file " + kLog);
    expected.push_back("remove-folder C:\\App");
    EXPECT_EQ(machine.calls, expected);
  }
}

// A font file goes only when this log copied it (its own flag, no count);
// the font is unloaded either way.
TEST(Removal, AFontFileGoesOnlyWhenThisLogCopiedIt) {
  const struct {
    bool copied;
    int32_t flag;
    bool counted;
    bool deleted;
  } rows[] = {{true, 1, false, true},
              {false, 1, false, false},
              {true, 0, false, false},
              {true, 1, true, false}};
  for (const auto& row : rows) {
    LogMaker maker;
    const std::string font = "C:\\W\\FONTS\\f.ttf";
    if (row.copied)
      maker.Add([&](OperationRecorder& r) { r.FileCopied("A:\\F.TT_", font.c_str(), 0); });
    const int32_t flag = row.flag;
    maker.Add([&](OperationRecorder& r) { r.FontInstalled(font.c_str(), flag); });
    MemoryMachine machine;
    machine.files[kLog] = maker.Finalised();
    if (row.counted) machine.shared[font] = SharedUse{3, 3};
    User user;
    Removal removal(machine, user);
    ASSERT_EQ(removal.Load(kLog), LogLoad::kRead);
    removal.Run();
    const bool deleted = std::find(machine.calls.begin(), machine.calls.end(),
                                   "delete-file " + font) != machine.calls.end();
    EXPECT_EQ(deleted, row.deleted) << row.copied << row.flag << row.counted;
    EXPECT_EQ(machine.calls.front(), "remove-font " + font);
  }
}

// A setup cancelled into a folder that holds an earlier installation: its
// roll-back keeps what the folder's finalised log (and its chain) lists,
// releases the counts it raised, and takes back all else.
TEST(Removal, ARollBackKeepsWhatAnEarlierInstallationNeeds) {
  const std::string rollBack = "C:\\W\\filog.ini", first = "C:\\App\\filog.ini";
  const std::string oldest = "C:\\App\\filog.bak";
  LogMaker second;
  for (const char* path : {"C:\\App\\k.exe", "C:\\App\\new.txt", "C:\\App\\old.hlp"})
    second.Add([path](OperationRecorder& r) { r.FileCopied("A:\\X", path, 1); });
  second.Add([](OperationRecorder& r) { r.FileCopied("A:\\S", "C:\\SYS\\s.dll", 0); });
  MemoryMachine machine;
  machine.files[rollBack] = second.file.bytes;
  machine.files[first] =
      LogMaker()
          .Add([](OperationRecorder& r) { r.FileCopied("A:\\X", "c:\\app\\K.EXE", 1); })
          .Add([](OperationRecorder& r) { r.FileCopied("A:\\S", "C:\\SYS\\s.dll", 0); })
          .Finalised("filog.bak");
  machine.files[oldest] =
      LogMaker()
          .Add([](OperationRecorder& r) { r.FileCopied("A:\\X", "C:\\App\\old.hlp", 1); })
          .Finalised();
  machine.shared["C:\\SYS\\s.dll"] = SharedUse{1, 3};
  User user;
  Removal removal(machine, user);
  ASSERT_EQ(removal.Load(rollBack), LogLoad::kRead);
  ASSERT_TRUE(removal.RollBack());
  removal.Run();
  EXPECT_EQ(machine.calls, (Strings{"read-shared C:\\SYS\\s.dll", "delete-shared C:\\SYS\\s.dll",
                                    "read-shared C:\\App\\old.hlp", "read-shared C:\\App\\new.txt",
                                    "delete-file C:\\App\\new.txt", "read-shared C:\\App\\k.exe",
                                    "delete-file " + rollBack}));
  EXPECT_TRUE(user.asked.empty());
  EXPECT_TRUE(machine.files.count(first) && machine.files.count(oldest));
}

// A chain can name every backup name there is: filog.bak, then filog.000 to
// filog.999, all 1002 logs read.
TEST(Removal, AChainOfEveryBackupNameIsReadWhole) {
  MemoryMachine machine;
  std::vector<std::string> names = {"filog.ini", "filog.bak"};
  for (int i = 0; i < 1000; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "filog.%03d", i);
    names.push_back(name);
  }
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string next = i + 1 < names.size() ? names[i + 1] : "";
    machine.files["C:\\App\\" + names[i]] =
        LogMaker()
            .Add([](OperationRecorder& r) { r.DirCreated("C:\\App"); })
            .Finalised(next.c_str());
  }
  User user;
  Removal removal(machine, user);
  ASSERT_EQ(removal.Load(kLog), LogLoad::kRead);
  EXPECT_EQ(removal.RecordCount(), static_cast<int>(kMostChainedLogs));
  EXPECT_TRUE(removal.Leftovers().empty());
}

// A folder that holds nothing but files that go at the next restart goes
// then too, and is no leftover; one that holds anything else stays and is.
TEST(Removal, AFolderOfFilesInUseGoesAtTheNextRestart) {
  for (bool alone : {true, false}) {
    LogMaker maker;
    maker.Add([](OperationRecorder& r) { r.DirCreated("C:\\App"); });
    maker.Add([](OperationRecorder& r) { r.FileCopied("A:\\X", "C:\\App\\held.exe", 1); });
    MemoryMachine machine;
    machine.files["C:\\W\\filog.ini"] = maker.Finalised();
    machine.answers["delete-file C:\\App\\held.exe"] = {Change::kInUse};
    machine.answers["remove-folder C:\\App"] = {Change::kKept};
    machine.folders["C:\\App"] = alone ? Strings{"HELD.EXE"} : Strings{"held.exe", "mine.txt"};
    User user;
    Removal removal(machine, user);
    ASSERT_EQ(removal.Load("C:\\W\\filog.ini"), LogLoad::kRead);
    removal.Run();
    EXPECT_TRUE(removal.RestartNeeded());
    const bool scheduled = std::find(machine.calls.begin(), machine.calls.end(),
                                     "folder-at-restart C:\\App") != machine.calls.end();
    EXPECT_EQ(scheduled, alone);
    EXPECT_EQ(removal.Leftovers().size(), alone ? 0u : 1u);
  }
}

}  // namespace
