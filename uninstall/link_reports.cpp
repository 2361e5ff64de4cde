#include "link_reports.h"

#include <windows.h>

#include "base/message_text.h"
#include "resource_ids.h"

void LinkReports::Keep(const std::string& text) {
  for (const std::string& kept : texts_)
    if (kept == text) return;
  texts_.push_back(text);
}

void LinkReports::ReportV(int, unsigned id, va_list args) {
  SetupString text;
  if (FormatMessageTextV(text, id, args)) Keep(text.Text());
}

void LinkReports::ReportText(const char* text) { Keep(text ? text : ""); }

void LinkReports::ReportOutOfMemory() {
  SetupString text;
  if (LoadMessage(text, kStrOutOfMemory)) Keep(text.Text());
}

bool LinkReports::ShortPath(const char* path, std::string& shortPath) {
  shortPath.clear();
  char buffer[MAX_PATH];
  const DWORD length = path ? GetShortPathNameA(path, buffer, sizeof buffer) : 0;
  if (length == 0 || length >= sizeof buffer) return false;
  shortPath.assign(buffer, length);
  return true;
}
