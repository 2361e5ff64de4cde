// The copy engine. A copy goes one of three ways:
//  - direct: the destination is gone (or is appended to) and the source is
//    written straight into it;
//  - temporary: the destination could not be deleted, so it is in use; the
//    source goes into tmpNNN.NNN next to it, which replaces it at restart;
//  - comparing temporary: the policy compares versions, which needs the
//    source decompressed first; the temporary file is compared with the
//    destination and then renamed over it (or kept for the restart).
// Only the net copy is recorded. The temporary file, its rename and the
// deletion of the old destination are the same file changes with the
// NullRecorder in place of the context's recorder (UnrecordedSteps). Once
// the recorder has failed no copy is begun, and a copy whose record fails
// answers failure.
#include "fileops/copy_engine.h"

#include <memory>
#include <new>

#include "fileops/copy_policies.h"
#include "fileops/file_changes.h"
#include "fileops/operation_context.h"
#include "fileops/path_names.h"
#include "fileops/restart_replacement.h"
#include "fileops/version_compare.h"
#include "resources/string_ids.h"
#include "fileops/file_facts.h"
#include "fileops/file_names.h"
#include "fileops/quiet_guard.h"
#include "fileops/unrecorded_steps.h"

namespace {

constexpr char kTemporaryPrefix[] = "tmp";
constexpr uint32_t kLargestBuffer = 0x7FFFFFFF;  // reads take an int32 size

// Begins the file with the progress sink and ends it when it goes out of
// scope, so every way out of a copy ends the file exactly once.
class FileInProgress {
 public:
  explicit FileInProgress(ProgressSink& progress) : progress_(progress) { progress_.BeginFile(); }
  ~FileInProgress() { progress_.EndFile(); }
  FileInProgress(const FileInProgress&) = delete;
  FileInProgress& operator=(const FileInProgress&) = delete;

 private:
  ProgressSink& progress_;
};

void CutBack(const char* path, DWORD length) {
  HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  if (SetFilePointer(file, static_cast<LONG>(length), nullptr, FILE_BEGIN) !=
      INVALID_SET_FILE_POINTER)
    SetEndOfFile(file);
  CloseHandle(file);
}

// The destination of a direct copy while it is being written. Abandoning
// it closes it if still open and deletes it; a file the writer keeps and
// appends to is cut back to its former length instead, so that a failed
// append does not take the file's earlier content with it.
class Destination {
 public:
  Destination(DestWriter& writer, const char* path) : writer_(writer), path_(path) {}

  bool Open() {
    kept_ = writer_.KeepsExisting() && FileLength(path_, formerLength_);
    open_ = writer_.Open(path_);
    return open_;
  }
  bool Close() {
    open_ = false;
    return writer_.Close();
  }
  void Abandon() {
    if (open_) Close();
    if (kept_)
      CutBack(path_, formerLength_);
    else
      DeleteFileA(path_);
  }

 private:
  DestWriter& writer_;
  const char* path_;
  bool open_ = false;
  bool kept_ = false;
  DWORD formerLength_ = 0;
};

// The direct route: source into destination, chunk by chunk.
int DirectCopy(OperationContext& context, FileChanges& files, const char* source,
               const char* destination, const CopyRequest& request, ProgressSink& progress) {
  FileInProgress file(progress);
  if (!PathExists(source)) {
    context.Report(kFileOpNotFound, kStrFileNotFound, source);
    return kCopyFailed;
  }
  SourceReader& reader = *request.reader;
  if (!reader.Open(source)) {
    context.Report(kFileOpOpen, kStrOpenFile, source);
    return kCopyFailed;
  }
  Destination target(*request.writer, destination);
  if (!target.Open()) {
    context.Report(kFileOpOpen, kStrOpenFile, destination);
    reader.Close();
    return kCopyFailed;
  }
  uint32_t size = progress.BufferSize();
  if (size == 0) size = kDefaultCopyBuffer;
  std::unique_ptr<char[]> buffer(size <= kLargestBuffer ? new (std::nothrow) char[size] : nullptr);
  if (!buffer) {
    context.ReportOutOfMemory();
    target.Abandon();
    reader.Close();
    return kCopyFailed;
  }
  const int32_t chunk = static_cast<int32_t>(size);
  for (;;) {
    const int32_t got = reader.Read(buffer.get(), chunk);
    // More than was asked for would mean the reader overran the buffer.
    if (got < 0 || got > chunk) {
      context.Report(kFileOpRead, kStrReadFile, source);
      target.Abandon();
      reader.Close();
      return kCopyFailed;
    }
    if (request.writer->Write(buffer.get(), got) != got) {
      context.Report(kFileOpWrite, kStrWriteFile, destination);
      target.Abandon();
      reader.Close();
      return kCopyFailed;
    }
    if (!progress.Add(static_cast<uint32_t>(got))) {
      target.Abandon();
      reader.Close();
      return kCopyCancelled;
    }
    if (got < chunk) break;
  }
  if (!reader.Close()) {
    context.Report(kFileOpClose, kStrCloseFile, source);
    target.Abandon();
    return kCopyFailed;
  }
  if (!target.Close()) {
    context.Report(kFileOpClose, kStrCloseFile, destination);
    target.Abandon();
    return kCopyFailed;
  }
  if (request.timeStamp) {
    // The new file is whole and the old one may be gone already: a time
    // stamp that cannot be passed on is reported, and the copy stands.
    SYSTEMTIME stamp;
    if (files.GetTimeStamp(source, stamp)) files.SetTimeStamp(destination, stamp);
  }
  return kCopyDone;
}

// A destination about to be replaced loses its read-only, hidden and
// system attributes through the recording object, so the log can give
// them back; a failure here only means the deletion will fail and the
// file is replaced at restart instead, so it is not reported.
void ClearGuardedAttributes(OperationContext& context, FileChanges& files, const char* path) {
  const DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES ||
      !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
    return;
  QuietGuard quiet(context);
  files.SetAttributes(path, FILE_ATTRIBUTE_NORMAL);
}

// What became of a destination about to be replaced.
enum Removal { kRemoved, kInUse, kNotRemoved };

// Deletes the destination, unrecorded, without a word. kInUse: it is
// there and cannot be deleted, so it is replaced at restart. kNotRemoved:
// it cannot even be looked at (reported), or the change of its attributes
// could not be recorded (it is left as it is; the caller reports the log).
Removal RemoveDestination(OperationContext& context, FileChanges& files, const char* path) {
  ClearGuardedAttributes(context, files, path);
  if (context.RecorderFailed()) return kNotRemoved;
  {
    UnrecordedSteps unrecorded(context);
    QuietGuard quiet(context);
    if (files.Delete(path)) return kRemoved;
  }
  if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) return kInUse;
  context.Report(kFileOpGeneral, kStrGetAttributes, path);
  return kNotRemoved;
}

// Removes the copy's own temporary file, of which nothing is recorded.
void RemoveTemporary(OperationContext& context, FileChanges& files, const char* path) {
  UnrecordedSteps unrecorded(context);
  QuietGuard quiet(context);
  files.Delete(path);
}

// The temporary routes: through a temporary file next to the destination,
// compared with it first on the comparing route. atRestart: the temporary
// file replaces the destination at the next restart.
int ViaTemporary(CopyEngine& engine, OperationContext& context, FileChanges& files, bool comparing,
                 const char* source, PathBuffer& destination, const CopyRequest& request,
                 ProgressSink& progress, bool& atRestart) {
  PathBuffer directory, temporary;
  if (!path_names::DirectoryOf(destination.Get(), directory) ||
      !TemporaryName(directory.Get(), kTemporaryPrefix, temporary)) {
    { FileInProgress file(progress); }
    context.ReportOutOfMemory();
    return kCopyFailed;
  }
  AlwaysCopyPolicy always;
  CopyRequest first = request;
  first.policy = &always;
  {
    UnrecordedSteps unrecorded(context);
    const int copied = engine.Copy(source, temporary, 0, first, progress);
    if (copied == kCopyFailed || copied == kCopyCancelled) {
      unrecorded.KeepErrorCode();
      return copied;
    }
  }
  if (comparing) {
    // The user may answer the version question with another destination.
    const int answer = CompareVersionStamps(context, temporary.Get(), destination);
    if (answer != kPolicyCopy) {
      if (answer != kPolicyKeep) context.Report(kFileOpGeneral, kStrCompareVersions);
      RemoveTemporary(context, files, temporary.Get());
      return answer == kPolicyKeep ? kCopySkipped : kCopyFailed;
    }
    if (files.EnsureDirectoryOf(destination.Get()) != 0) {
      RemoveTemporary(context, files, temporary.Get());
      return kCopyFailed;
    }
  }
  const Removal removal = RemoveDestination(context, files, destination.Get());
  if (removal == kNotRemoved) {
    RemoveTemporary(context, files, temporary.Get());
    return kCopyFailed;
  }
  if (removal == kRemoved) {
    {
      UnrecordedSteps unrecorded(context);
      if (files.Move(temporary.Get(), destination.Get())) return kCopyDone;
      unrecorded.KeepErrorCode();
    }
    RemoveTemporary(context, files, temporary.Get());
    return kCopyFailed;
  }
  // The destination is in use.
  if (!ReplaceAtRestart(temporary.Get(), destination.Get())) {
    context.Report(kFileOpWrite, kStrWriteFile, kWininitFile);
    RemoveTemporary(context, files, temporary.Get());
    return kCopyFailed;
  }
  atRestart = true;
  return kCopyDone;
}

}  // namespace

int CopyEngine::Copy(const char* source, PathBuffer& destination, int32_t flag,
                     const CopyRequest& request, ProgressSink& progress) {
  if (context_.RecordsLost() || files_.EnsureDirectoryOf(destination.Get()) != 0) {
    FileInProgress file(progress);
    return kCopyFailed;
  }
  CopyPolicy& policy = *request.policy;
  const bool comparing = policy.DecompressFirst() != 0;
  bool temporary = comparing;
  if (!comparing) {
    const int answer = policy.Compare(source, destination.Get());
    if (answer != kPolicyCopy) {
      { FileInProgress file(progress); }
      if (answer == kPolicyKeep) return kCopySkipped;
      context_.Report(kFileOpGeneral, kStrCompareFiles);
      return kCopyFailed;
    }
    if (!request.writer->KeepsExisting()) {
      // A destination in use is replaced through a temporary file, not this
      // copy's failure.
      const Removal removal = RemoveDestination(context_, files_, destination.Get());
      if (removal == kNotRemoved) {
        context_.RecordsLost();
        { FileInProgress file(progress); }
        return kCopyFailed;
      }
      temporary = removal == kInUse;
    }
  }
  bool atRestart = false;
  const int result =
      temporary ? ViaTemporary(*this, context_, files_, comparing, source, destination, request,
                               progress, atRestart)
                : DirectCopy(context_, files_, source, destination.Get(), request, progress);
  // A route stopped by the recorder's failure reports it here.
  if (result == kCopyFailed) context_.RecordsLost();
  if (result != kCopyDone) return result;
  policy.AfterCopy();
  request.writer->Record(context_.Recorder(), source, destination.Get(), flag);
  if (context_.RecordsLost()) return kCopyFailed;
  return atRestart ? kCopyAtRestart : kCopyDone;
}
