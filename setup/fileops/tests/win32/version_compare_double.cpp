// Test double of the version comparison, which the copy engine calls on its
// comparing route: answers what the test sets and, like the version question
// answered with an edited path, can hand the engine another destination.
#include "version_compare_double.h"

#include "base/path_buffer.h"
#include "fileops/version_compare.h"

namespace copytest {

VersionCompareDouble& VersionAnswer() {
  static VersionCompareDouble answer;
  return answer;
}

}  // namespace copytest

int CompareVersionStamps(OperationContext&, const char* newFile, PathBuffer& existing) {
  copytest::VersionCompareDouble& answer = copytest::VersionAnswer();
  ++answer.calls;
  answer.newFile = newFile;
  answer.existing = existing.Get();
  if (!answer.typedPath.empty()) existing.Set(answer.typedPath.c_str());
  return answer.result;
}
