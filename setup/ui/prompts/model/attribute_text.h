// The texts the "File Attribute Incompatible" dialog shows for a file's
// version summary, apart from the language name (the platform's).
#pragma once

#include <cstddef>
#include <cstdint>

// String-table identifiers of the names of file type and subtype codes;
// codes without a name of their own are "unknown".
unsigned FileTypeStringId(unsigned long type);
unsigned FileSubtypeStringId(unsigned long subtype);

// "%d.%d.%d.%d": major and minor from the high word pair, release and build
// from the low one. Cut to size.
void FormatFileVersion(uint32_t versionMs, uint32_t versionLs, char* text, std::size_t size);
// The code page in lower-case hexadecimal without prefix (1252 → "4e4").
void FormatCharacterSet(uint16_t characterSet, char* text, std::size_t size);
