// The command-line tail of the setup engine: the process command line after
// the program name, which is the install source directory.
#pragma once

// A name that starts with a double quote ends after the closing quote (or at
// the end), any other name at the first character at or below the blank;
// then every character at or below the blank is skipped. The rest, trailing
// blanks and quotes included, is the tail (empty when nothing is left).
const char* CommandTail(const char* commandLine);

enum class TailKind { kEmpty, kDirectory, kTooLong };

// The source directory a tail names: one surrounding pair of double quotes
// taken off (a shell quotes a path with blanks), everything else unchanged.
// kTooLong when it does not fit in size characters with the NUL; directory
// then holds nothing.
TailKind SourceDirectoryOf(const char* tail, char* directory, int size);
