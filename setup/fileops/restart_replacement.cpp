#include "fileops/restart_replacement.h"

RestartRenameCalls& RestartRenames() {
  static RestartRenameCalls calls = {MoveFileExA, WritePrivateProfileStringA};
  return calls;
}

bool ReplaceAtRestart(const char* temporary, const char* destination) {
  const RestartRenameCalls& calls = RestartRenames();
  if (calls.moveFileEx(temporary, destination, kReplaceAtRestartFlags)) return true;
  // wininit.ini lists each replacement as destination=source.
  return calls.writeProfileString(kWininitSection, destination, temporary, kWininitFile) != FALSE;
}
