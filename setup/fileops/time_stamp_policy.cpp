// Time stamps compared as local calendar fields, and the policy that keeps
// a destination not older than its source.
//
// The comparison reads the stamps without the object's report: a file that
// does not exist has all fields zero here, which is no failure.
#include "fileops/copy_policies.h"

#include "fileops/file_operations.h"
#include "fileops/file_facts.h"

namespace {

// False when the file is there but its time cannot be read.
bool LocalWriteTime(const char* path, SYSTEMTIME& stamp) {
  stamp = SYSTEMTIME();
  if (!path) return false;
  DWORD openError = NO_ERROR;
  if (ReadLocalWriteTime(path, stamp, &openError)) return true;
  stamp = SYSTEMTIME();
  return openError == ERROR_FILE_NOT_FOUND || openError == ERROR_PATH_NOT_FOUND;
}

int Order(WORD a, WORD b) { return a < b ? -1 : (a > b ? 1 : 0); }

}  // namespace

int CompareTimeStamps(FileOperations& /*ops*/, const char* a, const char* b) {
  SYSTEMTIME first, second;
  if (!LocalWriteTime(a, first) || !LocalWriteTime(b, second)) return 2;
  // The day of the week follows from the date and is not compared.
  const WORD SYSTEMTIME::*const fields[] = {
      &SYSTEMTIME::wYear,   &SYSTEMTIME::wMonth,  &SYSTEMTIME::wDay,         &SYSTEMTIME::wHour,
      &SYSTEMTIME::wMinute, &SYSTEMTIME::wSecond, &SYSTEMTIME::wMilliseconds};
  for (const auto field : fields) {
    const int order = Order(first.*field, second.*field);
    if (order != 0) return order;
  }
  return 0;
}

int TimeStampPolicy::Compare(const char* source, const char* destination) {
  switch (CompareTimeStamps(ops_, destination, source)) {
    case 2:
      return kPolicyError;
    case -1:
      return kPolicyCopy;
    default:
      return kPolicyKeep;
  }
}
