// Source file in, help file out: what the command-line tool does.
#pragma once

#include <string>

namespace hlp {

// On failure `message` reads "SOURCE:LINE: error: ..." for source errors and
// the output file is left as it was (absent or the previous version).
bool CompileHelpFile(const std::string& sourcePath, const std::string& outputPath,
                     std::string& message);

}  // namespace hlp
