#include "ui/dialogs/pumping_progress.h"

#include "ui/dialogs/message_pump.h"

bool PumpingProgress::Add(uint32_t) {
  PumpMessages(true);
  return true;
}
