// The strategies one copy of the copy engine is made of: the policy that
// decides whether an existing destination is replaced, the reader of the
// source, the writer of the destination and the progress sink. Their
// operations stay in the order given (the order of each table of virtual
// operations). A copy's strategies live for that one operation.
#pragma once

#include <cstdint>

#include "base/progress_sink.h"

class OperationRecorder;

// What the copy engine answers.
enum CopyResult {
  kCopyDone = 0,       // copied
  kCopySkipped = 1,    // the policy kept the existing file
  kCopyFailed = 2,     // failed (reported)
  kCopyCancelled = 3,  // the progress sink asked to stop
  kCopyAtRestart = 4,  // a temporary file replaces the destination at restart
};

// Answers of CopyPolicy::Compare.
enum PolicyAnswer { kPolicyCopy = 0, kPolicyKeep = 1, kPolicyError = 2 };

class CopyPolicy {
 public:
  virtual ~CopyPolicy() = default;
  // Called once after a successful copy.
  virtual void AfterCopy() = 0;
  // Non-zero: copy the source to a temporary file first and compare the
  // version stamps of that file and the destination.
  virtual int DecompressFirst() = 0;
  // kPolicyCopy, kPolicyKeep or kPolicyError.
  virtual int Compare(const char* source, const char* destination) = 0;
};

class SourceReader {
 public:
  virtual ~SourceReader() = default;
  virtual bool Open(const char* path) = 0;
  virtual bool Close() = 0;
  // Bytes read, smaller than size at the end, -1 on error.
  virtual int32_t Read(void* buffer, int32_t size) = 0;
};

class DestWriter {
 public:
  virtual ~DestWriter() = default;
  virtual bool Open(const char* path) = 0;
  virtual bool Close() = 0;
  // True when the destination must not be deleted before writing.
  virtual bool KeepsExisting() = 0;
  // Bytes written.
  virtual int32_t Write(const void* buffer, int32_t size) = 0;
  // Reports the finished copy to recorder.
  virtual void Record(OperationRecorder& recorder, const char* source, const char* destination,
                      int32_t flag) = 0;
};

constexpr uint32_t kDefaultCopyBuffer = 2048;

// What one copy is made of.
struct CopyRequest {
  int timeStamp = 0;  // non-zero: the destination gets the source's time stamp
  CopyPolicy* policy = nullptr;
  SourceReader* reader = nullptr;
  DestWriter* writer = nullptr;
};

// A request of the given strategies.
inline CopyRequest MakeCopyRequest(CopyPolicy& policy, SourceReader& reader, DestWriter& writer,
                                   int timeStamp = 0) {
  CopyRequest request;
  request.timeStamp = timeStamp;
  request.policy = &policy;
  request.reader = &reader;
  request.writer = &writer;
  return request;
}
