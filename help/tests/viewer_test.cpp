// The help files as the platform's help viewer shows them: opened through
// WinHelpA at their contents and at every mapped context number, a jump
// followed, and HELP_QUIT ending the viewer.
//
// The viewer is found among the top-level windows by its caption, which
// starts with the help file's title. The topic shown is read as the text of
// the viewer's child windows (its rich text control answers WM_GETTEXT
// across processes); every topic starts with its title as a heading.
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "help_source.h"
#include "setup_contexts.h"

namespace {

std::string WindowsPath(std::string p) {
  if (!p.empty() && p[0] == '/') p = "Z:" + p;
  for (char& c : p)
    if (c == '/') c = '\\';
  return p;
}

std::string HelpDir() {
  const char* env = std::getenv("HVT_HELP_DIR");
  return WindowsPath(env && *env ? env : HVT_HELP_DIR);
}

bool ReadTextFile(const std::string& path, std::string& text) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
  std::fclose(f);
  return true;
}

std::string WindowText(HWND w) {
  char buf[8192];
  int n = GetWindowTextA(w, buf, sizeof buf);
  return std::string(buf, n > 0 ? n : 0);
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

struct Viewer {
  HWND main = nullptr;
  DWORD pid = 0;
  std::string caption;
};

// The viewer's main window: Wine's and Windows' viewers both use this class.
Viewer FindViewer() {
  Viewer v;
  v.main = FindWindowA("MS_WINHELP", nullptr);
  if (v.main) {
    v.caption = WindowText(v.main);
    GetWindowThreadProcessId(v.main, &v.pid);
  }
  return v;
}

// The topic window belongs to another process: ask it for its text.
std::string ControlText(HWND w) {
  std::vector<char> buf(65536);
  DWORD_PTR n = 0;
  if (!SendMessageTimeoutA(w, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()),
                           SMTO_ABORTIFHUNG, 5000, &n))
    return "";
  return std::string(buf.data(), n < buf.size() ? n : 0);
}

struct TextWindow {
  HWND hwnd = nullptr;
  std::string text;
};

BOOL CALLBACK KeepLongestText(HWND w, LPARAM lp) {
  TextWindow* best = reinterpret_cast<TextWindow*>(lp);
  std::string t = ControlText(w);
  if (t.size() > best->text.size()) *best = {w, t};
  return TRUE;
}

// The child window that shows the topic: the one whose text is longest.
TextWindow TopicWindow(HWND main) {
  TextWindow best;
  EnumChildWindows(main, KeepLongestText, reinterpret_cast<LPARAM>(&best));
  return best;
}

bool StartsWithLine(const std::string& text, const std::string& line) {
  return text.compare(0, line.size(), line) == 0 &&
         (text.size() == line.size() || text[line.size()] == '\r' || text[line.size()] == '\n');
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Waits for a condition, serving our own messages, until the deadline.
bool WaitFor(const std::function<bool()>& done, DWORD ms = 20000) {
  DWORD start = GetTickCount();
  for (;;) {
    Pump();
    if (done()) return true;
    if (GetTickCount() - start > ms) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
}

bool ProcessRunning(DWORD pid) {
  HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, pid);
  if (!h) return false;
  bool running = WaitForSingleObject(h, 0) == WAIT_TIMEOUT;
  CloseHandle(h);
  return running;
}

// Ends any viewer still running when a test leaves, by its process id.
struct ViewerGuard {
  std::vector<DWORD> pids;
  ~ViewerGuard() {
    for (DWORD pid : pids) {
      HANDLE h = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
      if (!h) continue;
      if (WaitForSingleObject(h, 0) == WAIT_TIMEOUT) {
        TerminateProcess(h, 1);
        WaitForSingleObject(h, 5000);
      }
      CloseHandle(h);
    }
  }
};

HWND OwnerWindow() {
  static HWND owner = nullptr;
  if (owner) return owner;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "HvtHelpOwner";
  RegisterClassA(&wc);
  owner = CreateWindowA("HvtHelpOwner", "help owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                        nullptr, wc.hInstance, nullptr);
  return owner;
}

struct ShownTopic {
  Viewer viewer;
  TextWindow text;
};

// Waits until the viewer shows a topic that starts with this title; the
// viewer's process is handed to the guard as soon as it is seen.
bool WaitForTopic(const std::string& topicTitle, ShownTopic& shown, ViewerGuard& guard) {
  return WaitFor([&] {
    shown.viewer = FindViewer();
    if (!shown.viewer.main) return false;
    if (std::find(guard.pids.begin(), guard.pids.end(), shown.viewer.pid) == guard.pids.end())
      guard.pids.push_back(shown.viewer.pid);
    shown.text = TopicWindow(shown.viewer.main);
    return StartsWithLine(shown.text.text, topicTitle);
  });
}

// Character index of `needle` as the rich text control counts: "\r\n" is one.
int ControlIndex(const std::string& text, const std::string& needle) {
  size_t at = text.find(needle);
  if (at == std::string::npos) return -1;
  int index = 0;
  for (size_t i = 0; i < at; ++i)
    if (!(text[i] == '\n' && i > 0 && text[i - 1] == '\r')) ++index;
  return index;
}

class HelpFileInViewer : public ::testing::TestWithParam<const char*> {};

}  // namespace

TEST_P(HelpFileInViewer, OpensAtContentsEveryContextAndJumpAndQuits) {
  const std::string name = GetParam();
  const std::string sourceName = name == "KELVANE.HLP" ? "kelvane.hsrc" : "install.hsrc";
  std::string text;
  ASSERT_TRUE(ReadTextFile(WindowsPath(std::string(HVT_HELP_SOURCES) + "/" + sourceName), text));
  hlp::HelpSource src;
  hlp::SourceError err;
  ASSERT_TRUE(hlp::ParseHelpSource(text, src, err)) << err.line << ": " << err.message;

  const std::string path = HelpDir() + "\\" + name;
  ASSERT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path;
  if (name == "install.hlp")
    for (uint32_t n : hlptest::kSetupContexts) {
      bool mapped = false;
      for (const hlp::Topic& t : src.topics) mapped = mapped || (t.hasNumber && t.number == n);
      EXPECT_TRUE(mapped) << "setup asks for help context " << n
                          << " but install.hlp has no topic for it";
    }

  HWND owner = OwnerWindow();
  ASSERT_NE(owner, nullptr);
  ViewerGuard guard;
  ShownTopic shown;

  // Contents.
  const hlp::Topic& contents = src.topics[hlp::FindTopic(src, src.contents)];
  ASSERT_TRUE(WinHelpA(owner, path.c_str(), HELP_CONTENTS, 0));
  ASSERT_TRUE(WaitForTopic(contents.title, shown, guard))
      << "contents topic '" << contents.title
      << "' not shown; viewer text: " << shown.text.text.substr(0, 200);
  // Opened through WinHelpA, Wine's viewer keeps its own caption ("Wine
  // Help"); the file's title in the caption is checked by the test below,
  // which opens the file from the command line.
  EXPECT_FALSE(shown.viewer.caption.empty());

  // Every mapped context number.
  int numbered = 0;
  for (const hlp::Topic& t : src.topics) {
    if (!t.hasNumber) continue;
    ++numbered;
    ASSERT_TRUE(WinHelpA(owner, path.c_str(), HELP_CONTEXT, t.number));
    EXPECT_TRUE(WaitForTopic(t.title, shown, guard))
        << "context " << t.number << " should show '" << t.title
        << "'; viewer text: " << shown.text.text.substr(0, 120);
    EXPECT_TRUE(ProcessRunning(shown.viewer.pid)) << "viewer ended at context " << t.number;
  }
  EXPECT_GT(numbered, 0);

  // A jump: the first one of the contents topic, clicked in the viewer.
  std::string label, target;
  for (const hlp::Paragraph& p : contents.paragraphs)
    for (const hlp::Span& s : p.spans)
      if (s.kind == hlp::Span::Jump && label.empty()) label = s.text, target = s.target;
  ASSERT_FALSE(label.empty());
  const hlp::Topic& targetTopic = src.topics[hlp::FindTopic(src, target)];
  ASSERT_TRUE(WinHelpA(owner, path.c_str(), HELP_CONTENTS, 0));
  ASSERT_TRUE(WaitForTopic(contents.title, shown, guard));
  int index = ControlIndex(shown.text.text, label);
  ASSERT_GE(index, 0);
  LRESULT pos = SendMessageA(shown.text.hwnd, EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
  LPARAM at = MAKELPARAM(LOWORD(pos) + 4, HIWORD(pos) + 4);
  PostMessageA(shown.text.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(shown.text.hwnd, WM_LBUTTONUP, 0, at);
  EXPECT_TRUE(WaitForTopic(targetTopic.title, shown, guard))
      << "jump '" << label << "' should lead to '" << targetTopic.title
      << "'; viewer text: " << shown.text.text.substr(0, 120);

  // HELP_QUIT ends the viewer.
  DWORD pid = shown.viewer.pid;
  ASSERT_TRUE(WinHelpA(owner, path.c_str(), HELP_QUIT, 0));
  EXPECT_TRUE(WaitFor([pid] { return !ProcessRunning(pid); }))
      << "viewer still running after HELP_QUIT";
}

// The viewer started on the file itself shows "<title> ... - <path>" in its
// caption, the title coming from the file's |SYSTEM record.
TEST_P(HelpFileInViewer, CaptionShowsTitleAndPath) {
  const std::string name = GetParam();
  std::string text;
  ASSERT_TRUE(ReadTextFile(WindowsPath(std::string(HVT_HELP_SOURCES) + "/" +
                                       (name == "KELVANE.HLP" ? "kelvane.hsrc" : "install.hsrc")),
                           text));
  hlp::HelpSource src;
  hlp::SourceError err;
  ASSERT_TRUE(hlp::ParseHelpSource(text, src, err));
  const std::string path = HelpDir() + "\\" + name;

  std::string cmd = "winhlp32.exe " + path;
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  ASSERT_TRUE(
      CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
  ViewerGuard guard;
  guard.pids.push_back(pi.dwProcessId);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);

  Viewer v;
  ASSERT_TRUE(WaitFor([&] {
    v = FindViewer();
    return v.main && v.pid == pi.dwProcessId && v.caption.find(" - ") != std::string::npos;
  })) << "caption: "
      << v.caption;
  EXPECT_EQ(v.caption.compare(0, src.title.size(), src.title), 0) << v.caption;
  // Wine cuts the caption to 50 characters, so the path may be cut short.
  std::string shownPath = v.caption.substr(v.caption.rfind(" - ") + 3);
  EXPECT_GE(shownPath.size(), 3u) << v.caption;
  EXPECT_EQ(Lower(path).compare(0, shownPath.size(), Lower(shownPath)), 0) << v.caption;
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, HelpFileInViewer,
                         ::testing::Values("KELVANE.HLP", "install.hlp"));
