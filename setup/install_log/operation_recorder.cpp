#include "install_log/operation_recorder.h"

NullRecorder& NullRecorder::Instance() {
  static NullRecorder instance;
  return instance;
}
