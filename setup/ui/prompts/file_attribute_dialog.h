// "File Attribute Incompatible": shown when a file to be installed and the
// file on the disk differ in type, subtype, language or character set; the
// user copies (possibly to another target path) or skips.
#pragma once

#include <windows.h>

#include "base/version_question.h"

class PathBuffer;

// kAttributeCopy (target may now hold the typed path), kAttributeSkip, or
// kAttributeNoDialog when the dialog cannot be opened.
int ShowFileAttributeDialog(HWND owner, const char* source, const VersionStamp& sourceStamp,
                            PathBuffer& target, const VersionStamp& targetStamp);

// Names of file type and subtype codes, from the string table.
const char* FileTypeName(unsigned long type, char* text, int size);
const char* FileSubtypeName(unsigned long subtype, char* text, int size);
