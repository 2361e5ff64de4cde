// The script of a product: welcome, components, folder, copy, Program
// Manager items, registry values, completion. Any step that answers false
// ends it with kSetupFailed, without the completion box.
#include "app/setup_application.h"

#include <cstdio>

#include "base/message_text.h"
#include "fileops/shared_count.h"
#include "resources/string_ids.h"
#include "ui/options/component_selection.h"
#include "ui/dialogs/ctl3d.h"
#include "ui/prompts/folder_prompt.h"
#include "ui/dialogs/message_dialog.h"

namespace {

constexpr int kWelcomeHelpContext = 1;
constexpr int kFolderHelpContext = 6;

template <int N>
bool CopyText(char (&field)[N], const char* text) {
  const int written = std::snprintf(field, N, "%s", text);
  return written >= 0 && written < N;
}

}  // namespace

int SetupApplication::Run() {
  const bool registered = Register3dControls();
  CreateBackgroundControls();
  int result = kSetupFailed;
  if (FillDirectories() && Welcome() && SelectComponents() && AskFolder() && CopyPhase() &&
      ProgramItemsPhase() && RegistryPhase())
    result = CompletionBox();
  DestroyBackgroundControls();
  if (registered) Unregister3dControls();
  return result;
}

bool SetupApplication::FillDirectories() {
  ProductDirectories& folders = product_.Directories();
  const UINT windows = GetWindowsDirectoryA(folders.windows, kDirectoryChars);
  return CopyText(folders.source, SourceDirectory()) && windows != 0 &&
         windows < static_cast<UINT>(kDirectoryChars) &&
         SharedFolder(folders.system, sizeof folders.system);
}

bool SetupApplication::Welcome() {
  SetupString line1, line2, line3, install, dontInstall, title;
  LoadMessage(line1, kStrWelcomeLine1);
  LoadMessage(line2, kStrWelcomeLine2);
  LoadMessage(line3, kStrPressEnterToContinue);
  LoadMessage(install, kStrInstall);
  LoadMessage(dontInstall, kStrDontInstall);
  LoadMessage(title, kStrWelcomeTitle);
  MessageDialog box;
  box.SetText("%s\n%s\n%s\n%s\n%s", line1.Text(), line2.Text(), line3.Text(), "",
              product_.CopyrightLine());
  box.SetOwnIcon("ICONFINSTALL");
  box.SetLabels(install.Text(), dontInstall.Text());
  box.SetCancelButton(1);
  box.SetHelp(Help(), kWelcomeHelpContext);
  return box.Show(Background(), title.Text()) == 0;
}

// A product that offers no components shows no selection.
bool SetupApplication::SelectComponents() {
  return RunComponentSelection(product_.Tables(), *this, operations_, operations_, *this,
                               Background(), Help());
}

void SetupApplication::SetOptionState(int option, int state) {
  if (option >= 0 && option < options_.Count()) options_[option] = state;
}

void SetupApplication::SetSelected(ChoiceList list, int index, int flag) {
  Selection* lists[] = {&files_, &items_, &iniEntries_, &registryEntries_};
  Selection& selection = *lists[list];
  if (index >= 0 && index < selection.Count()) selection[index] = flag;
}

bool SetupApplication::AskFolder() {
  requiredK_ = static_cast<int>(RequiredSpace());
  FolderPrompt prompt;
  prompt.helpContext = kFolderHelpContext;
  prompt.folder = 1;
  prompt.checkSpace = 1;
  prompt.required = static_cast<unsigned>(requiredK_);
  CopyText(prompt.initial, product_.DefaultFolder());
  const unsigned lines[kPromptLines] = {kStrFolderLine1, kStrFolderLine2, kStrFolderLine3,
                                        kStrPressEnterForDefault};
  for (int i = 0; i < kPromptLines; ++i) {
    SetupString text;
    LoadMessage(text, lines[i]);
    CopyText(prompt.lines[i], text.Text());
  }
  if (!RunFolderPrompt(operations_, operations_, *this, Background(), Help(), prompt)) return false;
  return CopyText(product_.Directories().install, prompt.answer);
}
