// A stand-in Program Manager for the tests, never shipped: a top-level window of
// class "PROGMAN" that serves the DDE conversation "PROGMAN"/"PROGMAN" as
// Windows 95's shell does, with the raw DDE messages (Wine's own server and
// Wine's DDE management library on the server side both answer out of
// step). It keeps groups and items in memory and writes every command it
// received and the resulting groups to a state file after each change.
//
//   progman_server.exe STATEFILE [--refuse COMMAND]... [--name NAME]
//
// A refused command (CreateGroup, ShowGroup, AddItem, DeleteItem,
// DeleteGroup) is answered negatively and changes nothing. NAME, in place
// of "PROGMAN" as class, service and topic, keeps it apart from the
// platform's Program Manager, which may answer "PROGMAN" itself.
#include <windows.h>
#include <dde.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

struct Item {
  std::string name, command, directory, icon;
  int iconIndex = 0, x = 0, y = 0, hotKey = 0, minimised = 0;
};

struct Group {
  std::string name;
  std::vector<Item> items;
};

struct Server {
  std::string stateFile;
  std::string name = "PROGMAN";
  std::set<std::string> refused;
  std::vector<std::string> received;
  std::vector<Group> groups;
  Group* current = nullptr;
  int conversations = 0;  // initiates answered
};

Server g_server;

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

Group* FindGroup(const std::string& name) {
  for (Group& g : g_server.groups)
    if (SameName(g.name, name)) return &g;
  return nullptr;
}

std::string Trim(const std::string& s) {
  size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return "";
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// The arguments of one command, split at commas outside quotes; quotes
// are dropped, blanks around an argument too.
std::vector<std::string> Arguments(const std::string& text) {
  std::vector<std::string> args(1);
  bool quoted = false;
  for (char c : text) {
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      args.emplace_back();
    } else {
      args.back() += c;
    }
  }
  for (std::string& a : args) a = Trim(a);
  if (args.size() == 1 && args[0].empty()) args.clear();
  return args;
}

std::string Arg(const std::vector<std::string>& args, size_t i) {
  return i < args.size() ? args[i] : std::string();
}

int Number(const std::vector<std::string>& args, size_t i) { return atoi(Arg(args, i).c_str()); }

bool Run(const std::string& name, const std::vector<std::string>& args) {
  if (g_server.refused.count(name)) return false;
  if (name == "CreateGroup") {
    if (args.empty() || args[0].empty()) return false;
    Group* g = FindGroup(args[0]);
    if (!g) {
      g_server.groups.push_back(Group{args[0], {}});
      g = &g_server.groups.back();
    }
    g_server.current = g;
    return true;
  }
  if (name == "ShowGroup") {
    Group* g = FindGroup(Arg(args, 0));
    if (!g) return false;
    g_server.current = g;
    return true;
  }
  if (name == "DeleteGroup") {
    for (size_t i = 0; i < g_server.groups.size(); ++i) {
      if (!SameName(g_server.groups[i].name, Arg(args, 0))) continue;
      g_server.groups.erase(g_server.groups.begin() + static_cast<long>(i));
      g_server.current = nullptr;
      return true;
    }
    return false;
  }
  if (name == "AddItem") {
    if (!g_server.current || Arg(args, 0).empty()) return false;
    Item item;
    item.command = Arg(args, 0);
    item.name = Arg(args, 1);
    if (item.name.empty()) item.name = item.command;
    item.icon = Arg(args, 2);
    item.iconIndex = Number(args, 3);
    item.x = Number(args, 4);
    item.y = Number(args, 5);
    item.directory = Arg(args, 6);
    item.hotKey = Number(args, 7);
    item.minimised = Number(args, 8);
    g_server.current->items.push_back(item);
    return true;
  }
  if (name == "DeleteItem") {
    if (!g_server.current) return false;
    std::vector<Item>& items = g_server.current->items;
    for (size_t i = 0; i < items.size(); ++i) {
      if (!SameName(items[i].name, Arg(args, 0))) continue;
      items.erase(items.begin() + static_cast<long>(i));
      return true;
    }
    return false;
  }
  return false;
}

// Runs every "[Name(arguments)]" of an execute string; false at the first
// that fails or cannot be read.
bool Execute(const std::string& text) {
  size_t at = 0;
  bool any = false;
  while ((at = text.find('[', at)) != std::string::npos) {
    const size_t open = text.find('(', at);
    const size_t close = text.find(")]", at);
    if (open == std::string::npos || close == std::string::npos || open > close) return false;
    const std::string name = Trim(text.substr(at + 1, open - at - 1));
    if (!Run(name, Arguments(text.substr(open + 1, close - open - 1)))) return false;
    any = true;
    at = close + 2;
  }
  return any;
}

void WriteState() {
  FILE* f = fopen(g_server.stateFile.c_str(), "wb");
  if (!f) return;
  fprintf(f, "conversations: %d\n", g_server.conversations);
  for (const std::string& c : g_server.received) fprintf(f, "command: %s\n", c.c_str());
  for (const Group& g : g_server.groups) {
    fprintf(f, "group: %s\n", g.name.c_str());
    for (const Item& i : g.items)
      fprintf(f, "item: %s|%s|%s|%s|%s|%d|%d|%d|%d|%d\n", g.name.c_str(), i.name.c_str(),
              i.command.c_str(), i.directory.c_str(), i.icon.c_str(), i.iconIndex, i.x, i.y,
              i.hotKey, i.minimised);
  }
  fclose(f);
}

// The text a request for item is answered with; false for an unknown item.
bool Reply(const std::string& item, std::string& text) {
  if (SameName(item, "GROUPS")) {
    for (const Group& g : g_server.groups) text += g.name + "\r\n";
    return true;
  }
  const Group* g = FindGroup(item);
  if (!g) return false;
  text = "\"" + g->name + "\",C:\\WINDOWS\\GROUP.GRP," + std::to_string(g->items.size()) + "\r\n";
  for (const Item& i : g->items)
    text += "\"" + i.name + "\",\"" + i.command + "\"," + i.directory + "," + i.icon + "," +
            std::to_string(i.x) + "," + std::to_string(i.y) + "," + std::to_string(i.iconIndex) +
            "," + std::to_string(i.hotKey) + "," + std::to_string(i.minimised) + "\r\n";
  return true;
}

std::string AtomText(ATOM atom) {
  char text[256] = {0};
  if (atom) GlobalGetAtomNameA(atom, text, sizeof text);
  return text;
}

void OnExecute(HWND self, HWND client, LPARAM lParam) {
  UINT_PTR reserved = 0, commands = 0;
  UnpackDDElParam(WM_DDE_EXECUTE, lParam, &reserved, &commands);
  std::string text;
  if (const char* locked =
          static_cast<const char*>(GlobalLock(reinterpret_cast<HGLOBAL>(commands)))) {
    text = locked;
    GlobalUnlock(reinterpret_cast<HGLOBAL>(commands));
  }
  g_server.received.push_back(text);
  const bool done = Execute(text);
  WriteState();
  PostMessageA(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(self),
               ReuseDDElParam(lParam, WM_DDE_EXECUTE, WM_DDE_ACK, done ? 0x8000 : 0, commands));
}

void OnRequest(HWND self, HWND client, LPARAM lParam) {
  const ATOM item = HIWORD(lParam);
  std::string text;
  if (LOWORD(lParam) != CF_TEXT || !Reply(AtomText(item), text)) {
    PostMessageA(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(self),
                 PackDDElParam(WM_DDE_ACK, 0, item));
    return;
  }
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, sizeof(DDEDATA) + text.size() + 1);
  auto* block = static_cast<DDEDATA*>(GlobalLock(data));
  std::memset(block, 0, sizeof(DDEDATA));
  block->fResponse = 1;
  block->fRelease = 1;
  block->fAckReq = 0;
  block->cfFormat = CF_TEXT;
  std::memcpy(block->Value, text.c_str(), text.size() + 1);
  GlobalUnlock(data);
  PostMessageA(client, WM_DDE_DATA, reinterpret_cast<WPARAM>(self),
               PackDDElParam(WM_DDE_DATA, reinterpret_cast<UINT_PTR>(data), item));
}

LRESULT CALLBACK ServerProc(HWND self, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND client = reinterpret_cast<HWND>(wParam);
  switch (message) {
    case WM_DDE_INITIATE: {
      const std::string app = AtomText(LOWORD(lParam)), topic = AtomText(HIWORD(lParam));
      const std::string& name = g_server.name;
      if ((app.empty() || SameName(app, name)) && (topic.empty() || SameName(topic, name))) {
        ++g_server.conversations;
        WriteState();
        SendMessageA(client, WM_DDE_ACK, reinterpret_cast<WPARAM>(self),
                     MAKELPARAM(GlobalAddAtomA(name.c_str()), GlobalAddAtomA(name.c_str())));
      }
      return 0;
    }
    case WM_DDE_EXECUTE:
      OnExecute(self, client, lParam);
      return 0;
    case WM_DDE_REQUEST:
      OnRequest(self, client, lParam);
      return 0;
    case WM_DDE_TERMINATE:
      PostMessageA(client, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(self), 0);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(self, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (__argc < 2) return 2;
  g_server.stateFile = __argv[1];
  for (int i = 2; i + 1 < __argc; i += 2) {
    if (std::strcmp(__argv[i], "--refuse") == 0) g_server.refused.insert(__argv[i + 1]);
    if (std::strcmp(__argv[i], "--name") == 0) g_server.name = __argv[i + 1];
  }
  WNDCLASSA wc = {};
  wc.lpfnWndProc = ServerProc;
  wc.hInstance = instance;
  wc.lpszClassName = g_server.name.c_str();
  if (!RegisterClassA(&wc)) return 3;
  if (!CreateWindowExA(0, g_server.name.c_str(), "Program Manager", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                       100, nullptr, nullptr, instance, nullptr))
    return 4;
  WriteState();
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
