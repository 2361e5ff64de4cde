// The comparison of the copy policy that compares version resources.
#pragma once

class FileOperations;
class PathBuffer;

// New file newFile against the existing file existing: kPolicyCopy (replace),
// kPolicyKeep or kPolicyError. Files of different type, subtype, language or
// character set go to the file operations' version question; when it is
// answered Copy, existing may hold the path the user typed.
int CompareVersionStamps(FileOperations& ops, const char* newFile, PathBuffer& existing);
