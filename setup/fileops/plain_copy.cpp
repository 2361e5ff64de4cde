// The plain copy: the whole file, replacing whatever is at the destination,
// recorded with flag 1, its chunks told to the idle progress (which keeps
// the interface alive).
#include "fileops/copy_policies.h"
#include "fileops/copy_readers_writers.h"
#include "fileops/copy_engine.h"
#include "fileops/operation_context.h"
#include "resources/string_ids.h"

bool CopyEngine::PlainCopy(const char* source, const char* destination) {
  PathBuffer target;
  if (!target.Set(destination)) {
    context_.Report(kFileOpOpen, kStrOpenFile, destination ? destination : "");
    return false;
  }
  PlainReader reader;
  CreateWriter writer;
  AlwaysCopyPolicy always;
  const CopyRequest request = MakeCopyRequest(always, reader, writer);
  const int result = Copy(source, target, 1, request, context_.IdleProgress());
  return result == kCopyDone || result == kCopyAtRestart;
}
