#include "ui/background/background_controls.h"

#include "base/failure_report.h"
#include "resources/string_ids.h"
#include "ui/gauges/activity_meter.h"
#include "ui/background/background_window.h"
#include "ui/dialogs/screen_metrics.h"

#include <new>

constexpr int kActivityMeterIndex = 3;

bool BackgroundControls::Create(int index, int xPerMille, int yPerMille) {
  const int cx = ScreenXPerMille(xPerMille);
  const int cy = ScreenYPerMille(yPerMille);
  if (index >= 0 && index < kButtonCount) return CreateButton(index, cx, cy);
  if (index == kActivityMeterIndex) return CreateActivityMeter(cx, cy);
  return false;
}

bool BackgroundControls::CreateButton(int index, int cx, int cy) {
  if (buttons_[index]) return true;
  auto* button = new (std::nothrow) BackgroundButton(index);
  if (!button) {
    reports_.ReportOutOfMemory();
    return false;
  }
  if (!button->Create(background_.Handle(), cx, cy)) {
    delete button;
    reports_.Report(kFileOpGeneral, kStrNoButtonWindow);
    return false;
  }
  buttons_[index] = button;
  if (index == kMinimiseButtonIndex) {
    EnableWindow(button->Handle(), FALSE);
    background_.AttachMinimiseButton(button->Handle());
  }
  return true;
}

bool BackgroundControls::CreateActivityMeter(int cx, int cy) {
  if (meter_) return true;
  auto* meter = new (std::nothrow) ActivityMeter;
  if (!meter) {
    reports_.ReportOutOfMemory();
    return false;
  }
  if (!meter->Create(background_.Handle(), cx, cy)) {
    delete meter;
    reports_.Report(kFileOpGeneral, kStrNoGaugeWindow);
    return false;
  }
  meter_ = meter;
  return true;
}

void BackgroundControls::DestroyAll() {
  for (int i = 0; i < kButtonCount; ++i) {
    if (!buttons_[i]) continue;
    if (i == kMinimiseButtonIndex) background_.AttachMinimiseButton(nullptr);
    buttons_[i]->Destroy();
    delete buttons_[i];
    buttons_[i] = nullptr;
  }
  if (meter_) {
    meter_->Destroy();
    delete meter_;
    meter_ = nullptr;
  }
}

BackgroundButton* BackgroundControls::Button(int index) const {
  return index >= 0 && index < kButtonCount ? buttons_[index] : nullptr;
}
