// FileOperations: the setup engine's one way of changing the machine. Each
// change that succeeds is told to the current recorder; each failure is
// shown in an "Error" box owned by the owner window (unless the object is
// quiet) and leaves its code in LastError().
//
// Once the current recorder has failed, a change could no longer be taken
// back: every recording operation then answers its failure without changing
// anything (code kFileOpLogWrite), and one whose own record failed answers
// failure too. "The installation log could not be written" is shown the
// first time the object notices it while not quiet.
//
// The object keeps one saved level of owner window and of recorder: a push
// saves the current one, a pop puts the saved one back (not a stack).
//
// It knows the user interface only through what it is handed: the error
// boxes, the version question of the comparing copies, and the progress
// that keeps the interface alive during its own copies.
#pragma once

#include <windows.h>

#include <cstdint>

#include "base/disk_space.h"
#include "base/error_boxes.h"
#include "base/failure_report.h"
#include "base/path_buffer.h"
#include "base/registry_text.h"
#include "base/short_paths.h"
#include "base/version_question.h"
#include "fileops/copy_strategies.h"
#include "install_log/operation_recorder.h"

// Drive kinds answered by DriveType.
enum DriveKind {
  kDriveUnknown = -1,
  kDriveRemovable = 0,
  kDriveFixed = 1,
  kDriveRemote = 2,
  kDriveCdRom = 3,
};

class FileOperations : public FailureReport,
                       public DiskSpace,
                       public RegistryText,
                       public ShortPaths {
 public:
  // Failures are shown in boxes.
  explicit FileOperations(ErrorBoxes& boxes);
  ~FileOperations() override;
  FileOperations(const FileOperations&) = delete;
  FileOperations& operator=(const FileOperations&) = delete;

  // --- what the user interface lends it --------------------------------------
  ErrorBoxes& Boxes() const { return *boxes_; }
  // The question of a comparing copy; without one it cannot be asked
  // (kAttributeNoDialog).
  void SetVersionQuestion(VersionQuestion* question) { versionQuestion_ = question; }
  int AskVersionQuestion(const char* source, const VersionStamp& sourceStamp, PathBuffer& target,
                         const VersionStamp& targetStamp);
  // Told of the chunks of the object's own copies (plain copies, moves
  // across drives); without one they go unwatched.
  void SetIdleProgress(ProgressSink* progress) { idleProgress_ = progress; }
  ProgressSink& IdleProgress() const;

  // --- state ---------------------------------------------------------------
  int LastError() const { return lastError_; }
  bool Quiet() const { return quiet_ != 0; }
  void SetQuiet(bool quiet) { quiet_ = quiet ? 1 : 0; }
  HWND Owner() const { return owner_; }
  void PushOwner(HWND owner);
  void PopOwner();
  OperationRecorder& Recorder() const { return *recorder_; }
  // True once the current recorder could not keep a record; for those who
  // record through Recorder() themselves and must stop there too.
  bool RecorderFailed() const { return recorder_->Failed(); }
  void PushRecorder(OperationRecorder& recorder);
  void PopRecorder();

  // --- reports (Report with a string-table text: FailureReport) -------------
  // Set the code and, unless quiet, show the text in an "Error" box owned by
  // Owner(), or the out-of-memory box.
  void ReportV(int code, unsigned id, va_list args) override;
  void ReportText(const char* text) override;
  void ReportOutOfMemory() override;

  // --- directories and files -----------------------------------------------
  // 0 created or existing, 2 failed. Missing parents are created first;
  // every directory made is recorded, parents before children.
  int CreateDirectoryTree(const char* path);
  // The same for the directory of a file path.
  int EnsureDirectoryOf(const char* filePath);
  // True when done (also when there was no file). Read-only, hidden and
  // system attributes are reset first (recorded).
  bool Delete(const char* path);
  // True when done; a move onto itself does nothing.
  bool Move(const char* from, const char* to);
  // True when done or already equal.
  bool SetAttributes(const char* path, DWORD attributes);
  // The local last-write time of path as calendar fields.
  bool GetTimeStamp(const char* path, SYSTEMTIME& stamp);
  // Gives path the local time stamp as creation, access and write time.
  bool SetTimeStamp(const char* path, const SYSTEMTIME& stamp);

  // --- copies --------------------------------------------------------------
  // The copy engine. destination may be changed by the version question
  // (the user may type another target path). flag goes to the recorder.
  int Copy(const char* source, PathBuffer& destination, int32_t flag, const CopyRequest& request,
           ProgressSink& progress);
  // Copy, and a skipped copy of a file in the shared folders is recorded
  // as made (result 0): the form the copy phase uses.
  int CopyRecorded(const char* source, PathBuffer& destination, int32_t flag,
                   const CopyRequest& request, ProgressSink& progress);
  // A plain, recorded copy (flag 1) that always replaces the destination.
  bool PlainCopy(const char* source, const char* destination);

  // --- registry (roots by their RootKind, base/registry_roots.h) ------------
  bool KeyExists(int root, const char* key);
  bool CreateKey(int root, const char* key);
  bool SetValue(int root, const char* key, const char* name, DWORD type, DWORD size,
                const void* data);
  // Newly allocated data (free with delete[]), or null. type and size out.
  unsigned char* ReadValue(int root, const char* key, const char* name, DWORD& type, DWORD& size);
  // True when the value exists and is a REG_SZ; the text is cut to fit.
  bool ReadString(int root, const char* key, const char* name, char* text, int textSize) override;

  // --- fonts and drives -----------------------------------------------------
  bool InstallFont(const char* path, int32_t flag);
  // Free space of the drive of path in K; false when it cannot be read.
  bool FreeSpace(const char* drivePath, double& kilobytes) override;
  int DriveType(const char* rootPath);
  // The platform's short (8.3) form of an existing path; nothing reported.
  bool ShortPath(const char* path, std::string& shortPath) override;

 protected:
  void SetErrorCode(int code) { lastError_ = code; }

 private:
  friend class QuietGuard;
  friend class UnrecordedSteps;

  // Whether the current recorder has failed; if so the failure is reported
  // (shown only the first time the object is not quiet) and its code set.
  bool RecordsLost();

  ErrorBoxes* boxes_;
  VersionQuestion* versionQuestion_ = nullptr;
  ProgressSink* idleProgress_ = nullptr;
  int lastError_ = kFileOpOk;
  int quiet_ = 0;
  bool recordsLostShown_ = false;
  HWND owner_ = nullptr;
  HWND savedOwner_ = nullptr;
  OperationRecorder* recorder_;
  OperationRecorder* savedRecorder_ = nullptr;
};
