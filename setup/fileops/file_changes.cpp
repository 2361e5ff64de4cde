// Directories, deletion, moves and attributes. Each change is told to the
// current recorder once it has succeeded; each failure is reported. Nothing
// is changed once the recorder has failed.
#include "fileops/file_changes.h"

#include "fileops/copy_engine.h"
#include "fileops/operation_context.h"
#include "fileops/path_names.h"
#include "resources/string_ids.h"
#include "fileops/file_facts.h"
#include "fileops/quiet_guard.h"
#include "fileops/unrecorded_steps.h"

namespace {

constexpr DWORD kGuardedAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

bool IsDirectory(const char* path) {
  if (path_names::IsDriveOnly(path) || *path == '\0') return true;
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

int FileChanges::CreateDirectoryTree(const char* path) {
  if (context_.RecordsLost()) return 2;
  PathBuffer directory;
  if (!path_names::WithoutTrailingSlash(path, directory)) {
    context_.Report(kFileOpCreateDir, kStrCreateDir, path ? path : "");
    return 2;
  }
  if (IsDirectory(directory.Get())) return 0;
  PathBuffer parent;
  if (path_names::DirectoryOf(directory.Get(), parent) &&
      !path_names::SameFile(parent.Get(), directory.Get()) &&
      CreateDirectoryTree(parent.Get()) != 0)
    return 2;
  if (!CreateDirectoryA(directory.Get(), nullptr)) {
    context_.Report(kFileOpCreateDir, kStrCreateDir, directory.Get());
    return 2;
  }
  context_.Recorder().DirCreated(directory.Get());
  return context_.RecordsLost() ? 2 : 0;
}

int FileChanges::EnsureDirectoryOf(const char* filePath) {
  if (context_.RecordsLost()) return 2;
  PathBuffer directory;
  if (!path_names::DirectoryOf(filePath, directory)) {
    context_.Report(kFileOpCreateDir, kStrCreateDir, filePath ? filePath : "");
    return 2;
  }
  return CreateDirectoryTree(directory.Get());
}

bool FileChanges::Delete(const char* path) {
  if (context_.RecordsLost()) return false;
  const DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    // Only a file that is not there is deleted already; one that cannot be
    // looked at (a name that is not valid, access refused) may still be.
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return true;
    context_.Report(kFileOpGeneral, kStrGetAttributes, path ? path : "");
    return false;
  }
  if ((attributes & kGuardedAttributes) != 0 && !SetAttributes(path, FILE_ATTRIBUTE_NORMAL))
    return false;
  if (!DeleteFileA(path)) {
    context_.Report(kFileOpDeleteFile, kStrDeleteFile, path);
    return false;
  }
  context_.Recorder().FileDeleted(path);
  return !context_.RecordsLost();
}

bool FileChanges::Move(const char* from, const char* to) {
  if (context_.RecordsLost()) return false;
  if (path_names::SameFile(from, to)) return true;
  if (PathExists(to) && !Delete(to)) return false;
  if (EnsureDirectoryOf(to) != 0) return false;
  if (!MoveFileA(from, to)) {
    // Across drives a rename cannot do it: copy and delete, both unrecorded,
    // so that the log holds one move whichever way it was made.
    UnrecordedSteps unrecorded(context_);
    if (!copies_.PlainCopy(from, to) || !Delete(from)) {
      unrecorded.KeepErrorCode();
      // A failed move leaves the one file it started with.
      QuietGuard quiet(context_);
      if (PathExists(from)) Delete(to);
      return false;
    }
  }
  context_.Recorder().FileMoved(from, to);
  return !context_.RecordsLost();
}

bool FileChanges::SetAttributes(const char* path, DWORD attributes) {
  if (context_.RecordsLost()) return false;
  const DWORD old = GetFileAttributesA(path);
  if (old == INVALID_FILE_ATTRIBUTES) {
    context_.Report(kFileOpGeneral, kStrGetAttributes, path);
    return false;
  }
  if (old == attributes) return true;
  if (!SetFileAttributesA(path, attributes)) {
    context_.Report(kFileOpGeneral, kStrSetAttributes, path);
    return false;
  }
  context_.Recorder().AttribChanged(path, old, attributes);
  return !context_.RecordsLost();
}
