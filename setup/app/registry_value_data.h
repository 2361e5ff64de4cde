// The data of a registry value the product declares as text: a multi-string
// is written as its CR LF pieces, each ended by a NUL, and one more NUL.
// Platform-free.
#pragma once

#include <cstddef>

// Bytes the multi-string of text takes.
std::size_t MultiStringLength(const char* text);
// Writes it into data, which holds MultiStringLength(text) bytes.
void BuildMultiString(const char* text, char* data);
