// The copy the copy phase makes: a kept file in the shared folders still
// counts as installed, so that its usage count (raised by the caller) is
// matched by a record the uninstaller will take back.
#include "fileops/copy_engine.h"
#include "fileops/operation_context.h"
#include "fileops/shared_count.h"

int CopyEngine::CopyRecorded(const char* source, PathBuffer& destination, int32_t flag,
                             const CopyRequest& request, ProgressSink& progress) {
  int result = Copy(source, destination, flag, request, progress);
  if (result != kCopySkipped) return result;
  if (SharedCount(registry_, destination.Get()) == -1) return kCopySkipped;
  request.writer->Record(context_.Recorder(), source, destination.Get(), flag);
  return context_.RecordsLost() ? kCopyFailed : kCopyDone;
}
