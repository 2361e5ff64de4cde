#include "base/failure_report.h"

void FailureReport::Report(int code, unsigned id, ...) {
  va_list args;
  va_start(args, id);
  ReportV(code, id, args);
  va_end(args);
}
