#include "compile.h"

#include <cstdio>

#include "help_file.h"
#include "help_source.h"

namespace hlp {

bool CompileHelpFile(const std::string& sourcePath, const std::string& outputPath,
                     std::string& message) {
  std::FILE* f = std::fopen(sourcePath.c_str(), "rb");
  if (!f) {
    message = sourcePath + ": error: cannot open";
    return false;
  }
  std::string text;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
  std::fclose(f);

  HelpSource src;
  SourceError serr;
  if (!ParseHelpSource(text, src, serr)) {
    message = sourcePath + ":" + std::to_string(serr.line) + ": error: " + serr.message;
    return false;
  }
  Bytes out;
  std::string error;
  if (!BuildHelpFile(src, out, error) || !SaveFileAtomically(outputPath, out, error)) {
    message = sourcePath + ": error: " + error;
    return false;
  }
  return true;
}

}  // namespace hlp
