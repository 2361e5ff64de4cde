// The main job's headless user: starts setup, answers each screen as a user
// pressing Enter would (keeping the machine's own newer files when asked),
// saves a picture of each screen, then starts the installed program through
// the command line of its Program Manager item and saves its picture too.
//   install_walkthrough.exe SETUP-COMMAND-LINE SCREENS-FOLDER PROGMAN-STATE-FILE
// Exit code: setup's, or 99 when a screen did not come.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "uidriver.h"

namespace {

constexpr DWORD kScreenMs = 60000;
constexpr char kProduct[] = "Configuration Haventide";

std::string g_screens;

// The whole screen, so a box is seen on the background it stands on. A
// window just shown may not have painted yet: a picture is a moment later.
void Picture(const char* name) {
  Sleep(300);
  const std::string path = g_screens + "\\" + name + ".bmp";
  if (uidriver::SaveWindowImage(GetDesktopWindow(), path))
    std::printf("screen: %s.bmp\n", name);
  else
    std::printf("screen %s could not be saved\n", name);
}

// Waits for the window, lets it paint, takes its picture and presses key.
bool Screen(DWORD pid, const char* title, const char* picture, UINT key = VK_RETURN) {
  HWND window = uidriver::WaitTopWindow(pid, title, "#32770", kScreenMs);
  if (!window) {
    std::printf("no window \"%s\" came\n", title);
    return false;
  }
  if (picture) Picture(picture);
  return key == 0 || uidriver::PressKey(window, key);
}

// The command line of the product's item, as the stand-in Program Manager
// keeps it ("item: group|name|command|...").
std::string ItemCommand(const std::string& stateFile) {
  std::ifstream state(stateFile);
  const std::string prefix = std::string("item: ") + kProduct + "|" + kProduct + "|";
  for (std::string line; std::getline(state, line);)
    if (line.rfind(prefix, 0) == 0)
      return line.substr(prefix.size(), line.find('|', prefix.size()) - prefix.size());
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::printf("usage: install_walkthrough SETUP-COMMAND-LINE SCREENS-FOLDER PROGMAN-STATE\n");
    return 2;
  }
  g_screens = argv[2];
  CreateDirectoryA(g_screens.c_str(), nullptr);
  uidriver::Program setup;
  if (!setup.Start(argv[1])) return 99;
  const DWORD pid = setup.Id();
  if (!Screen(pid, "Welcome", "1-welcome") || !Screen(pid, "Enter Directory", "2-folder"))
    return 99;
  // A newer file the machine holds is kept: the careful user's answer.
  bool progressSaved = false;
  for (;;) {
    if (!progressSaved) {
      if (HWND progress = uidriver::FindTopWindow(pid, kProduct, "#32770")) {
        Picture("3-progress");
        progressSaved = progress != nullptr;
      }
    }
    if (HWND question = uidriver::FindTopWindow(pid, "File Attribute Incompatible", "#32770")) {
      uidriver::AnswerMessageBox(question, "&Skip");
      continue;
    }
    if (uidriver::FindTopWindow(pid, "Installation Completed", "#32770")) break;
    if (!setup.Running()) break;
    Sleep(50);
  }
  if (setup.Running() && !Screen(pid, "Installation Completed", "4-complete")) return 99;
  DWORD code = 99;
  setup.WaitExit(kScreenMs, &code);
  std::printf("setup's exit code: %lu\n", code);

  const std::string command = ItemCommand(argv[3]);
  std::printf("the item's command line: %s\n", command.c_str());
  uidriver::Program installed;
  if (!command.empty() && installed.Start(command)) {
    if (uidriver::WaitTopWindow(installed.Id(), kProduct, nullptr, kScreenMs)) {
      Picture("5-kelvane");
    } else {
      std::printf("the installed program showed no window\n");
    }
    installed.Kill();
  }
  return static_cast<int>(code);
}
