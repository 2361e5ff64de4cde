#include "ui/gauges/model/meter_values.h"

int MeterGenerator::Next() {
  seed_ = seed_ * 214013u + 2531011u;
  return static_cast<int>((seed_ >> 16) & 0x7FFFu);
}

namespace {

int BusyReading(MeterGenerator& generator) { return 70 + generator.Next() * 31 / 32768; }

}  // namespace

MeterValues NextMeterValues(bool busy, MeterGenerator& generator) {
  if (!busy) return MeterValues{kMeterIdleRam, kMeterIdleCpu};
  MeterValues values;
  values.ram = BusyReading(generator);
  values.cpu = BusyReading(generator);
  return values;
}
