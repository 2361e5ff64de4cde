// What a run of the setup engine ends with (its exit code), and the
// decisions of the completion box that lead to it. Platform-free.
#pragma once

enum SetupResult {
  kSetupInstalled = 0,       // also: the usage box was shown
  kSetupFailed = 1,          // failed, cancelled or abandoned
  kSetupRestartWindows = 2,  // installed; the user chose to restart Windows
  kSetupRestartDos = 4,      // installed; the user chose to restart DOS
  kSetupRestartBoth = 5,     // installed; the user confirmed the combined restart
};

// Which completion box a product of restart kind 3 gets: 0 none needed,
// 1 Windows, 2 DOS, 3 both. A file replaced at the next restart needs
// Windows restarted on top of whatever else is needed.
int DecideRestartKind(bool systemIniChanged, bool dosRestart, bool replacedAtRestart);

// The result a completion box of kind leaves, from the index of the button
// pressed (-1: the box could not be shown) and the result before it.
int CompletionResult(int kind, int button, int before);
