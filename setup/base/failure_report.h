// Where a failure of the setup engine is reported: its error code is set
// and, unless reports are silenced, its text is shown once. FileOperations
// is the one the program has; the windows and dialogs that fail report
// through this without knowing the file operations.
#pragma once

#include <cstdarg>

// Error codes (3, 7, 11 and 13 belong to the set but nothing here sets them).
enum FileOpError {
  kFileOpOk = 0,
  kFileOpGeneral = 1,
  kFileOpDeleteFile = 2,
  kFileOpOutOfMemory = 4,
  kFileOpOpen = 5,
  kFileOpRead = 6,
  kFileOpClose = 8,
  kFileOpCreateDir = 9,
  kFileOpWrite = 10,
  kFileOpNotFound = 12,
  // The install log lost a record: no recorded change is made after it.
  kFileOpLogWrite = 14,
};

class FailureReport {
 public:
  virtual ~FailureReport() = default;

  // code, and the string-table text id formatted with the arguments.
  void Report(int code, unsigned id, ...);
  virtual void ReportV(int code, unsigned id, va_list args) = 0;
  // Code 1 with a text of the caller's.
  virtual void ReportText(const char* text) = 0;
  // Code 4 and the system-modal "Fatal error: Out of memory".
  virtual void ReportOutOfMemory() = 0;
};
