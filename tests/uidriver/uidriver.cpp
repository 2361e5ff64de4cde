#include "uidriver.h"

#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "agent_protocol.h"

namespace uidriver {

DWORD Deadline(DWORD timeoutMs) {
  static const DWORD factor = [] {
    char text[16] = {0};
    DWORD n = GetEnvironmentVariableA("HVT_TIME_FACTOR", text, sizeof text);
    long value = n > 0 && n < sizeof text ? strtol(text, nullptr, 10) : 1;
    return static_cast<DWORD>(value > 1 ? value : 1);
  }();
  if (timeoutMs == INFINITE) return timeoutMs;
  return timeoutMs * factor;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  timeoutMs = Deadline(timeoutMs);
  DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(20);
  }
}

Program::~Program() { Kill(); }

std::string BesideTest(const std::string& fileName) {
  char self[MAX_PATH] = {0};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string path = self;
  return path.substr(0, path.find_last_of('\\') + 1) + fileName;
}

std::string ProgramUnderTest(const std::string& fileName) {
  char folder[MAX_PATH] = {0};
  DWORD n = GetEnvironmentVariableA("HVT_PROGRAM_DIR", folder, MAX_PATH);
  if (n == 0 || n >= MAX_PATH || folder[0] != '/') return BesideTest(fileName);
  // Wine's drive Z: is the root of the Unix file system.
  std::string path = std::string("Z:") + folder + "/" + fileName;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

bool Program::Start(const std::string& commandLine, const std::string& folder) {
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &info))
    return false;
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  pid_ = info.dwProcessId;
  return true;
}

bool Program::Attach(DWORD pid) {
  Kill();
  process_ = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, pid);
  pid_ = process_ ? pid : 0;
  return process_ != nullptr;
}

DWORD FindProcess(const std::string& fileName) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  DWORD found = 0;
  for (BOOL more = Process32First(snapshot, &entry); more && !found;
       more = Process32Next(snapshot, &entry)) {
    const char* name = entry.szExeFile;
    if (const char* slash = strrchr(name, '\\')) name = slash + 1;
    if (lstrcmpiA(name, fileName.c_str()) == 0) found = entry.th32ProcessID;
  }
  CloseHandle(snapshot);
  return found;
}

bool Program::Running() const {
  return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool Program::WaitExit(DWORD timeoutMs, DWORD* exitCode) {
  if (!process_) return true;
  if (WaitForSingleObject(process_, Deadline(timeoutMs)) != WAIT_OBJECT_0) return false;
  if (exitCode) GetExitCodeProcess(process_, exitCode);
  return true;
}

void Program::Kill() {
  if (!process_) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, Deadline(5000));
  }
  CloseHandle(process_);
  process_ = nullptr;
}

namespace {

struct TopSearch {
  DWORD pid;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTop(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<TopSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == search->pid && IsWindowVisible(hwnd)) search->found.push_back(hwnd);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
  return TRUE;
}

}  // namespace

std::vector<HWND> TopWindows(DWORD pid) {
  TopSearch search = {pid, {}};
  EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string Text(HWND window) {
  char buffer[4096] = {0};
  // WM_GETTEXT, unlike GetWindowText, reads controls of other processes.
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                      SMTO_NORMAL, Deadline(5000), nullptr);
  return buffer;
}

std::string ClassOf(HWND window) {
  char buffer[256] = {0};
  GetClassNameA(window, buffer, sizeof buffer);
  return buffer;
}

HWND FindTopWindow(DWORD pid, const char* caption, const char* cls) {
  for (HWND w : TopWindows(pid)) {
    if (caption && Text(w) != caption) continue;
    if (cls && ClassOf(w) != cls) continue;
    return w;
  }
  return nullptr;
}

HWND WaitTopWindow(DWORD pid, const char* caption, const char* cls, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindTopWindow(pid, caption, cls)) != nullptr; }, timeoutMs);
  return found;
}

bool WaitWindowGone(DWORD pid, const char* caption, DWORD timeoutMs) {
  return WaitUntil([&] { return FindTopWindow(pid, caption) == nullptr; }, timeoutMs);
}

std::vector<ControlInfo> Controls(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
  std::vector<ControlInfo> controls;
  for (HWND c : children) {
    ControlInfo info;
    info.hwnd = c;
    info.cls = ClassOf(c);
    info.id = GetDlgCtrlID(c);
    info.text = Text(c);
    info.enabled = IsWindowEnabled(c) != FALSE;
    info.visible = IsWindowVisible(c) != FALSE;
    info.check = lstrcmpiA(info.cls.c_str(), "Button") == 0
                     ? static_cast<int>(SendMessageA(c, BM_GETCHECK, 0, 0))
                     : -1;
    GetWindowRect(c, &info.rect);
    MapWindowPoints(nullptr, GetParent(c), reinterpret_cast<POINT*>(&info.rect), 2);
    controls.push_back(info);
  }
  return controls;
}

HWND ControlById(HWND parent, int id) { return GetDlgItem(parent, id); }

HWND ControlByText(HWND parent, const std::string& text) {
  for (const ControlInfo& c : Controls(parent))
    if (c.text == text) return c.hwnd;
  return nullptr;
}

std::vector<int> TabOrder(HWND parent) {
  std::vector<int> order;
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (GetWindowLongA(c, GWL_STYLE) & WS_TABSTOP) order.push_back(GetDlgCtrlID(c));
  return order;
}

bool Click(HWND control) {
  if (!control || !IsWindowVisible(control) || !IsWindowEnabled(control)) return false;
  return PostMessageA(control, BM_CLICK, 0, 0) != FALSE;
}

bool ClickAt(HWND window, int x, int y) {
  POINT at = {x, y};
  if (!window || !ClientToScreen(window, &at)) return false;
  // Each event carries the point (0 to 65535 across the screen): an event
  // of where the cursor was, still queued, cannot move the press.
  const LONG width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  INPUT press[2] = {};
  for (INPUT& event : press) {
    event.type = INPUT_MOUSE;
    event.mi.dx = (at.x * 65536 + width - 1) / width;
    event.mi.dy = (at.y * 65536 + height - 1) / height;
    event.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  }
  press[0].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
  press[1].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
  return SendInput(2, press, sizeof(INPUT)) == 2;
}

bool PressKey(HWND topLevel, UINT virtualKey) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  DWORD thread = GetWindowThreadProcessId(topLevel, nullptr);
  HWND target = topLevel;
  if (GetGUIThreadInfo(thread, &info) && info.hwndFocus) target = info.hwndFocus;
  UINT scan = MapVirtualKeyA(virtualKey, 0);
  LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16);
  LPARAM up = down | (1u << 30) | (1u << 31);
  if (!PostMessageA(target, WM_KEYDOWN, virtualKey, down)) return false;
  // The press may close the window (Enter on a box) before the release is
  // posted: the release then has nowhere to go, and the key still counts.
  PostMessageA(target, WM_KEYUP, virtualKey, up);
  return true;
}

bool TypeKey(HWND topLevel, UINT virtualKey) {
  SetForegroundWindow(topLevel);
  if (!WaitUntil([&] { return GetForegroundWindow() == topLevel; }, 5000)) return false;
  INPUT keys[2] = {};
  for (INPUT& key : keys) {
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = static_cast<WORD>(virtualKey);
    key.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, 0));
  }
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  return SendInput(2, keys, sizeof(INPUT)) == 2;
}

void CloseWindow(HWND topLevel) { PostMessageA(topLevel, WM_SYSCOMMAND, SC_CLOSE, 0); }

bool ReadMessageBox(HWND box, MessageBoxInfo* info) {
  if (!box) return false;
  // A box seen at its first moment (on a busy machine) may not show its
  // text and buttons yet: read until it does, or the deadline passes.
  WaitUntil(
      [&] {
        info->title = Text(box);
        info->text.clear();
        info->buttons.clear();
        for (const ControlInfo& c : Controls(box)) {
          if (lstrcmpiA(c.cls.c_str(), "Button") == 0) {
            if (c.visible) info->buttons.push_back(c.text);
          } else if (lstrcmpiA(c.cls.c_str(), "Static") == 0 && !c.text.empty() &&
                     info->text.empty()) {
            info->text = c.text;
          }
        }
        return !info->text.empty() && !info->buttons.empty();
      },
      2000);
  return true;
}

bool AnswerMessageBox(HWND box, const std::string& button) {
  for (const ControlInfo& c : Controls(box))
    if (lstrcmpiA(c.cls.c_str(), "Button") == 0 && c.text == button) return Click(c.hwnd);
  return false;
}

namespace {

// Hooks the agent into the window's thread and runs one request there.
bool AskAgent(HWND window, AgentOp op, const std::string& arg, int* status, std::string* result) {
  static HMODULE agent = LoadLibraryA("uiagent.dll");
  if (!agent) return false;
  auto hook =
      reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(agent, "UiAgentHook")));
  if (!hook) return false;
  DWORD pid = 0;
  DWORD thread = GetWindowThreadProcessId(window, &pid);
  char name[64];
  AgentBlockName(name, pid);
  HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      sizeof(AgentBlock), name);
  if (!mapping) return false;
  auto* block = static_cast<AgentBlock*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0));
  bool answered = false;
  if (block) {
    memset(block, 0, sizeof *block);
    block->op = op;
    block->status = -1;
    block->window = reinterpret_cast<uintptr_t>(window);
    strncpy(block->arg, arg.c_str(), kAgentArgSize - 1);
    HHOOK installed = SetWindowsHookExA(WH_CALLWNDPROC, hook, agent, thread);
    if (installed) {
      DWORD_PTR ignored;
      SendMessageTimeoutA(window, RegisterWindowMessageA(kAgentMessageName), 0, 0, SMTO_NORMAL,
                          5000, &ignored);
      UnhookWindowsHookEx(installed);
    }
    answered = block->status != -1;
    if (status) *status = block->status;
    if (result) *result = block->result;
    UnmapViewOfFile(block);
  }
  CloseHandle(mapping);
  return answered;
}

}  // namespace

std::string MenuTree(HWND window) {
  std::string tree;
  int status = 0;
  AskAgent(window, kMenuDump, std::string(), &status, &tree);
  return tree;
}

int MenuItemEnabled(HWND window, const std::string& path) {
  int status = 1;
  if (!AskAgent(window, kMenuState, path, &status, nullptr)) return -1;
  return status == 0 ? 1 : status == 2 ? 0 : -1;
}

bool ChooseMenu(HWND window, const std::string& path) {
  int status = 1;
  return AskAgent(window, kMenuChoose, path, &status, nullptr) && status == 0;
}

std::string Tooltips(HWND window) {
  std::string tips;
  int status = 0;
  AskAgent(window, kTooltips, std::string(), &status, &tips);
  return tips;
}

bool ScrollBarInfo(HWND window, int bar, SCROLLINFO* info) {
  int status = 1;
  std::string answer;
  if (!AskAgent(window, kScrollBar, std::to_string(bar), &status, &answer) || status != 0)
    return false;
  *info = {};
  info->cbSize = sizeof *info;
  unsigned page = 0;
  if (sscanf(answer.c_str(), "%d %d %u %d", &info->nMin, &info->nMax, &page, &info->nPos) != 4)
    return false;
  info->nPage = page;
  return true;
}

bool PaintNow(HWND window) {
  int status = 1;
  return AskAgent(window, kPaintNow, std::string(), &status, nullptr) && status == 0;
}

std::string HostPathToWindows(const std::string& hostPath) {
  std::string path = "Z:" + hostPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

namespace {

DWORD RowBytes(int width) { return (static_cast<DWORD>(width) * 3 + 3) & ~3u; }

}  // namespace

bool ScreenImage::Capture(const RECT& r) {
  width_ = r.right - r.left;
  height_ = r.bottom - r.top;
  bits_.clear();
  if (width_ <= 0 || height_ <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = height_;  // bottom-up, as BMP files store rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap && bits) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height_, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, previous);
    const BYTE* first = static_cast<const BYTE*>(bits);
    bits_.assign(first, first + RowBytes(width_) * static_cast<DWORD>(height_));
  }
  if (bitmap) DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return !bits_.empty();
}

bool ScreenImage::CaptureClient(HWND window) {
  RECT r;
  if (!GetClientRect(window, &r)) return false;
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return Capture(r);
}

COLORREF ScreenImage::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || bits_.empty()) return CLR_INVALID;
  const BYTE* p = &bits_[RowBytes(width_) * static_cast<DWORD>(height_ - 1 - y) + x * 3];
  return RGB(p[2], p[1], p[0]);
}

bool ScreenImage::SaveBmp(const std::string& bmpPath) const {
  if (bits_.empty()) return false;
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = width_;
  header.biHeight = height_;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(bits_.size());
  FILE* out = fopen(bmpPath.c_str(), "wb");
  if (!out) return false;
  bool saved = fwrite(&file, sizeof file, 1, out) == 1 &&
               fwrite(&header, sizeof header, 1, out) == 1 &&
               fwrite(bits_.data(), bits_.size(), 1, out) == 1;
  return fclose(out) == 0 && saved;
}

bool SaveWindowImage(HWND window, const std::string& bmpPath) {
  RECT r;
  ScreenImage image;
  return GetWindowRect(window, &r) && image.Capture(r) && image.SaveBmp(bmpPath);
}

}  // namespace uidriver
