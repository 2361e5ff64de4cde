// What the tests of the file operations share: a scratch folder of their
// own, files and their bytes, the log the operations record into (read
// back with the install log reader), a progress sink that counts, and the
// programs started to hold files open.
#pragma once

#include "test_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fileops/file_operations.h"
#include "install_log/install_log_recorder.h"
#include "memory_log_file.h"
#include "ui/dialogs/engine_error_boxes.h"
#include "ui/prompts/file_attribute_question.h"
#include "ui/dialogs/pumping_progress.h"

namespace copytest {

using Bytes = std::vector<unsigned char>;

// Deterministic content of n bytes; text-like when prose, else noise.
Bytes Content(size_t n, unsigned seed, bool prose = false);
bool WriteBytes(const std::string& path, const Bytes& bytes);
// The whole file; empty when it cannot be read (check Exists for that).
Bytes ReadBytes(const std::string& path);
bool Exists(const std::string& path);
// Local calendar fields of a time stamp (day of the week left 0).
SYSTEMTIME LocalStamp(int year, int month, int day, int hour, int minute = 0, int second = 0);
// The folder of this test program (where lzpunz32.dll and the helpers are).
std::string ProgramFolder();

// A scratch folder under the temporary folder, removed after each test,
// and a FileOperations object recording into a log in memory.
class FileOpsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
  // The records so far, one line each: kind, then texts and numbers
  // separated by '|' ("FileCopied|C:\\a|C:\\b|1").
  std::vector<std::string> Records();

  std::string folder_;
  EngineErrorBoxes boxes_;
  FileOperations ops_{boxes_};
  FileAttributeQuestion question_;  // the real dialog; some tests replace the comparison
  PumpingProgress idle_;
  MemoryLogFile logFile_;
  InstallLogRecorder recorder_{logFile_};
};

// The records of a log in memory as Records() gives them; "damaged log"
// when it cannot be read whole.
std::vector<std::string> RecordLines(const std::vector<uint8_t>& log);
// The records written whole at the start of a log in memory, and how many
// bytes follow them; "damaged log" when not even its header can be read.
std::vector<std::string> CompleteRecordLines(const std::vector<uint8_t>& log, size_t& rest);

// The boxes of file operations, kept for the test instead of shown.
class ShownBoxes : public ErrorBoxes {
 public:
  void ShowError(HWND, const char* text) override { texts.push_back(text ? text : ""); }
  void ShowOutOfMemory() override { texts.push_back("<out of memory>"); }
  std::vector<std::string> texts;
};

// Counts what the copy engine tells it; can cancel and ask for a size.
class CountingProgress : public ProgressSink {
 public:
  bool Add(uint32_t bytes) override;
  void BeginFile() override { ++begins; }
  void EndFile() override { ++ends; }
  uint32_t BufferSize() override { return bufferSize; }

  int begins = 0;
  int ends = 0;
  int adds = 0;
  uint64_t bytes = 0;
  uint32_t bufferSize = 0;
  int cancelAtAdd = 0;  // the add that answers "stop" (counted from 1); 0 never
};

// Programs of the test's own that hold files open without sharing write
// or delete access, as a running program holds its own files; ended (by
// their process handle) when the object goes.
class FileHolder {
 public:
  FileHolder() = default;
  ~FileHolder() { Release(); }
  FileHolder(const FileHolder&) = delete;
  FileHolder& operator=(const FileHolder&) = delete;

  // Starts the holder on the paths and waits until it has them open.
  bool Hold(const std::vector<std::string>& paths);
  // Ends the holder and waits for it to be gone.
  void Release();

 private:
  PROCESS_INFORMATION process_ = {};
};

}  // namespace copytest
