// The controls on the background: the three buttons (index 0 close, 1 help,
// 2 minimise) and the activity meter (index 3). The install sequence creates
// them at per-mille points after the background and destroys them before it.
#pragma once

#include "ui/background/background_button.h"

class ActivityMeter;
class BackgroundWindow;
class FailureReport;

class BackgroundControls {
 public:
  BackgroundControls(FailureReport& reports, BackgroundWindow& background)
      : reports_(reports), background_(background) {}
  ~BackgroundControls() { DestroyAll(); }
  BackgroundControls(const BackgroundControls&) = delete;
  BackgroundControls& operator=(const BackgroundControls&) = delete;

  // Creates control index centred at the per-mille point. Failure is
  // reported through the file operations; setup goes on without it.
  bool Create(int index, int xPerMille, int yPerMille);
  // The buttons, then the meter.
  void DestroyAll();

  BackgroundButton* Button(int index) const;
  ActivityMeter* Meter() const { return meter_; }

 private:
  bool CreateButton(int index, int cx, int cy);
  bool CreateActivityMeter(int cx, int cy);

  FailureReport& reports_;
  BackgroundWindow& background_;
  BackgroundButton* buttons_[kButtonCount] = {};
  ActivityMeter* meter_ = nullptr;
};
