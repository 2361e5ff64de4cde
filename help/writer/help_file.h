// A whole WinHelp file (Windows 95 layout, uncompressed) from a parsed source.
#pragma once

#include <string>

#include "help_source.h"
#include "le_bytes.h"

namespace hlp {

constexpr uint32_t kHelpMagic = 0x00035F3F;

bool BuildHelpFile(const HelpSource& src, Bytes& out, std::string& error);

// Writes through a temporary file in the same folder and renames it, so a
// failed run leaves no partial file under the final name.
bool SaveFileAtomically(const std::string& path, const Bytes& data, std::string& error);

}  // namespace hlp
