#include "ui/prompts/folder_prompt.h"

#include "base/abort_question.h"
#include "base/disk_space.h"
#include "base/failure_report.h"
#include "base/message_text.h"
#include "base/path_buffer.h"
#include "resources/dialog_ids.h"
#include "resources/string_ids.h"
#include "ui/prompts/model/folder_path.h"
#include "ui/prompts/help_dialog.h"
#include "ui/dialogs/message_dialog.h"
#include "ui/dialogs/message_pump.h"

#include <climits>
#include <cstdio>

namespace {

constexpr INT_PTR kEndAnswered = 0;
constexpr INT_PTR kEndCancelled = 1;

// The record's fields are filled by others: a field without its NUL is read
// no further than its own size.
int FieldLength(const char* field) {
  int length = 0;
  while (length < kPromptChars - 1 && field[length]) ++length;
  return length;
}

unsigned long WholeKilobytes(double kilobytes) {
  if (kilobytes <= 0) return 0;
  if (kilobytes >= static_cast<double>(ULONG_MAX)) return ULONG_MAX;
  return static_cast<unsigned long>(kilobytes);
}

class FolderPromptDialog : public HelpDialog {
 public:
  FolderPromptDialog(DiskSpace& disk, ContextHelp* help, FolderPrompt& record)
      : HelpDialog(help), disk_(disk), record_(record) {}

 private:
  void OnInit() override {
    HWND dialog = Handle();
    const FolderPrompt& r = record_;
    char lines[kPromptLines * kPromptChars];
    std::snprintf(lines, sizeof lines, "%.*s\n%.*s\n%.*s\n%.*s", FieldLength(r.lines[0]),
                  r.lines[0], FieldLength(r.lines[1]), r.lines[1], FieldLength(r.lines[2]),
                  r.lines[2], FieldLength(r.lines[3]), r.lines[3]);
    SetDlgItemTextA(dialog, kFolderPromptLines, lines);

    // The answer holds at most what the edit field lets the user type.
    SendDlgItemMessageA(dialog, kFolderPromptAnswer, EM_LIMITTEXT, kPromptChars - 1, 0);
    char initial[kPromptChars];
    std::snprintf(initial, sizeof initial, "%.*s", FieldLength(r.initial), r.initial);
    SetDlgItemTextA(dialog, kFolderPromptAnswer, initial);

    SetupString caption;
    if (r.folder) {
      SetupString directory;
      LoadMessage(directory, kStrDirectory);
      FormatMessageText(caption, kStrEnterCaption, directory.Text());
    }
    SetWindowTextA(dialog, caption.Text());

    RegisterHelp(r.helpContext);
    CentreOnOwner(dialog);
  }

  bool OnCommand(int id) override {
    switch (id) {
      case IDOK:
        OnOk();
        return true;
      case IDCANCEL:
        EndDialog(Handle(), kEndCancelled);
        return true;
      case kFolderPromptHelp:
        ShowHelp();
        return true;
      default:
        return false;
    }
  }

  void OnOk() {
    HWND dialog = Handle();
    GetDlgItemTextA(dialog, kFolderPromptAnswer, record_.answer, kPromptChars);
    if (record_.folder) {
      NormaliseFolderPath(record_.answer, kPromptChars);
      if (record_.checkSpace && !SpaceAccepted()) return;
    }
    EndDialog(dialog, kEndAnswered);
  }

  // False keeps the dialog open: the volume reports no free space, or the
  // user declined to go on with too little of it.
  bool SpaceAccepted() {
    char root[PathBuffer::kCapacity];
    double free = 0;
    if (!FolderVolumeRoot(record_.answer, root, sizeof root) || !disk_.FreeSpace(root, free)) {
      SetupString text;
      LoadMessage(text, kStrDirInvalid);
      ShowErrorBox(Handle(), "%s", text.Text());
      return false;
    }
    if (static_cast<double>(record_.required) <= free) return true;
    return AskSpace(WholeKilobytes(free));
  }

  // "Space Not Enough": "&No" first and default, "&Yes" second, no cancel
  // button, so Escape and Close leave the question open.
  bool AskSpace(unsigned long free) {
    SetupString text, title, no, yes;
    FormatMessageText(text, kStrSpaceQuestion, static_cast<unsigned long>(record_.required), free);
    LoadMessage(title, kStrSpaceTitle);
    LoadMessage(no, kStrNo);
    LoadMessage(yes, kStrYes);
    MessageDialog box;
    box.SetText("%s", text.Text());
    box.SetSystemIcon(MB_ICONQUESTION);
    box.SetLabels(no.Text(), yes.Text());
    return box.Show(Handle(), title.Text(), true) == 1;
  }

  DiskSpace& disk_;
  FolderPrompt& record_;
};

}  // namespace

bool RunFolderPrompt(FailureReport& reports, DiskSpace& disk, AbortQuestion& abort, HWND owner,
                     ContextHelp* help, FolderPrompt& record) {
  for (;;) {
    FolderPromptDialog dialog(disk, help, record);
    INT_PTR end = RunModalDialog(dialog, owner, MAKEINTRESOURCEA(kDlgFolderPrompt));
    if (end == -1 || !dialog.Initialised()) {
      reports.Report(kFileOpGeneral, kStrCannotOpenDialog);
      return false;
    }
    if (end == kEndAnswered) return true;
    // Cancel, or the window closed by other means: the abort question.
    if (abort.ConfirmAbort(owner)) return false;
  }
}
