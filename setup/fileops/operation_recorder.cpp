#include "fileops/operation_recorder.h"

NullRecorder& NullRecorder::Instance() {
  static NullRecorder instance;
  return instance;
}
