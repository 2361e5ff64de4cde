// The readers and writers a copy is made of: the plain and the compressed
// reader of a source, the create and the append writer of a destination.
// Each object serves one copy at a time; closing it makes it ready for the
// next (the copy engine uses one writer for a temporary file and then
// records it for the destination).
#pragma once

#include <windows.h>

#include <cstdint>

#include "fileops/copy_strategies.h"

// Reads a file as it is.
class PlainReader : public SourceReader {
 public:
  ~PlainReader() override;
  bool Open(const char* path) override;
  bool Close() override;
  int32_t Read(void* buffer, int32_t size) override;

 private:
  HFILE file_ = HFILE_ERROR;
};

constexpr char kDecompressionLibrary[] = "lzpunz32.dll";

// Reads a compressed file decompressed, through lzpunz32.dll, which it
// loads for each file and frees when the file is closed (or cannot be
// opened). Entry points are looked up at every call; one that cannot be
// found counts as having answered -1.
class CompressedReader : public SourceReader {
 public:
  ~CompressedReader() override;
  bool Open(const char* path) override;
  bool Close() override;
  int32_t Read(void* buffer, int32_t size) override;
  // True while the library is loaded by this reader.
  bool HoldsLibrary() const { return library_ != nullptr; }

 private:
  void Free();

  HMODULE library_ = nullptr;
  bool open_ = false;
};

// Writes a new destination (an existing one is truncated) and records the
// copy as FileCopied.
class CreateWriter : public DestWriter {
 public:
  ~CreateWriter() override;
  bool Open(const char* path) override;
  bool Close() override;
  bool KeepsExisting() override { return false; }
  int32_t Write(const void* buffer, int32_t size) override;
  void Record(OperationRecorder& recorder, const char* source, const char* destination,
              int32_t flag) override;

 protected:
  HFILE file_ = HFILE_ERROR;
};

// Appends to an existing destination (creates a missing one) and records
// FileAppended with the former length, so the uninstaller can cut the file
// back; a created file is recorded as FileCopied.
class AppendWriter : public CreateWriter {
 public:
  bool Open(const char* path) override;
  bool KeepsExisting() override { return true; }
  void Record(OperationRecorder& recorder, const char* source, const char* destination,
              int32_t flag) override;

  bool Appends() const { return appends_; }
  uint32_t FormerLength() const { return formerLength_; }

 private:
  bool appends_ = false;
  uint32_t formerLength_ = 0;
};
