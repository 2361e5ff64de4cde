#include "ui/gauges/activity_meter.h"

#include "ui/dialogs/message_pump.h"
#include "resources/dialog_ids.h"

bool ActivityMeter::Create(HWND background, int centreX, int centreY) {
  if (Handle()) return false;
  if (!CreateModelessDialog(*this, background, MAKEINTRESOURCEA(kDlgActivityMeter))) return false;
  HWND meter = Handle();
  if (!ram_.Bind(GetDlgItem(meter, kRamGauge)) || !cpu_.Bind(GetDlgItem(meter, kCpuGauge))) {
    Destroy();
    return false;
  }
  ram_.SetColour(kRamColour);
  cpu_.SetColour(kCpuColour);
  busy_ = 0;
  generator_.Seed(GetTickCount() & 0xFFFFu);
  SetTimer(meter, kTimer, kTimerMs, nullptr);
  CentreAtPoint(meter, centreX, centreY);
  ShowWindow(meter, SW_SHOW);
  InvalidateRect(meter, nullptr, TRUE);
  ApplyValues();
  return true;
}

void ActivityMeter::Destroy() {
  ram_.Unbind();
  cpu_.Unbind();
  HWND meter = Handle();
  if (!meter) return;
  KillTimer(meter, kTimer);
  DestroyWindow(meter);
}

void ActivityMeter::ApplyValues() {
  MeterValues values = NextMeterValues(busy_ != 0, generator_);
  ram_.SetValue(values.ram);
  cpu_.SetValue(values.cpu);
}

LRESULT ActivityMeter::HandleMessage(UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_TIMER:
      ApplyValues();
      return TRUE;
    default:
      return FALSE;
  }
}
