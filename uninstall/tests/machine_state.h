// The state of the test machine that an installation and its removal may
// change, to compare whole: every file and folder under C:\ with its
// attributes and size (and a file's time stamp), the registry as
// "regedit /E" exports it, without keys the system itself keeps changing,
// and the groups and items of the stand-in Program Manager.
#pragma once

#include <string>
#include <vector>

struct MachineState {
  std::vector<std::string> files;
  std::vector<std::string> registry;
  std::vector<std::string> groups;
};

// programManagerState: the stand-in's state file (its group and item lines
// are kept).
MachineState ReadMachineState(const std::string& programManagerState);

// The lines of a that are not in b, each prefixed; empty when the two
// states agree apart from what except names (lower case, a path or key).
std::vector<std::string> StateDifferences(const MachineState& a, const MachineState& b,
                                          const std::vector<std::string>& except = {});
