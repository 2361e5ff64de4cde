// FileOperations: the setup engine's one way of changing the machine. Each
// change that succeeds is told to the current recorder; each failure is
// shown in an "Error" box owned by the owner window (unless the object is
// quiet) and leaves its code in LastError().
//
// The object keeps one saved level of owner window and of recorder: a push
// saves the current one, a pop puts the saved one back (not a stack).
#pragma once

#include <windows.h>

#include <cstdint>

#include "base/path_buffer.h"
#include "fileops/copy_strategies.h"
#include "fileops/operation_recorder.h"

// Last-error codes (3, 7, 11 and 13 belong to the set but nothing here sets them).
enum FileOpError {
  kFileOpOk = 0,
  kFileOpGeneral = 1,
  kFileOpDeleteFile = 2,
  kFileOpOutOfMemory = 4,
  kFileOpOpen = 5,
  kFileOpRead = 6,
  kFileOpClose = 8,
  kFileOpCreateDir = 9,
  kFileOpWrite = 10,
  kFileOpNotFound = 12,
};

// Registry roots by number, as the install log stores them.
enum RootKind {
  kRootClasses = 0,
  kRootCurrentUser = 1,
  kRootLocalMachine = 2,
  kRootUsers = 3,
};

// Drive kinds answered by DriveType.
enum DriveKind {
  kDriveUnknown = -1,
  kDriveRemovable = 0,
  kDriveFixed = 1,
  kDriveRemote = 2,
  kDriveCdRom = 3,
};

class ProgramManagerLink;

class FileOperations {
 public:
  FileOperations();
  virtual ~FileOperations();
  FileOperations(const FileOperations&) = delete;
  FileOperations& operator=(const FileOperations&) = delete;

  // --- state ---------------------------------------------------------------
  int LastError() const { return lastError_; }
  bool Quiet() const { return quiet_ != 0; }
  void SetQuiet(bool quiet) { quiet_ = quiet ? 1 : 0; }
  HWND Owner() const { return owner_; }
  void PushOwner(HWND owner);
  void PopOwner();
  OperationRecorder& Recorder() const { return *recorder_; }
  void PushRecorder(OperationRecorder& recorder);
  void PopRecorder();

  // --- reports -------------------------------------------------------------
  // Sets the code and, unless quiet, shows the string-table text id
  // formatted with the arguments in an "Error" box owned by Owner().
  void Report(int code, unsigned id, ...);
  // Code 1 with a text of the caller's.
  void ReportText(const char* text);
  // Code 4 and, unless quiet, the system-modal "Fatal error: Out of memory".
  void ReportOutOfMemory();

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
  // The length of the file at path (opened for reading, sharing read and
  // write); false when it cannot be opened or its size cannot be read.
  bool FileLength(const char* path, DWORD& length);

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

  // --- registry (root kinds above) ------------------------------------------
  bool KeyExists(int root, const char* key);
  bool CreateKey(int root, const char* key);
  bool SetValue(int root, const char* key, const char* name, DWORD type, DWORD size,
                const void* data);
  // Newly allocated data (free with delete[]), or null. type and size out.
  unsigned char* ReadValue(int root, const char* key, const char* name, DWORD& type, DWORD& size);
  // True when the value exists and is a REG_SZ; the text is cut to fit.
  bool ReadString(int root, const char* key, const char* name, char* text, int textSize);

  // --- fonts and drives -----------------------------------------------------
  bool InstallFont(const char* path, int32_t flag);
  // Free space of the drive of path in K; false when it cannot be read.
  bool FreeSpace(const char* drivePath, double& kilobytes);
  int DriveType(const char* rootPath);

  // --- Program Manager ------------------------------------------------------
  ProgramManagerLink* ProgramManager() const { return programManager_; }

 protected:
  void SetLastError(int code) { lastError_ = code; }

 private:
  int lastError_ = kFileOpOk;
  int quiet_ = 0;
  HWND owner_ = nullptr;
  HWND savedOwner_ = nullptr;
  ProgramManagerLink* programManager_ = nullptr;
  OperationRecorder* recorder_;
  OperationRecorder* savedRecorder_ = nullptr;
};

// Registry handle of a root kind; all bits set for an unknown kind.
HKEY RootHandle(int root);
// "HKEY_CLASSES_ROOT" ... "HKEY_USERS", or "Unknown".
const char* RootName(int root);

// A path that is only a drive ("X:") always exists; otherwise whether the
// file system has something under that name.
bool PathExists(const char* path);

// The length of the file at path (opened for reading, sharing read and
// write); false when it cannot be opened or its size cannot be read.
bool FileLength(const char* path, DWORD& length);

// The local last-write time of path as calendar fields, without a report;
// openError (when given) receives the platform's error when the file could
// not be opened, else NO_ERROR.
bool ReadLocalWriteTime(const char* path, SYSTEMTIME& stamp, DWORD* openError);

// Names the copy engine builds (platform files are only tested for existence).
// The first free of X's name with the extensions bak, 000 ... 999; false when
// all 1001 exist or the name would not fit.
bool BackupName(const char* path, PathBuffer& backup);
// prefix followed by n as "%03d.%03d" in directory, for the first n from 0
// whose name does not exist; false when the name would not fit.
bool TemporaryName(const char* directory, const char* prefix, PathBuffer& path);
