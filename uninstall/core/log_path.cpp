#include "core/log_path.h"

namespace {

bool Blank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string LogPathOf(const char* commandLine) {
  const std::string line = commandLine ? commandLine : "";
  size_t at = 0;
  if (!line.empty() && line[0] == '"') {
    const size_t close = line.find('"', 1);
    at = close == std::string::npos ? line.size() : close + 1;
  } else {
    while (at < line.size() && !Blank(line[at])) ++at;
  }
  while (at < line.size() && Blank(line[at])) ++at;
  size_t end = line.size();
  while (end > at && Blank(line[end - 1])) --end;
  if (end - at >= 2 && line[at] == '"' && line[end - 1] == '"') {
    ++at;
    --end;
  }
  return line.substr(at, end - at);
}
