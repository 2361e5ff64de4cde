// The copy phase: the product's file list, row by row, in table order.
#include <cstdio>

#include "app/copy_progress.h"
#include "app/phase_scopes.h"
#include "app/setup_application.h"
#include "base/elapsed.h"
#include "base/message_text.h"
#include "fileops/copy_policies.h"
#include "fileops/copy_readers_writers.h"
#include "fileops/path_names.h"
#include "fileops/shared_count.h"
#include "resources/string_ids.h"
#include "ui/dialogs/message_dialog.h"
#include "ui/dialogs/message_pump.h"

namespace {

bool Exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }
bool Taken(const char* path, void*) { return Exists(path); }

// Sets a progress line from a string-table format and one argument.
void SetLine(ProgressDialog& dialog, int line, unsigned formatId, const char* argument) {
  SetupString format;
  LoadMessage(format, formatId);
  dialog.SetLine(line, format.Text(), argument);
}

// The policy a copy row names, built for this one copy.
class RowPolicy {
 public:
  RowPolicy(FileOperations& ops, const FileEntry& entry, InstallInfo& product)
      : recorded_(static_cast<uint32_t>(product.FileVersionHigh()),
                  static_cast<uint32_t>(product.FileVersionLow())),
        timeStamp_(ops),
        size_(entry.size),
        kind_(entry.policy) {}
  CopyPolicy* Get() {
    switch (kind_) {
      case kPolicyAlways:
        return &always_;
      case kPolicyVersion:
        return &version_;
      case kPolicyRecordedVersion:
        return &recorded_;
      case kPolicyTimeStamp:
        return &timeStamp_;
      case kPolicySize:
        return &size_;
      default:
        return nullptr;
    }
  }

 private:
  AlwaysCopyPolicy always_;
  VersionPolicy version_;
  RecordedVersionPolicy recorded_;
  TimeStampPolicy timeStamp_;
  SizePolicy size_;
  int kind_;
};

// A box of the backup row, owned by the progress dialog.
void BackupNotice(HWND owner, unsigned textId, const char* path, const char* backup) {
  SetupString format, title;
  LoadMessage(format, textId);
  LoadMessage(title, kStrBackupTitle);
  MessageDialog box;
  box.SetText(format.Text(), path, backup);
  box.SetSystemIcon(MB_ICONINFORMATION);
  box.SetStandardButtons(kSetOk);
  box.Show(owner, title.Text());
}

}  // namespace

bool SetupApplication::CopyPhase() {
  InstallInfo& product = product_;
  const int rows = product.FileRowCount();
  bool anySelected = false;
  for (int row = 0; row < rows; ++row) anySelected = anySelected || files_.Selected(row);
  if (rows <= 0 || !anySelected) return true;

  CopyProgress progress(product, files_, operations_, *this, icon_, background_.Handle(),
                        productName_);
  if (!progress.Start()) {
    operations_.Report(kFileOpGeneral, kStrNoProgressDialog);
    return false;
  }
  BusyScope busy(Meter(), 1);
  EnableMinimise(true);
  bool done = true;
  for (int row = 0; row < rows && done; ++row) {
    if (!files_.Selected(row)) continue;
    int install = 0;
    if (!product.InstallRow(row, install)) {
      done = false;
      break;
    }
    if (install == 0) {
      if (product.RowKind(row) == kRowCopy) {
        progress.BeginFile();
        progress.EndFile();
      }
      continue;
    }
    const DWORD started = GetTickCount();
    switch (product.RowKind(row)) {
      case kRowCopy:
        done = CopyRowStep(product, row, progress);
        break;
      case kRowRename:
        done = RenameRowStep(product, row, progress);
        break;
      case kRowDelete:
        done = DeleteRowStep(product, row, progress);
        break;
      case kRowBackup:
        done = BackupRowStep(product, row, progress, progress.Window());
        break;
      default:
        break;
    }
    if (done && operations_.RecorderFailed()) done = false;
    // The row stays on screen its minimum time; Cancel is served meanwhile.
    const DWORD minimum = static_cast<DWORD>(product.MinimumRowTime());
    while (done) {
      if (!PumpMessages(false)) Sleep(1);
      if (progress.TakeCancel() && ConfirmAbort(progress.Window())) done = false;
      if (TimeHasPassed(started, minimum, GetTickCount())) break;
    }
  }
  EnableMinimise(false);
  RestoreBackground();
  progress.Finish();
  return done;
}

bool SetupApplication::CopyRowStep(InstallInfo& product, int row, CopyProgress& progress) {
  FileEntry entry;
  if (!product.GetFileEntry(row, entry)) return false;
  PathBuffer source;
  unsigned textId = kStrCopying;
  if (entry.storedPlain) {
    source.Set(entry.source.Get());
  } else {
    if (!path_names::CompressedName(entry.source.Get(), source)) return false;
    textId = kStrDecompressing;
  }
  ProgressDialog& dialog = progress.Dialog();
  SetLine(dialog, 1, textId, entry.label);
  SetLine(dialog, 2, kStrFrom, source.Get());
  SetLine(dialog, 3, kStrTo, entry.destination.Get());
  if (!SourceCheck(source.Get(), entry.diskLabel)) return false;

  PlainReader plain;
  CompressedReader compressed;
  CreateWriter create;
  AppendWriter append;
  RowPolicy policy(operations_, entry, product);
  if (!policy.Get()) return false;
  CopyRequest request;
  request.timeStamp = 1;
  request.policy = policy.Get();
  request.reader = entry.storedPlain ? static_cast<SourceReader*>(&plain) : &compressed;
  request.writer = entry.append ? static_cast<DestWriter*>(&append) : &create;
  // What the machine already had is counted, and its font kept, as its own.
  const bool existed = Exists(entry.destination.Get());
  if (!MakeSharedCountKey(operations_, entry.destination.Get())) return false;
  // The progress dialog owns the boxes, the version question's included.
  const int result = operations_.CopyRecorded(source.Get(), entry.destination, entry.shared ? 0 : 1,
                                              request, progress);
  if (result == kCopyFailed || result == kCopyCancelled) return false;
  if (result == kCopyAtRestart) replacedAtRestart_ = 1;

  operations_.PushRecorder(NullRecorder::Instance());
  CountInstalledFile(operations_, entry.destination.Get(), existed);
  operations_.PopRecorder();

  const int32_t fontFlag = entry.shared || result == kCopySkipped ? 0 : 1;
  if (entry.font && !operations_.InstallFont(entry.destination.Get(), fontFlag)) return false;
  return true;
}

bool SetupApplication::RenameRowStep(InstallInfo& product, int row, CopyProgress& progress) {
  RenameRow record;
  if (!product.GetRenameRow(row, record)) return false;
  ProgressDialog& dialog = progress.Dialog();
  SetLine(dialog, 1, kStrRenaming, record.label);
  SetLine(dialog, 2, kStrFrom, record.from.Get());
  SetLine(dialog, 3, kStrTo, record.to.Get());
  if (Exists(record.from.Get())) {
    operations_.Move(record.from.Get(), record.to.Get());
    return true;
  }
  if (record.required == 0) return true;
  operations_.Report(kFileOpNotFound, kStrFileNotFound, record.from.Get());
  return false;
}

bool SetupApplication::DeleteRowStep(InstallInfo& product, int row, CopyProgress& progress) {
  DeleteRow record;
  if (!product.GetDeleteRow(row, record)) return false;
  ProgressDialog& dialog = progress.Dialog();
  SetLine(dialog, 1, kStrDeleting, record.label);
  dialog.SetLine(2, "%s", "");
  SetLine(dialog, 3, kStrFile, record.path.Get());
  operations_.Delete(record.path.Get());
  return true;
}

bool SetupApplication::BackupRowStep(InstallInfo& product, int row, CopyProgress& progress,
                                     HWND progressWindow) {
  BackupRow record;
  if (!product.GetBackupRow(row, record)) return false;
  ProgressDialog& dialog = progress.Dialog();
  SetLine(dialog, 1, kStrBackingUp, record.label);
  dialog.SetLine(2, "%s", "");
  SetLine(dialog, 3, kStrFile, record.path.Get());
  PathBuffer backup;
  if (!path_names::FirstFreeBackup(record.path.Get(), Taken, nullptr, backup)) return false;
  if (record.mode == kBackupAnnounce)
    BackupNotice(progressWindow, kStrBeingBackedUp, record.path.Get(), backup.Get());
  if (operations_.Move(record.path.Get(), backup.Get()))
    operations_.PlainCopy(backup.Get(), record.path.Get());
  if (record.mode == kBackupReport)
    BackupNotice(progressWindow, kStrBackedUp, record.path.Get(), backup.Get());
  return true;
}

bool SetupApplication::SourceCheck(const char* path, const char* diskLabel) {
  BusyScope idle(Meter(), 0);
  if (path_names::IsDriveOnly(path) || Exists(path)) return true;
  MessageBeep(MB_ICONASTERISK);
  SetupString format, title;
  LoadMessage(format, kStrInsertDisk);
  LoadMessage(title, kStrInsertDiskTitle);
  for (;;) {
    MessageDialog box;
    box.SetText(format.Text(), diskLabel);
    box.SetSystemIcon(MB_ICONINFORMATION);
    box.SetStandardButtons(kSetOkCancel);
    box.SetCancelButton(1);
    box.SetHelp(Help(), 3);
    const int button = box.Show(operations_.Owner(), title.Text());
    if (button == 0) {
      if (Exists(path)) return true;
      continue;
    }
    if (ConfirmAbort(operations_.Owner())) return false;
  }
}
