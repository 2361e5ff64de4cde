#include "shared_file_dialog.h"

#include "resource_ids.h"

namespace {

// The dialog's object: the path it names.
struct SharedFileDialog {
  std::string path;
};

INT_PTR CALLBACK SharedFileProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const auto* dialog = reinterpret_cast<const SharedFileDialog*>(lParam);
      SetDlgItemTextA(window, kDlgSharedPath, dialog->path.c_str());
      SetForegroundWindow(window);
      // Enter keeps the file, as the default button says.
      SetFocus(GetDlgItem(window, IDNO));
      return FALSE;
    }
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDYES:
        case IDNO:
        case kDlgYesToAll:
        case kDlgNoToAll:
          EndDialog(window, LOWORD(wParam));
          return TRUE;
        case IDCANCEL:
          EndDialog(window, IDNO);
          return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

SharedAnswer AskRemoveSharedFile(HWND owner, const std::string& path) {
  SharedFileDialog dialog{path};
  switch (DialogBoxParamA(GetModuleHandleA(nullptr), "SHAREDFILE", owner, SharedFileProc,
                          reinterpret_cast<LPARAM>(&dialog))) {
    case IDYES:
      return SharedAnswer::kYes;
    case kDlgYesToAll:
      return SharedAnswer::kYesToAll;
    case kDlgNoToAll:
      return SharedAnswer::kNoToAll;
    default:
      return SharedAnswer::kNo;
  }
}
