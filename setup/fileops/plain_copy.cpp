// The plain copy: the whole file, replacing whatever is at the destination,
// recorded with flag 1, keeping the interface alive between chunks.
#include "fileops/copy_policies.h"
#include "fileops/copy_readers_writers.h"
#include "fileops/file_operations.h"
#include "resources/string_ids.h"
#include "ui/message_pump.h"

namespace {

// Serves the window messages waiting after each chunk; never cancels.
class PumpingProgress : public ProgressSink {
 public:
  bool Add(uint32_t) override {
    PumpMessages(true);
    return true;
  }
  void BeginFile() override {}
  void EndFile() override {}
  uint32_t BufferSize() override { return 0; }
};

}  // namespace

bool FileOperations::PlainCopy(const char* source, const char* destination) {
  PathBuffer target;
  if (!target.Set(destination)) {
    Report(kFileOpOpen, kStrOpenFile, destination ? destination : "");
    return false;
  }
  PlainReader reader;
  CreateWriter writer;
  AlwaysCopyPolicy always;
  const CopyRequest request = MakeCopyRequest(always, reader, writer);
  PumpingProgress progress;
  const int result = Copy(source, target, 1, request, progress);
  return result == kCopyDone || result == kCopyAtRestart;
}
