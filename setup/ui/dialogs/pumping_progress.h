// Progress of a copy nobody watches: the window messages waiting after each
// chunk are served, so the interface stays alive; it never cancels.
#pragma once

#include "base/progress_sink.h"

class PumpingProgress : public ProgressSink {
 public:
  bool Add(uint32_t bytes) override;
  void BeginFile() override {}
  void EndFile() override {}
  uint32_t BufferSize() override { return 0; }
};
