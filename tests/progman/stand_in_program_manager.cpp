#include "stand_in_program_manager.h"

#include "file_bytes.h"
#include "test_folder.h"

std::string StandInProgramManager::CommandLine(const std::string& refuse) {
  static unsigned serial = 0;
  const std::string temp = TempFolder();
  if (temp.empty()) return "";
  state_ = temp + "hvt-progman-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++serial) + ".txt";
  DeleteFileA(state_.c_str());
  return "\"" + uidriver::BesideTest("progman_server.exe") + "\" \"" + state_ + "\"" +
         (refuse.empty() ? "" : " --refuse " + refuse) + " --name " + name_;
}

bool StandInProgramManager::Start(const std::string& refuse) {
  const std::string command = CommandLine(refuse);
  // The first program of a fresh Wine session waits for the session's own
  // services to start.
  return !command.empty() && process_.Start(command) &&
         uidriver::WaitUntil([&] { return State().find("conversations: ") == 0; }, 40000);
}

DWORD StandInProgramManager::ServingProcess() const {
  DWORD id = 0;
  if (HWND window = FindWindowA(name_.c_str(), nullptr)) GetWindowThreadProcessId(window, &id);
  return id;
}

void StandInProgramManager::Stop() {
  process_.Kill();
  if (!state_.empty()) DeleteFileA(state_.c_str());
}

std::string StandInProgramManager::State() const { return ReadFileBytes(state_); }

std::vector<std::string> StandInProgramManager::Commands() const {
  std::vector<std::string> commands;
  const std::string state = State();
  for (size_t at = 0; (at = state.find("command: ", at)) != std::string::npos;) {
    const size_t end = state.find('\n', at);
    commands.push_back(state.substr(at + 9, end - at - 9));
    at = end;
  }
  return commands;
}
