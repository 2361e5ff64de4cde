// CopyEngine: copies a file to its destination through a copy request
// (policy, reader, writer), telling a progress sink of its chunks and
// replacing a destination in use at the next restart. Only the net copy is
// told to the context's recorder; failures are reported through the context.
#pragma once

#include <cstdint>

#include "base/path_buffer.h"
#include "fileops/copy_strategies.h"

class FileChanges;
class OperationContext;
class RegistryOperations;

class CopyEngine {
 public:
  // The engine makes its directories, deletions and renames through files,
  // and reads the usage counts of shared files through registry.
  CopyEngine(OperationContext& context, FileChanges& files, RegistryOperations& registry)
      : context_(context), files_(files), registry_(registry) {}

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

 private:
  OperationContext& context_;
  FileChanges& files_;
  RegistryOperations& registry_;
};
