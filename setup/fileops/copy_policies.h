// The five copy policies a file entry of the product chooses from, by kind.
#pragma once

#include <cstdint>

#include "base/path_buffer.h"
#include "base/policy_kind.h"
#include "fileops/copy_strategies.h"

class FileOperations;

// Copies whatever is there.
class AlwaysCopyPolicy : public CopyPolicy {
 public:
  void AfterCopy() override {}
  int DecompressFirst() override { return 0; }
  int Compare(const char*, const char*) override { return kPolicyCopy; }
};

// Compares version resources; the copy engine applies the comparison to the
// source decompressed into a temporary file and the destination.
class VersionPolicy : public CopyPolicy {
 public:
  void AfterCopy() override {}
  int DecompressFirst() override { return 1; }
  int Compare(const char*, const char*) override { return kPolicyCopy; }
};

// Compares with the version recorded for the destination in the
// "iniversion" section of fiver.ini in its folder, and records the new one
// there after the copy.
class RecordedVersionPolicy : public CopyPolicy {
 public:
  RecordedVersionPolicy(uint32_t versionMs, uint32_t versionLs)
      : versionMs_(versionMs), versionLs_(versionLs) {}
  void AfterCopy() override;
  int DecompressFirst() override { return 0; }
  int Compare(const char* source, const char* destination) override;

 private:
  PathBuffer key_;      // the destination's full path
  PathBuffer iniFile_;  // fiver.ini in the destination's folder
  uint32_t versionMs_;
  uint32_t versionLs_;
};

// Keeps a destination whose time stamp is the same or newer.
class TimeStampPolicy : public CopyPolicy {
 public:
  explicit TimeStampPolicy(FileOperations& ops) : ops_(ops) {}
  void AfterCopy() override {}
  int DecompressFirst() override { return 0; }
  int Compare(const char* source, const char* destination) override;

 private:
  FileOperations& ops_;
};

// Keeps a destination at least threshold bytes long.
class SizePolicy : public CopyPolicy {
 public:
  explicit SizePolicy(int32_t threshold) : threshold_(threshold) {}
  void AfterCopy() override {}
  int DecompressFirst() override { return 0; }
  int Compare(const char* source, const char* destination) override;

 private:
  int32_t threshold_;
};

// 1 when a is newer, -1 when older, 0 when equal, 2 when a time stamp cannot
// be read; a missing file counts as all fields zero.
int CompareTimeStamps(FileOperations& ops, const char* a, const char* b);
