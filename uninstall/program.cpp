// Vantrel3.exe: takes an installation back from its install log, named by
// the command line. A log still marked as being written is a roll-back
// (setup did not finish): no question. A finalised one is an uninstall: the
// user is asked first. Exit code 0 when everything was taken back, else 1.
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "base/shell_info.h"
#include "core/log_path.h"
#include "core/removal.h"
#include "final_text.h"
#include "message_box.h"
#include "progress_window.h"
#include "resource_ids.h"
#include "win32_machine.h"

namespace {

constexpr int kTakenBack = 0;
constexpr int kNotTakenBack = 1;
constexpr int kStoppedForTests = 3;

// The tests of a removal cut off and started again name how many records
// it takes before it ends as if the power had failed.
int StopAfterForTests() {
  char text[16] = "";
  const DWORD length = GetEnvironmentVariableA("HVT_REMOVAL_STOP_AFTER", text, sizeof text);
  if (length == 0 || length >= sizeof text) return -1;
  return atoi(text);
}

// Nothing was changed: the log named is not one to take back.
int Refuse(unsigned textId, const std::string& path) {
  ShowMessage(nullptr, LoadText(kStrCaptionPlain), MB_OK | MB_ICONSTOP,
              LoadText(textId, path.c_str()));
  return kNotTakenBack;
}

int Uninstall(const std::string& path) {
  std::unique_ptr<Win32Machine> machine(new (std::nothrow) Win32Machine);
  std::unique_ptr<ProgressWindow> window(new (std::nothrow) ProgressWindow);
  if (!machine || !window) return Refuse(kStrOutOfMemory, path);
  Removal removal(*machine, *window);
  switch (removal.Load(path)) {
    case LogLoad::kMissing:
      return Refuse(kStrLogMissing, path);
    case LogLoad::kUnreadable:
      return Refuse(kStrLogUnreadable, path);
    case LogLoad::kDamaged:
      return Refuse(kStrLogDamaged, path);
    case LogLoad::kRead:
      break;
  }
  const char* title = removal.Header().title.c_str();
  const std::string caption = LoadText(kStrCaption, title);
  if (!removal.RollBack() && ShowMessage(nullptr, caption, MB_YESNO | MB_ICONQUESTION,
                                         LoadText(kStrQuestion, title)) != IDYES)
    return kNotTakenBack;

  // Without its window the removal still runs; the boxes then have no owner.
  window->Open(caption, LoadText(removal.RollBack() ? kStrRollingBack : kStrRemoving, title));
  const int stopAfter = StopAfterForTests();
  if (stopAfter >= 0) removal.StopAfter(stopAfter);
  removal.Run();
  if (removal.Stopped()) ExitProcess(kStoppedForTests);
  machine->EndProgramManager();
  const bool whole = removal.Leftovers().empty() && machine->Refusals().empty();
  ShowMessage(window->Handle(), caption, whole ? MB_ICONINFORMATION : MB_ICONEXCLAMATION,
              FinalText(title, removal.Leftovers(), machine->Refusals(), removal.RestartNeeded()));
  window->Close();
  return whole ? kTakenBack : kNotTakenBack;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  DetectPlatform(CurrentShellInfo());
  const std::string path = LogPathOf(GetCommandLineA());
  if (path.empty()) {
    ShowMessage(nullptr, LoadText(kStrCaptionPlain), MB_OK | MB_ICONSTOP, LoadText(kStrUsage));
    return kNotTakenBack;
  }
  return Uninstall(path);
}
