// The comparison of the copy policy that compares version resources.
#pragma once

class OperationContext;
class PathBuffer;

// New file newFile against the existing file existing: kPolicyCopy (replace),
// kPolicyKeep or kPolicyError. Files of different type, subtype, language or
// character set go to the context's version question; when it is
// answered Copy, existing may hold the path the user typed.
int CompareVersionStamps(OperationContext& context, const char* newFile, PathBuffer& existing);
