#include "runtime/menu_builder.h"

#include <cstring>
#include <string>

namespace kelvane {

namespace {

// "F1" ... "F12" → the virtual key; 0 for anything else.
WORD FunctionKey(const char* shortcut) {
  if (!shortcut || shortcut[0] != 'F') return 0;
  int n = atoi(shortcut + 1);
  return n >= 1 && n <= 12 ? static_cast<WORD>(VK_F1 + n - 1) : 0;
}

}  // namespace

HMENU BuildMenu(const std::vector<MenuLayout>& layout, HACCEL* shortcuts) {
  HMENU bar = CreateMenu();
  std::vector<ACCEL> keys;
  for (const MenuLayout& top : layout) {
    HMENU popup = CreatePopupMenu();
    for (const MenuLayout& item : top.items) {
      if (strcmp(item.caption, "-") == 0) {
        AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
        continue;
      }
      std::string text = item.caption;
      if (item.shortcut) text += std::string("\t") + item.shortcut;
      AppendMenuA(popup, MF_STRING, item.id, text.c_str());
      if (WORD key = FunctionKey(item.shortcut))
        keys.push_back({FVIRTKEY, key, static_cast<WORD>(item.id)});
    }
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), top.caption);
  }
  *shortcuts =
      keys.empty() ? nullptr : CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size()));
  return bar;
}

}  // namespace kelvane
