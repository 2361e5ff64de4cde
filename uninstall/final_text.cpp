#include "final_text.h"

#include "base/registry_roots.h"
#include "message_box.h"
#include "resource_ids.h"

std::string LeftoverText(const Leftover& l) {
  const char *a = l.a.c_str(), *b = l.b.c_str(), *c = l.c.c_str();
  switch (l.kind) {
    case LeftoverKind::kFile:
      return LoadText(kStrLeftFile, a);
    case LeftoverKind::kNotRestored:
      return LoadText(kStrLeftNotRestored, a);
    case LeftoverKind::kSharedUse:
      return LoadText(kStrLeftSharedUse, a);
    case LeftoverKind::kValue:
      return LoadText(kStrLeftValue, RootName(l.root), a, b);
    case LeftoverKind::kKey:
      return LoadText(kStrLeftKey, RootName(l.root), a);
    case LeftoverKind::kIniEntry:
      return LoadText(kStrLeftIniEntry, a, b, c);
    case LeftoverKind::kIniSection:
      return LoadText(kStrLeftIniSection, a, b);
    case LeftoverKind::kIniFile:
      return LoadText(kStrLeftIniFile, a);
    case LeftoverKind::kGroup:
      return LoadText(kStrLeftGroup, a);
    case LeftoverKind::kItem:
      return LoadText(kStrLeftItem, b, a);
    case LeftoverKind::kLog:
      return LoadText(kStrLeftLog, a);
    case LeftoverKind::kLogEndsEarly:
      return LoadText(kStrLeftLogEndsEarly, a);
  }
  return std::string();
}

std::string FinalText(const std::string& title, const std::vector<Leftover>& leftovers,
                      const std::vector<std::string>& refusals, bool restart) {
  std::vector<std::string> lines;
  for (const Leftover& leftover : leftovers) lines.push_back(LeftoverText(leftover));
  lines.insert(lines.end(), refusals.begin(), refusals.end());
  std::string text;
  if (lines.empty()) {
    text = LoadText(kStrRemoved, title.c_str());
  } else {
    text = LoadText(kStrNotAllRemoved, title.c_str()) + "\n";
    const int listed = static_cast<int>(lines.size()) > kListedLeftovers
                           ? kListedLeftovers - 1
                           : static_cast<int>(lines.size());
    for (int i = 0; i < listed; ++i) text += "\n" + lines[static_cast<size_t>(i)];
    if (listed < static_cast<int>(lines.size()))
      text += "\n" + LoadText(kStrMore, static_cast<int>(lines.size()) - listed);
  }
  if (restart) text += "\n\n" + LoadText(kStrRestart);
  return text;
}
