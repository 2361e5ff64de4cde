// The UI driver's agent: a DLL the driver hooks into the program under test
// so that menus, tooltips and scroll bars can be read, menu items chosen
// and waiting paints made from inside it.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "agent_protocol.h"

namespace {

UINT AgentMessage() {
  static UINT message = RegisterWindowMessageA(uidriver::kAgentMessageName);
  return message;
}

// A caption without its '&' markers and without the shortcut after a tab.
std::string PlainCaption(const char* text) {
  std::string plain;
  for (const char* p = text; *p && *p != '\t'; ++p)
    if (*p != '&') plain += *p;
  return plain;
}

void DumpMenu(HMENU menu, int depth, std::string& out) {
  int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    char text[256] = {0};
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_TYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_ID;
    info.dwTypeData = text;
    info.cch = sizeof text - 1;
    GetMenuItemInfoA(menu, i, TRUE, &info);
    out.append(depth, ' ');
    if (info.fType & MFT_SEPARATOR) {
      out += "-\n";
      continue;
    }
    out += text;
    if (info.fState & MFS_GRAYED) out += " [greyed]";
    out += '\n';
    if (info.hSubMenu) DumpMenu(info.hSubMenu, depth + 1, out);
  }
}

// Finds "Menu|Item|..." by plain captions; returns the item's command id.
bool FindItem(HMENU menu, const char* path, UINT* id, UINT* state) {
  std::string rest = path;
  while (menu) {
    std::string head = rest.substr(0, rest.find('|'));
    bool last = rest.find('|') == std::string::npos;
    rest = last ? std::string() : rest.substr(rest.find('|') + 1);
    int count = GetMenuItemCount(menu);
    HMENU next = nullptr;
    for (int i = 0; i < count; ++i) {
      char text[256] = {0};
      GetMenuStringA(menu, i, text, sizeof text - 1, MF_BYPOSITION);
      if (PlainCaption(text) != head) continue;
      if (last) {
        *id = GetMenuItemID(menu, i);
        *state = GetMenuState(menu, i, MF_BYPOSITION);
        return true;
      }
      next = GetSubMenu(menu, i);
      break;
    }
    menu = next;
  }
  return false;
}

struct TooltipSearch {
  HWND owner;
  std::string out;
};

BOOL CALLBACK CollectTooltips(HWND tip, LPARAM param) {
  auto* search = reinterpret_cast<TooltipSearch*>(param);
  char cls[64] = {0};
  GetClassNameA(tip, cls, sizeof cls);
  if (lstrcmpiA(cls, TOOLTIPS_CLASSA) != 0 || GetWindow(tip, GW_OWNER) != search->owner)
    return TRUE;
  int count = static_cast<int>(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[1024] = {0};
    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;  // answered by every COMCTL32, 4.00 included
    info.lpszText = text;
    if (!SendMessageA(tip, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&info))) continue;
    text[0] = '\0';
    info.lpszText = text;
    SendMessageA(tip, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&info));
    int id = (info.uFlags & TTF_IDISHWND) ? GetDlgCtrlID(reinterpret_cast<HWND>(info.uId))
                                          : static_cast<int>(info.uId);
    search->out += std::to_string(id) + "\t" + text + "\n";
  }
  return TRUE;
}

void Serve(HWND window) {
  char name[64];
  uidriver::AgentBlockName(name, GetCurrentProcessId());
  HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, name);
  if (!mapping) return;
  auto* block =
      static_cast<uidriver::AgentBlock*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0));
  if (block) {
    std::string out;
    block->status = 1;
    HWND target = reinterpret_cast<HWND>(static_cast<uintptr_t>(block->window));
    if (!target) target = window;
    switch (block->op) {
      case uidriver::kMenuDump:
        if (HMENU menu = GetMenu(target)) {
          DumpMenu(menu, 0, out);
          block->status = 0;
        }
        break;
      case uidriver::kMenuState:
      case uidriver::kMenuChoose: {
        UINT id = 0, state = 0;
        block->arg[uidriver::kAgentArgSize - 1] = '\0';
        if (HMENU menu = GetMenu(target); menu && FindItem(menu, block->arg, &id, &state)) {
          bool enabled = !(state & (MF_GRAYED | MF_DISABLED));
          block->status = enabled ? 0 : 2;
          // Posted, so that a modal window the command opens does not
          // hold the driver up.
          if (enabled && block->op == uidriver::kMenuChoose)
            PostMessageA(target, WM_COMMAND, id, 0);
        }
        break;
      }
      case uidriver::kTooltips: {
        TooltipSearch search = {target, std::string()};
        EnumThreadWindows(GetCurrentThreadId(), CollectTooltips, reinterpret_cast<LPARAM>(&search));
        out = search.out;
        block->status = 0;
        break;
      }
      case uidriver::kScrollBar: {
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        if (GetScrollInfo(target, atoi(block->arg), &info)) {
          char line[64];
          wsprintfA(line, "%d %d %u %d", info.nMin, info.nMax, info.nPage, info.nPos);
          out = line;
          block->status = 0;
        }
        break;
      }
      case uidriver::kPaintNow:
        block->status =
            RedrawWindow(target, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN) ? 0 : 1;
        break;
    }
    size_t n =
        out.size() < uidriver::kAgentResultSize - 1 ? out.size() : uidriver::kAgentResultSize - 1;
    memcpy(block->result, out.data(), n);
    block->result[n] = '\0';
    UnmapViewOfFile(block);
  }
  CloseHandle(mapping);
}

}  // namespace

extern "C" LRESULT CALLBACK UiAgentHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (call->message == AgentMessage()) Serve(call->hwnd);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
