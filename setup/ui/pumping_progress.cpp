#include "ui/pumping_progress.h"

#include "ui/message_pump.h"

bool PumpingProgress::Add(uint32_t) {
  PumpMessages(true);
  return true;
}
