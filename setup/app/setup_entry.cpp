#include "app/setup_entry.h"

#include <windows.h>

#include <memory>
#include <new>

#include "app/command_tail.h"
#include "app/setup_application.h"
#include "base/message_text.h"
#include "base/shell_info.h"
#include "fileops/copy_readers_writers.h"
#include "fileops/install_log_end.h"
#include "resources/string_ids.h"
#include "shell/shell_detection.h"
#include "ui/dialogs/engine_error_boxes.h"
#include "ui/dialogs/message_dialog.h"

namespace {

void ShowStringBox(unsigned id, const char* argument = nullptr) {
  SetupString text;
  LoadMessage(text, id);
  ShowErrorBox(nullptr, text.Text(), argument);
}

// The shell of this machine, read before any window exists.
void FillShellInfo() {
  EngineErrorBoxes boxes;
  FileOperations registry(boxes);
  registry.SetQuiet(true);
  DetectShell(CurrentShellInfo(), registry);
}

// The end of the run: the installation folder made and recorded, the log
// closed, then finalised into the folder or handed to the uninstaller.
int EndInstallation(SetupApplication& setup, int result) {
  PathBuffer folder;
  if (result != kSetupFailed &&
      (!setup.ProductDefinition().InstallDirectory(folder) || folder.Get()[0] == '\0' ||
       setup.Operations().CreateDirectoryTree(folder.Get()) != kFileOpOk ||
       setup.Operations().RecorderFailed()))
    result = kSetupFailed;
  setup.Operations().PopRecorder();
  setup.LogRecorder().Close();
  if (result == kSetupFailed)
    RollBackInstallation();
  else
    FinaliseInstallLog(folder.Get());
  return result;
}

}  // namespace

int RunSetupProgram(TableProduct& product) {
  FillShellInfo();
  char source[kDirectoryChars];
  switch (SourceDirectoryOf(CommandTail(GetCommandLineA()), source, sizeof source)) {
    case TailKind::kEmpty:
      ShowStringBox(kStrUsage);
      return kSetupInstalled;
    case TailKind::kTooLong:
      ShowStringBox(kStrSourceTooLong);
      return kSetupFailed;
    case TailKind::kDirectory:
      break;
  }
  std::unique_ptr<SetupApplication> setup(new (std::nothrow) SetupApplication(product));
  if (!setup) {
    ShowOutOfMemory();
    return kSetupFailed;
  }
  if (!setup->Initialise(source)) return kSetupFailed;

  HMODULE decompression = LoadLibraryA(kDecompressionLibrary);
  EarlyProgramManagerContact(CurrentShellInfo());
  int result = setup->Run();
  result = EndInstallation(*setup, result);
  setup.reset();
  if (decompression) FreeLibrary(decompression);
  return result;
}
