// Drives the whole removal over a machine in memory with arbitrary install
// logs (the input split at "\xff\xfe\xfd\xfc" into filog.ini, filog.bak and
// filog.000 of one folder), and aborts when the removal
// - sends Program Manager a command whose quotes or brackets are unpaired,
// - deletes a file that no complete FileCopied of those logs names,
// - lowers one file's usage count more than once for one record,
// or when the sanitizers find anything.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "core/removal.h"
#include "memory_machine.h"
#include "shell/progman_commands.h"

namespace {

const char* const kLogs[] = {"C:\\App\\filog.ini", "C:\\App\\filog.bak", "C:\\App\\filog.000"};

std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// One command as Program Manager would parse it: one pair of brackets
// around it, quotes in pairs.
void CheckCommand(const std::string& command) {
  if (command.empty()) return;  // refused: nothing is sent
  size_t quotes = 0, open = 0, close = 0;
  for (char c : command) {
    quotes += c == '"';
    open += c == '[';
    close += c == ']';
  }
  if (command.front() != '[' || command.back() != ']' || open != 1 || close != 1 || quotes % 2)
    std::abort();
}

class CheckedMachine : public MemoryMachine {
 public:
  std::set<std::string> copied;   // lower case: what complete FileCopied records name
  std::set<std::string> lowered;  // lower case: counts lowered for the record in hand
  void NextRecord() { lowered.clear(); }

  Change EraseFile(const std::string& path) override {
    CheckDeletion(path);
    return MemoryMachine::EraseFile(path);
  }
  bool DeleteAtRestart(const std::string& path) override {
    CheckDeletion(path);
    return MemoryMachine::DeleteAtRestart(path);
  }
  Change WriteSharedUse(const std::string& path, const SharedUse& use) override {
    const auto before = shared.find(path);
    if (before != shared.end() && use.count < before->second.count) Lowered(path);
    return MemoryMachine::WriteSharedUse(path, use);
  }
  Change DeleteSharedUse(const std::string& path) override {
    Lowered(path);
    return MemoryMachine::DeleteSharedUse(path);
  }
  Change DeleteGroup(const std::string& group) override {
    ShortCommand command;
    if (DeleteGroupCommand(group.c_str(), command)) CheckCommand(command.text);
    return MemoryMachine::DeleteGroup(group);
  }
  Change MakeGroup(const std::string& group) override {
    ShortCommand command;
    if (CreateGroupCommand(group.c_str(), 0, command)) CheckCommand(command.text);
    return MemoryMachine::MakeGroup(group);
  }
  Change DeleteItem(const std::string& group, const std::string& item) override {
    ShortCommand show, command;
    if (ShowGroupCommand(group.c_str(), 9, 0, show)) CheckCommand(show.text);
    if (DeleteItemCommand(item.c_str(), command)) CheckCommand(command.text);
    return MemoryMachine::DeleteItem(group, item);
  }
  Change PutItemBack(const std::string& group, const GroupItem& item) override {
    CheckCommand(AddItemCommand(item));
    return MemoryMachine::PutItemBack(group, item);
  }

 private:
  void CheckDeletion(const std::string& path) {
    for (const char* log : kLogs)
      if (path == log) return;
    if (!copied.count(Lower(path))) std::abort();
  }
  void Lowered(const std::string& path) {
    if (!lowered.insert(Lower(path)).second) std::abort();
  }
};

struct User : RemovalUser {
  CheckedMachine* machine = nullptr;
  unsigned answers = 0;  // the shared-file answers, two bits each, in turn
  SharedAnswer RemoveSharedFile(const std::string&) override {
    const SharedAnswer answer = static_cast<SharedAnswer>(answers & 3u);
    answers = answers >> 2 | answers << 30;
    return answer;
  }
  void Progress(int, int, const std::string&) override { machine->NextRecord(); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const uint8_t kSplit[] = {0xFF, 0xFE, 0xFD, 0xFC};
  CheckedMachine machine;
  size_t at = 0;
  for (size_t log = 0; log < 3 && at <= size; ++log) {
    const uint8_t* end = data + size;
    const uint8_t* found =
        static_cast<const uint8_t*>(memmem(data + at, size - at, kSplit, sizeof kSplit));
    const uint8_t* stop = found ? found : end;
    machine.files[kLogs[log]].assign(data + at, stop);
    RemovalLog parsed;
    const std::vector<uint8_t>& bytes = machine.files[kLogs[log]];
    if (ParseRemovalLog(bytes.data(), bytes.size(), parsed)) {
      for (const LogRecord& record : parsed.records) {
        if (record.kind != LogOp::FileCopied || record.texts.size() < 2) continue;
        const std::string& path = record.texts[1];
        machine.copied.insert(Lower(path));
        // Some counted, some not; some missing.
        if (path.size() % 3)
          machine.shared[path] = SharedUse{static_cast<uint32_t>(path.size() % 4), 3};
        if (path.size() % 5 == 0) machine.missing.insert(path);
      }
    }
    if (!found) break;
    at = static_cast<size_t>(found - data) + sizeof kSplit;
  }
  User user;
  user.machine = &machine;
  user.answers = size > 0 ? data[0] * 0x01010101u : 0;
  for (int run = 0; run < 2; ++run) {
    Removal removal(machine, user);
    if (removal.Load(kLogs[0]) != LogLoad::kRead) break;
    // The first run stops halfway, as a power cut would; the second goes on.
    if (run == 0) removal.StopAfter(removal.RecordCount() / 2);
    removal.Run();
    if (!removal.Stopped()) break;
  }
  return 0;
}
