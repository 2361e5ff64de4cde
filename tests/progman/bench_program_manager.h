// The bench's Program Manager (progman_server.exe, beside the test program)
// started for one test and ended with it.
#pragma once

#include <string>
#include <vector>

#include "uidriver.h"

class BenchProgramManager {
 public:
  BenchProgramManager() = default;
  ~BenchProgramManager() { Stop(); }
  BenchProgramManager(const BenchProgramManager&) = delete;
  BenchProgramManager& operator=(const BenchProgramManager&) = delete;

  // Starts it, refusing the command named by refuse (empty: none), and
  // waits until it serves; false when it does not.
  bool Start(const std::string& refuse = "");
  // Ends it and removes its state file.
  void Stop();

  // Its state file: "conversations: N", then "command: ..." lines, then the
  // groups and their items.
  std::string State() const;
  // The commands it received, in order.
  std::vector<std::string> Commands() const;

 private:
  uidriver::Program process_;
  std::string state_;
};
