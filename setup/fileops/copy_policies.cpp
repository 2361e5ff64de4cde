// The recorded-version and size policies (the time-stamp policy is in
// time_stamp_policy.cpp; always-copy and version-resource need no code here).
#include "fileops/copy_policies.h"

#include "fileops/file_operations.h"
#include "fileops/path_names.h"
#include "fileops/version_numbers.h"
#include "fileops/file_facts.h"

#include <windows.h>

namespace {

const char kVersionSection[] = "iniversion";
const char kVersionFile[] = "fiver.ini";
constexpr DWORD kVersionTextChars = 80;

}  // namespace

int RecordedVersionPolicy::Compare(const char* /*source*/, const char* destination) {
  PathBuffer folder;
  if (!destination || !key_.Set(destination) || !path_names::DirectoryOf(destination, folder) ||
      !path_names::JoinPath(folder.Get(), kVersionFile, iniFile_)) {
    // Without both paths the new version could not be recorded afterwards.
    key_.Set("");
    iniFile_.Set("");
    return kPolicyError;
  }
  char text[kVersionTextChars];
  const DWORD length = GetPrivateProfileStringA(kVersionSection, key_.Get(), "0.0.0.0", text,
                                                kVersionTextChars, iniFile_.Get());
  // A text that filled the buffer was cut: it is as unreadable as any other
  // that is not a version, and an unreadable version copies.
  if (length >= kVersionTextChars - 1) return kPolicyCopy;
  uint32_t installedMs = 0, installedLs = 0;
  if (!ParseDottedVersion(text, installedMs, installedLs)) return kPolicyCopy;
  return CompareVersionWords(versionMs_, versionLs_, installedMs, installedLs) > 0 ? kPolicyCopy
                                                                                   : kPolicyKeep;
}

void RecordedVersionPolicy::AfterCopy() {
  if (!*key_.Get() || !*iniFile_.Get()) return;
  char text[kVersionTextChars];
  if (!FormatDottedVersion(versionMs_, versionLs_, text, sizeof text)) return;
  WritePrivateProfileStringA(kVersionSection, key_.Get(), text, iniFile_.Get());
}

int SizePolicy::Compare(const char* /*source*/, const char* destination) {
  DWORD size = 0;
  if (!FileLength(destination, size)) return kPolicyCopy;
  // Lengths are compared as signed 32-bit numbers.
  const int32_t length = static_cast<int32_t>(size);
  return threshold_ > length ? kPolicyCopy : kPolicyKeep;
}
