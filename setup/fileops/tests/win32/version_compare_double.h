// The test double of CompareVersionStamps (see version_compare_double.cpp).
#pragma once

#include <string>

#include "fileops/copy_strategies.h"

namespace copytest {

struct VersionCompareDouble {
  int result = kPolicyCopy;  // the answer given
  std::string typedPath;     // non-empty: the destination the "user" typed
  int calls = 0;
  std::string newFile, existing;  // what the last call was given
};

// Reset it at the start of each test that uses it.
VersionCompareDouble& VersionAnswer();

}  // namespace copytest
