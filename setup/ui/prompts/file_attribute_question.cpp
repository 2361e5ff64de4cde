#include "ui/prompts/file_attribute_question.h"

#include "ui/prompts/file_attribute_dialog.h"

int FileAttributeQuestion::Ask(HWND owner, const char* source, const VersionStamp& sourceStamp,
                               PathBuffer& target, const VersionStamp& targetStamp) {
  return ShowFileAttributeDialog(owner, source, sourceStamp, target, targetStamp);
}
