#include "app/setup_application.h"

#include <cstdio>
#include <new>

#include "app/phase_scopes.h"
#include "base/message_text.h"
#include "fileops/path_names.h"
#include "resources/string_ids.h"
#include "ui/gauges/activity_meter.h"
#include "ui/background/model/button_model.h"
#include "ui/dialogs/context_help.h"
#include "ui/dialogs/message_dialog.h"
#include "ui/dialogs/message_pump.h"

namespace {

constexpr int kAbortHelpContext = 4;
constexpr char kHelpViewerTitle[] = "Installation Online Help";

// The folder of the program's own file.
bool ModuleDirectory(PathBuffer& directory) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  return path_names::DirectoryOf(path, directory);
}

}  // namespace

bool Selection::Allocate(int count) {
  count_ = 0;
  flags_.reset(new (std::nothrow) int[count > 0 ? count : 1]);
  if (!flags_) return false;
  count_ = count > 0 ? count : 0;
  for (int i = 0; i < count_; ++i) flags_[i] = 1;
  return true;
}

SetupApplication::SetupApplication(TableProduct& product) : product_(product) {
  icon_.SetBackground(&background_);
  operations_.SetVersionQuestion(&versionQuestion_);
  operations_.SetIdleProgress(&idleProgress_);
}

SetupApplication::~SetupApplication() {
  DestroyBackgroundControls();
  help_.reset();  // tells the help viewer to quit
  background_.Destroy();
  icon_.Destroy();
  SetErrorMode(savedErrorMode_);
  // The viewer goes on its own time; its last messages still come here.
  while (FindWindowA(nullptr, kHelpViewerTitle)) {
    if (!PumpMessages(false)) Sleep(10);
  }
  if (recorderPushed_) operations_.PopRecorder();
  recorder_.Close();
  if (setupIcon_) DestroyIcon(setupIcon_);
}

ContextHelp* SetupApplication::Help() const { return help_.get(); }

bool SetupApplication::Initialise(const char* tail) {
  savedErrorMode_ = SetErrorMode(SEM_FAILCRITICALERRORS);
  PathBuffer moduleDirectory;
  ModuleDirectory(moduleDirectory);
  if (!sourceDirectory_.Set(tail)) return false;

  if (!product_.ProductName(productName_, sizeof productName_)) return false;
  titles_.SetProduct(&product_);

  char windows[MAX_PATH];
  const UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
  PathBuffer log;
  if (length == 0 || length >= MAX_PATH || !JoinPath(windows, kInstallLogName, log) ||
      !recorder_.OpenAt(log.Get(), productName_)) {
    operations_.Report(kFileOpGeneral, kStrNoRecorder);
    return false;
  }
  operations_.PushRecorder(recorder_);
  recorderPushed_ = true;

  if (!InitialiseProduct()) return false;

  if (!icon_.Create(operations_, productName_) || !background_.Create(operations_, productName_))
    return false;
  setupIcon_ = LoadIconA(GetModuleHandleA(nullptr), "ICONFINSTALL");
  ShowWindow(background_.Handle(), SW_SHOWNORMAL);
  UpdateWindow(background_.Handle());
  operations_.PushOwner(background_.Handle());

  PathBuffer helpFile;
  JoinPath(moduleDirectory.Get(), product_.HelpFileChoice() ? "setup.hlp" : "install.hlp",
           helpFile);
  help_.reset(new (std::nothrow) ContextHelp(helpFile.Get(), background_.Handle(), kHelpCommand));
  if (!help_ || !help_->Register(background_.Handle(), 0)) {
    operations_.Report(kFileOpGeneral, kStrNoHelpObject);
    return false;
  }
  background_.SetHelp(help_.get());
  return true;
}

bool SetupApplication::InitialiseProduct() {
  InstallInfo& product = product_;
  if (!options_.Allocate(product.OptionCount()) || !files_.Allocate(product.FileRowCount()) ||
      !items_.Allocate(product.ProgramItemCount()) ||
      !iniEntries_.Allocate(product.IniEntryCount()) ||
      !registryEntries_.Allocate(product.RegistryEntryCount())) {
    operations_.ReportOutOfMemory();
    return false;
  }
  requiredSpace_ = CopyRowBytes(product) * (1.0 / 1024);
  return true;
}

void SetupApplication::CreateBackgroundControls() {
  controls_.reset(new (std::nothrow) BackgroundControls(operations_, background_));
  if (!controls_) return;
  controls_->Create(0, 950, 950);
  controls_->Create(1, 950, 850);
  controls_->Create(2, 950, 750);
  controls_->Create(3, 100, 750);
}

void SetupApplication::DestroyBackgroundControls() { controls_.reset(); }

void SetupApplication::EnableMinimise(bool enable) { background_.EnableMinimiseButton(enable); }

bool SetupApplication::ConfirmAbort(HWND owner) {
  BusyScope idle(Meter(), 0);
  SetupString text, title;
  LoadMessage(text, kStrAbortQuestion);
  LoadMessage(title, kStrAbortTitle);
  MessageDialog box;
  box.SetText("%s", text.Text());
  box.SetSystemIcon(MB_ICONQUESTION);
  box.SetStandardButtons(kSetYesNo);
  box.SetCancelButton(1);
  box.SetHelp(help_.get(), kAbortHelpContext);
  return box.Show(operations_.Owner() ? operations_.Owner() : owner, title.Text()) == 0;
}
