#include "forms/secondary_forms.h"

#include "commands/help.h"
#include "commands/tools.h"

namespace kelvane {

void NoticeForm::OnClick(int id) {
  if (id == ids::cmdOK) Hide();
}

void ErrorForm::OnClick(int id) {
  switch (id) {
    case ids::cmdScanDisk:
      // Whether or not ScanDisk could be started, control goes back to the
      // operation that showed the form, which then ends.
      StartTool(Tool::ScanDisk);
      Hide();
      break;
    case ids::cmdExitHaventide:
      cmdExit_Click(windows_);
      break;
    case ids::cmdCancel:
      Hide();
      break;
  }
}

void AboutForm::OnClick(int id) {
  switch (id) {
    case ids::cmdOK:
      Hide();
      break;
    case ids::cmdSysInfo:
      StartSysInfo();
      break;
  }
}

std::unique_ptr<Form> MakeSecondaryForm(FormId id, ProgramWindows& windows) {
  switch (id) {
    case FormId::About:
      return std::make_unique<AboutForm>();
    case FormId::Error:
      return std::make_unique<ErrorForm>(windows);
    default:
      return std::make_unique<NoticeForm>(id);
  }
}

}  // namespace kelvane
