// What every working phase of the install sequence does around its work:
// the activity meter marked busy (or idle, around a question) with its
// previous state put back however the phase ends, and the status box that
// names the phase.
#pragma once

#include <windows.h>

#include "ui/gauges/activity_meter.h"
#include "ui/dialogs/wait_message.h"

class FileOperations;

class BusyScope {
 public:
  BusyScope(ActivityMeter* meter, int busy) : meter_(meter) {
    if (meter_) {
      saved_ = meter_->Busy();
      meter_->SetBusy(busy);
    }
  }
  ~BusyScope() {
    if (meter_) meter_->SetBusy(saved_);
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  ActivityMeter* meter_;
  int saved_ = 0;
};

// The phase's notice, kept up at least 3000 ms; while it is open its window
// owns the file operations' boxes.
class PhaseStatus {
 public:
  static constexpr DWORD kMinimumMs = 3000;

  PhaseStatus(FileOperations& operations, HWND background, const char* title)
      : operations_(operations), background_(background), title_(title) {}
  ~PhaseStatus() { Close(); }
  PhaseStatus(const PhaseStatus&) = delete;
  PhaseStatus& operator=(const PhaseStatus&) = delete;

  void Open(unsigned textId);
  // Gives the boxes back to the previous owner, waits out the minimum time
  // (serving messages) and closes.
  void Close();

 private:
  FileOperations& operations_;
  HWND background_;
  const char* title_;
  kiverset::WaitMessage box_;
  bool pushed_ = false;
};
