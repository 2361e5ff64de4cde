// The stand-in Program Manager (progman_server.exe, beside the test program)
// started for one test and ended with it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "uidriver.h"

class StandInProgramManager {
 public:
  // name: its window class and the DDE service and topic it serves.
  explicit StandInProgramManager(std::string name = "PROGMAN") : name_(std::move(name)) {}
  ~StandInProgramManager() { Stop(); }
  StandInProgramManager(const StandInProgramManager&) = delete;
  StandInProgramManager& operator=(const StandInProgramManager&) = delete;

  // Starts it, refusing the command named by refuse (empty: none), and
  // waits until it serves; false when it does not.
  bool Start(const std::string& refuse = "");
  // Ends it and removes its state file.
  void Stop();
  // The command line that starts it with a new state file, for a program
  // under test that starts it itself.
  std::string CommandLine(const std::string& refuse = "");
  // The process whose window serves as it; 0 when none does.
  DWORD ServingProcess() const;

  // Its state file: "conversations: N", then "command: ..." lines, then the
  // groups and their items.
  std::string State() const;
  // The commands it received, in order.
  std::vector<std::string> Commands() const;

 private:
  std::string name_;
  uidriver::Program process_;
  std::string state_;
};
