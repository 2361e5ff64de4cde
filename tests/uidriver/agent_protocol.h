// The request block the UI driver and its in-process agent share. The
// driver fills it, sends the agent's registered message to a window of the
// target thread, and reads the answer back. Menus and tooltips live in the
// target process, so only code running there can read them; so, under
// Wine, do a window's scroll bars.
#pragma once

#include <cstdint>

namespace uidriver {

enum AgentOp : int32_t {
  kMenuDump = 1,    // result: the menu tree, one item a line
  kMenuState = 2,   // arg: "Menu|Item"; status: 0 enabled, 2 greyed, 1 not found
  kMenuChoose = 3,  // arg: "Menu|Item"; posts the command when enabled; status as kMenuState
  kTooltips = 4,    // result: "<control id>\t<text>" a line, for the window's tooltips
  kScrollBar = 5,   // arg: SB_HORZ or SB_VERT; result: "min max page pos"; status 0 when read
  kPaintNow = 6,    // paints what waits to be painted in the window and its children
};

constexpr int kAgentArgSize = 1024;
constexpr int kAgentResultSize = 32768;

struct AgentBlock {
  int32_t op;
  int32_t status;
  uint64_t window;
  char arg[kAgentArgSize];
  char result[kAgentResultSize];
};

inline void AgentBlockName(char* name, unsigned long processId) {
  const char prefix[] = "HaventideUiAgent.";
  int i = 0;
  for (; prefix[i]; ++i) name[i] = prefix[i];
  char digits[16];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + processId % 10);
    processId /= 10;
  } while (processId);
  while (n) name[i++] = digits[--n];
  name[i] = '\0';
}

constexpr char kAgentMessageName[] = "HaventideUiAgentRequest";

}  // namespace uidriver
