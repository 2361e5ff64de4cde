// The folder prompt (template 100): asks for the destination folder, or in
// its plain form for any text. A folder answer is normalised; with the
// space check, its volume must report its free space, and too little of it
// is questioned ("Space Not Enough").
#pragma once

#include <windows.h>

class AbortQuestion;
class ContextHelp;
class DiskSpace;
class FailureReport;

constexpr int kPromptChars = 256;  // each text field, NUL included
constexpr int kPromptLines = 4;

struct FolderPrompt {
  int helpContext = 0;               // registered with the help object while open
  int folder = 0;                    // non-zero: "Enter Directory", path checks
  int checkSpace = 0;                // non-zero: compare free space with required
  unsigned int required = 0;         // K (1024 bytes)
  char answer[kPromptChars] = {0};   // output
  char initial[kPromptChars] = {0};  // the edit field's first text
  char lines[kPromptLines][kPromptChars] = {};
};

// True when answered (record.answer holds the text), false when the dialog
// cannot be opened (reported "Unable to open the dialog", code 1) or Cancel
// led to a confirmed abort question (asked with owner). After an abort
// question answered No the dialog opens again with the initial text. The
// space check asks disk. help may be null.
bool RunFolderPrompt(FailureReport& reports, DiskSpace& disk, AbortQuestion& abort, HWND owner,
                     ContextHelp* help, FolderPrompt& record);
