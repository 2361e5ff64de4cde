// The version comparison of the copy policy that compares version resources.
#include "fileops/version_compare.h"

#include "base/path_buffer.h"
#include "fileops/copy_strategies.h"
#include "fileops/operation_context.h"
#include "fileops/version_numbers.h"
#include "fileops/version_stamp.h"

int CompareVersionStamps(OperationContext& context, const char* newFile, PathBuffer& existing) {
  VersionStamp existingStamp, newStamp;
  // An existing file without a version is always replaced; a new file
  // without one never replaces anything.
  switch (ReadVersionStamp(existing.Get(), existingStamp)) {
    case kVersionNone:
      return kPolicyCopy;
    case kVersionFailed:
      return kPolicyError;
    default:
      break;
  }
  switch (ReadVersionStamp(newFile, newStamp)) {
    case kVersionNone:
      return kPolicyKeep;
    case kVersionFailed:
      return kPolicyError;
    default:
      break;
  }
  if (existingStamp.type == newStamp.type && existingStamp.subtype == newStamp.subtype &&
      existingStamp.language == newStamp.language &&
      existingStamp.characterSet == newStamp.characterSet) {
    return CompareVersionWords(existingStamp.versionMs, existingStamp.versionLs, newStamp.versionMs,
                               newStamp.versionLs) < 0
               ? kPolicyCopy
               : kPolicyKeep;
  }
  // Files of another kind or language are the user's to decide.
  switch (context.AskVersionQuestion(newFile, newStamp, existing, existingStamp)) {
    case kAttributeCopy:
      return kPolicyCopy;
    case kAttributeSkip:
      return kPolicyKeep;
    default:
      return kPolicyError;
  }
}
