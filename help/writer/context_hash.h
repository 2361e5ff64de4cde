// The hash WinHelp uses to find a topic by its context name.
#pragma once

#include <cstdint>
#include <string>

namespace hlp {

// True when every character is one the hash gives a value: letters (either
// case, the same value), digits, '.' and '_'. Other characters would be
// skipped or mapped differently by different viewers.
bool IsHashableContextName(const std::string& name);

// h = h * 43 + value(c), modulo 2^32; letters 17..42, '1'..'9' 1..9,
// '0' 10, '.' 12, '_' 13.
int32_t ContextHash(const std::string& name);

}  // namespace hlp
