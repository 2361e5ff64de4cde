#include "shell/progman_commands.h"

#include <cstdarg>
#include <cstdio>

namespace {

const char* Text(const char* s) { return s ? s : ""; }

bool FormatShort(ShortCommand& out, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int length = std::vsnprintf(out.text, sizeof out.text, format, args);
  va_end(args);
  if (length >= 0 && length < kCommandBufferSize) return true;
  out.text[0] = '\0';
  return false;
}

std::string Format(const char* format, ...) {
  va_list args, measure;
  va_start(args, format);
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  std::string text;
  if (length > 0) {
    text.resize(static_cast<size_t>(length) + 1);
    std::vsnprintf(&text[0], text.size(), format, args);
    text.resize(static_cast<size_t>(length));
  }
  va_end(args);
  return text;
}

// Brackets delimit commands; control characters end lines of a reply.
bool Carried(unsigned char c) { return c >= ' ' && c != 0x7F && c != '[' && c != ']'; }

bool Refused(ShortCommand& out) {
  out.text[0] = '\0';
  return false;
}

}  // namespace

bool FitsQuotedArgument(const char* text) {
  for (const char* at = Text(text); *at; ++at)
    if (!Carried(static_cast<unsigned char>(*at)) || *at == '"') return false;
  return true;
}

bool FitsBareArgument(const char* text) {
  bool quoted = false;
  for (const char* at = Text(text); *at; ++at) {
    if (!Carried(static_cast<unsigned char>(*at))) return false;
    if (*at == '"') quoted = !quoted;
  }
  return !quoted;
}

bool CreateGroupCommand(const char* group, int flag, ShortCommand& out) {
  if (!FitsQuotedArgument(group)) return Refused(out);
  return FormatShort(out, "[CreateGroup(\"%s\", %d)]", Text(group), flag ? 1 : 0);
}

bool ShowGroupCommand(const char* group, int show, int flag, ShortCommand& out) {
  if (show == 9) return CreateGroupCommand(group, 0, out);
  if (!FitsQuotedArgument(group)) return Refused(out);
  return FormatShort(out, "[ShowGroup(\"%s\", %d, %d)]", Text(group), show, flag ? 1 : 0);
}

bool DeleteItemCommand(const char* item, ShortCommand& out) {
  if (!FitsQuotedArgument(item)) return Refused(out);
  return FormatShort(out, "[DeleteItem(\"%s\")]", Text(item));
}

bool DeleteGroupCommand(const char* group, ShortCommand& out) {
  if (!FitsQuotedArgument(group)) return Refused(out);
  return FormatShort(out, "[DeleteGroup(\"%s\")]", Text(group));
}

std::string AddItemCommand(const char* commandLine, const char* title, const char* iconPath,
                           int iconIndex, const char* workingDirectory) {
  if (!FitsBareArgument(commandLine) || !FitsQuotedArgument(title) || !FitsBareArgument(iconPath) ||
      !FitsBareArgument(workingDirectory))
    return std::string();
  if (workingDirectory && *workingDirectory)
    return Format("[AddItem(%s, \"%s\", %s, %d, , , %s)]", Text(commandLine), Text(title),
                  Text(iconPath), iconIndex, workingDirectory);
  return Format("[AddItem(%s, \"%s\", %s, %d)]", Text(commandLine), Text(title), Text(iconPath),
                iconIndex);
}

std::string AddItemCommand(const GroupItem& item) {
  if (!FitsBareArgument(item.commandLine) || !FitsQuotedArgument(item.name) ||
      !FitsBareArgument(item.iconPath) || !FitsBareArgument(item.workingDirectory))
    return std::string();
  return Format("[AddItem(%s, \"%s\", %s, %d, %d, %d, %s, %d, %d)]", item.commandLine, item.name,
                item.iconPath, item.iconIndex, item.x, item.y, item.workingDirectory, item.hotKey,
                item.minimised);
}
