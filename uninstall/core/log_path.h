// The uninstaller's command line: the program, then the path of the install
// log. The uninstall entry leaves the blanks of a path such as
// "C:\Program Files\Configuration Haventide\filog.ini" unquoted, so the
// whole tail is the path.
#pragma once

#include <string>

// Skips the program's name (to its closing quote when it starts with one,
// else to the first blank) and the blanks after it, drops trailing blanks,
// then takes off one surrounding pair of double quotes. Empty when nothing
// is left.
std::string LogPathOf(const char* commandLine);
