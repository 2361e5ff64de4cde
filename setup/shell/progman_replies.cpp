#include "shell/progman_replies.h"

#include <climits>
#include <cstring>

namespace {

char FoldAtoZ(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The reply's lines, split at LF, each without a CR that ends it.
std::vector<std::string> Lines(const char* reply) {
  std::vector<std::string> lines;
  std::string line;
  for (const char* p = reply; *p; ++p) {
    if (*p != '\n') {
      line += *p;
      continue;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    line.clear();
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (!line.empty()) lines.push_back(line);
  return lines;
}

template <size_t N>
void CopyCut(char (&to)[N], const std::string& from) {
  const size_t length = from.size() < N - 1 ? from.size() : N - 1;
  std::memcpy(to, from.data(), length);
  to[length] = '\0';
}

std::string Field(const std::vector<std::string>& fields, size_t index) {
  return index < fields.size() ? fields[index] : std::string();
}

int NumberField(const std::vector<std::string>& fields, size_t index) {
  return FieldNumber(Field(fields, index));
}

}  // namespace

bool SameName(const char* a, const char* b) {
  if (!a || !b) return false;
  for (; *a && *b; ++a, ++b)
    if (FoldAtoZ(*a) != FoldAtoZ(*b)) return false;
  return *a == *b;
}

bool GroupListHas(const char* reply, const char* group) {
  if (!reply) return false;
  for (const std::string& name : Lines(reply))
    if (SameName(name.c_str(), group)) return true;
  return false;
}

std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (char c : line) {
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

int FieldNumber(const std::string& field) {
  size_t at = 0;
  bool negative = false;
  if (!field.empty() && (field[0] == '-' || field[0] == '+')) negative = field[at++] == '-';
  long long value = 0;
  for (; at < field.size() && field[at] >= '0' && field[at] <= '9'; ++at) {
    value = value * 10 + (field[at] - '0');
    if (value > INT_MAX) value = INT_MAX;  // held, not wrapped
  }
  return static_cast<int>(negative ? -value : value);
}

bool ParseGroup(const char* reply, GroupContents& group) {
  group = GroupContents();
  if (!reply) return false;
  const std::vector<std::string> lines = Lines(reply);
  if (lines.empty()) return false;
  const std::vector<std::string> head = SplitFields(lines[0]);
  CopyCut(group.name, Field(head, 0));
  group.count = NumberField(head, 2);
  for (size_t i = 1; i < lines.size() && static_cast<int>(i) <= group.count; ++i) {
    const std::vector<std::string> fields = SplitFields(lines[i]);
    GroupItem item;
    CopyCut(item.name, Field(fields, 0));
    CopyCut(item.commandLine, Field(fields, 1));
    CopyCut(item.workingDirectory, Field(fields, 2));
    CopyCut(item.iconPath, Field(fields, 3));
    item.x = NumberField(fields, 4);
    item.y = NumberField(fields, 5);
    item.iconIndex = NumberField(fields, 6);
    item.hotKey = NumberField(fields, 7);
    item.minimised = NumberField(fields, 8);
    group.items.push_back(item);
  }
  return true;
}

const GroupItem* FindItem(const GroupContents& group, const char* item) {
  for (const GroupItem& candidate : group.items)
    if (SameName(candidate.name, item)) return &candidate;
  return nullptr;
}
