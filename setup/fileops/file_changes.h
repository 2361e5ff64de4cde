// FileChanges: directories, deletion, moves, attributes and time stamps.
// Each change is told to the context's recorder once it has succeeded; each
// failure is reported through the context. Nothing is changed once the
// recorder has failed.
#pragma once

#include <windows.h>

class CopyEngine;
class OperationContext;

class FileChanges {
 public:
  // A move across drives is made as a plain copy of copies and a deletion.
  FileChanges(OperationContext& context, CopyEngine& copies) : context_(context), copies_(copies) {}

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
  // The local last-write time of path as calendar fields.
  bool GetTimeStamp(const char* path, SYSTEMTIME& stamp);
  // Gives path the local time stamp as creation, access and write time.
  bool SetTimeStamp(const char* path, const SYSTEMTIME& stamp);

 private:
  OperationContext& context_;
  CopyEngine& copies_;
};
