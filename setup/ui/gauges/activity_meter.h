// The activity meter on the background: two vertical gauges captioned
// "RAM" and "CPU" in the modeless dialog 800. While the install sequence
// marks a phase busy they flicker between 70 and 100 on a 300 ms timer;
// otherwise they stand at 77 and 90.
#pragma once

#include "ui/dialogs/dialog_object.h"
#include "ui/gauges/gauge.h"
#include "ui/gauges/model/meter_values.h"
#include "resources/dialog_ids.h"

class ActivityMeter : public DialogObject {
 public:
  static constexpr int kRamGauge = kMeterRam;
  static constexpr int kCpuGauge = kMeterCpu;
  static constexpr UINT_PTR kTimer = 103;
  static constexpr UINT kTimerMs = 300;
  static constexpr COLORREF kRamColour = 0x00FF00;  // green
  static constexpr COLORREF kCpuColour = 0xFFFF00;  // cyan

  // Makes the meter under the background with its centre at (centreX,
  // centreY) in screen pixels, kept on the screen, and shows it. False when
  // the dialog cannot be made or a gauge cannot be bound (nothing is left).
  bool Create(HWND background, int centreX, int centreY);
  // Unbinds both gauges, stops the timer and destroys the dialog.
  void Destroy();

  int Busy() const { return busy_; }
  // The install sequence saves and puts back the previous value around each
  // working phase; the next tick shows the change.
  void SetBusy(int busy) { busy_ = busy; }

  const Gauge& Ram() const { return ram_; }
  const Gauge& Cpu() const { return cpu_; }

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void ApplyValues();
  Gauge ram_;
  Gauge cpu_;
  int busy_ = 0;
  MeterGenerator generator_;
};
