#include "core/ini_lines.h"

namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The key of a line: the text before its '=', blanks around it dropped.
bool HasKey(const std::string& line, const std::string& key) {
  const size_t equals = line.find('=');
  size_t begin = 0, end = equals == std::string::npos ? line.size() : equals;
  while (begin < end && line[begin] == ' ') ++begin;
  while (end > begin && line[end - 1] == ' ') --end;
  if (end - begin != key.size()) return false;
  for (size_t i = 0; i < key.size(); ++i)
    if (Upper(line[begin + i]) != Upper(key[i])) return false;
  return true;
}

// The index of the line holding the occurrence; lines.size() when none.
size_t Find(const std::vector<std::string>& lines, const std::string& key, unsigned occurrence,
            size_t& afterLast) {
  afterLast = lines.size();
  unsigned seen = 0;
  size_t found = lines.size();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!HasKey(lines[i], key)) continue;
    if (seen++ == occurrence) found = i;
    afterLast = i + 1;
  }
  return found;
}

}  // namespace

bool RemoveEntry(std::vector<std::string>& lines, const std::string& key, unsigned occurrence) {
  size_t afterLast = 0;
  const size_t at = Find(lines, key, occurrence, afterLast);
  if (at == lines.size()) return false;
  lines.erase(lines.begin() + static_cast<long>(at));
  return true;
}

bool ChangeEntry(std::vector<std::string>& lines, const std::string& key, const std::string& value,
                 unsigned occurrence) {
  size_t afterLast = 0;
  const size_t at = Find(lines, key, occurrence, afterLast);
  if (at == lines.size()) return false;
  lines[at] = key + "=" + value;
  return true;
}

void InsertEntry(std::vector<std::string>& lines, const std::string& key, const std::string& value,
                 unsigned occurrence) {
  size_t afterLast = 0;
  size_t at = Find(lines, key, occurrence, afterLast);
  if (at == lines.size()) at = afterLast;
  lines.insert(lines.begin() + static_cast<long>(at), key + "=" + value);
}
