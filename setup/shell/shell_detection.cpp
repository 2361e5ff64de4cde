#include "shell/shell_detection.h"

#include "shell/dde_conversation.h"

namespace {

constexpr char kWinLogonKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\WinLogon";
constexpr int kShellChars = 260;

}  // namespace

void DetectShell(ShellInfo& info, RegistryText& registry) {
  ShellInfo platform;
  DetectPlatform(platform);
  char shell[kShellChars] = {0};
  const bool read = platform.platformKind == kPlatformNt &&
                    registry.ReadString(kRootLocalMachine, kWinLogonKey, "", shell, kShellChars);
  info = ShellFromPlatform(platform.platformKind, platform.major, platform.minor,
                           read ? shell : nullptr);
}

void EarlyProgramManagerContact(const ShellInfo& info) {
  if (info.major != 3 || info.minor != 95) return;
  DdeClient client;
  if (!client.Initialize(APPCMD_CLIENTONLY)) return;
  DdeConversation conversation(client);
  if (conversation.ConnectProgramManager()) conversation.Disconnect();
}
