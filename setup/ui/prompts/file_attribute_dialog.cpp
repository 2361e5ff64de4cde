#include "ui/prompts/file_attribute_dialog.h"

#include "base/message_text.h"
#include "base/path_buffer.h"
#include "base/version_stamp.h"
#include "ui/prompts/model/attribute_text.h"
#include "ui/prompts/help_dialog.h"
#include "ui/dialogs/message_dialog.h"
#include "ui/dialogs/message_pump.h"
#include "ui/prompts/process_help.h"
#include "resources/dialog_ids.h"

#include <cstdio>

namespace {

constexpr int kAttributeHelpContext = 5;
constexpr int kLanguageChars = 60;  // the platform's name, at most 59 characters

const char* NameFromTable(unsigned id, char* text, int size) {
  if (!text || size <= 0) return text;
  SetupString name;
  LoadMessage(name, id);
  std::snprintf(text, static_cast<std::size_t>(size), "%s", name.Text());
  return text;
}

class FileAttributeDialog : public HelpDialog {
 public:
  FileAttributeDialog(const char* source, const VersionStamp& sourceStamp, PathBuffer& target,
                      const VersionStamp& targetStamp, ContextHelp* help)
      : HelpDialog(help),
        source_(source),
        sourceStamp_(sourceStamp),
        target_(target),
        targetStamp_(targetStamp) {}

 private:
  void OnInit() override {
    HWND dialog = Handle();
    FillSide(kAttributeSourceFirst, source_ ? source_ : "", sourceStamp_);
    SendDlgItemMessageA(dialog, kAttributeTargetFirst, EM_LIMITTEXT, PathBuffer::kMaxLength, 0);
    FillSide(kAttributeTargetFirst, target_.Get(), targetStamp_);
    RegisterHelp(kAttributeHelpContext);
    CentreOnOwner(dialog);
  }

  void FillSide(int first, const char* path, const VersionStamp& stamp) {
    HWND dialog = Handle();
    char text[kLanguageChars];
    SetDlgItemTextA(dialog, first, path);
    SetDlgItemTextA(dialog, first + 1, FileTypeName(stamp.type, text, sizeof text));
    SetDlgItemTextA(dialog, first + 2, FileSubtypeName(stamp.subtype, text, sizeof text));
    text[0] = '\0';
    VerLanguageNameA(stamp.language, text, sizeof text);
    text[sizeof text - 1] = '\0';
    SetDlgItemTextA(dialog, first + 3, text);
    FormatCharacterSet(stamp.characterSet, text, sizeof text);
    SetDlgItemTextA(dialog, first + 4, text);
    FormatFileVersion(stamp.versionMs, stamp.versionLs, text, sizeof text);
    SetDlgItemTextA(dialog, first + 5, text);
  }

  bool OnCommand(int id) override {
    switch (id) {
      case IDOK: {
        char typed[PathBuffer::kCapacity];
        GetDlgItemTextA(Handle(), kAttributeTargetFirst, typed, sizeof typed);
        if (target_.Set(typed))
          EndDialog(Handle(), kAttributeCopy);
        else
          ShowOutOfMemory();
        return true;
      }
      case IDCANCEL:
        EndDialog(Handle(), kAttributeSkip);
        return true;
      case kAttributeHelp:
        ShowHelp();
        return true;
      default:
        return false;
    }
  }

  const char* source_;
  const VersionStamp& sourceStamp_;
  PathBuffer& target_;
  const VersionStamp& targetStamp_;
};

}  // namespace

int ShowFileAttributeDialog(HWND owner, const char* source, const VersionStamp& sourceStamp,
                            PathBuffer& target, const VersionStamp& targetStamp) {
  FileAttributeDialog dialog(source, sourceStamp, target, targetStamp, ProcessHelp());
  INT_PTR end = RunModalDialog(dialog, owner, MAKEINTRESOURCEA(kDlgFileAttribute));
  if (end == -1 || !dialog.Initialised()) return kAttributeNoDialog;
  return end == kAttributeCopy ? kAttributeCopy : kAttributeSkip;
}

const char* FileTypeName(unsigned long type, char* text, int size) {
  return NameFromTable(FileTypeStringId(type), text, size);
}

const char* FileSubtypeName(unsigned long subtype, char* text, int size) {
  return NameFromTable(FileSubtypeStringId(subtype), text, size);
}
