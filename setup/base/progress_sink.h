// Told of the progress of each copy: the copy progress dialog in the copy
// phase; for the file operations' own copies, whatever keeps the interface
// alive between chunks.
#pragma once

#include <cstdint>

class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  // bytes just copied; false asks the copy to stop.
  virtual bool Add(uint32_t bytes) = 0;
  // Begin and End are called exactly once each per copy, whatever the outcome.
  virtual void BeginFile() = 0;
  virtual void EndFile() = 0;
  // Bytes per read; 0 for the default of kDefaultCopyBuffer.
  virtual uint32_t BufferSize() = 0;
};
