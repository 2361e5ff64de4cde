#include "kelvane_fixture.h"

namespace kelvane_test {

const char* const kFileNames[8] = {"AUTOEXEC.BAT", "CONFIG.SYS", "SYSTEM.INI", "WIN.INI",
                                   "COMMAND.COM",  "IO.SYS",     "MSDOS.SYS",  "WIN.COM"};

void KelvaneTest::SetUp() { PrepareBootDrive(); }

void KelvaneTest::TearDown() {
  program_.Kill();
  RemoveBackupFolder();
}

std::string KelvaneTest::ProgramPath() const { return uidriver::ProgramUnderTest("kelvane.exe"); }

HWND KelvaneTest::StartMain() {
  EXPECT_TRUE(program_.Start("\"" + ProgramPath() + "\""));
  // The first program of a Wine session waits for the desktop to start.
  main_ = uidriver::WaitTopWindow(program_.Id(), "Configuration Haventide", "HaventideForm", 30000);
  EXPECT_NE(main_, nullptr) << "the main window did not appear";
  return main_;
}

HWND KelvaneTest::Box(int row) const {
  return uidriver::ControlByText(main_, std::string("          ") + kFileNames[row]);
}

int KelvaneTest::Ticked(int row) const {
  return static_cast<int>(SendMessageA(Box(row), BM_GETCHECK, 0, 0));
}

bool KelvaneTest::ButtonEnabled(const std::string& caption) const {
  return IsWindowEnabled(Button(caption)) != FALSE;
}

void KelvaneTest::ClickButton(const std::string& caption) {
  ASSERT_TRUE(uidriver::Click(Button(caption))) << caption;
}

void KelvaneTest::ClickButtonOf(HWND window, const std::string& caption) {
  ASSERT_TRUE(uidriver::Click(uidriver::ControlByText(window, caption))) << caption;
}

void KelvaneTest::ClickBox(int row) {
  int before = Ticked(row);
  ASSERT_TRUE(uidriver::Click(Box(row)));
  ASSERT_TRUE(uidriver::WaitUntil([&] { return Ticked(row) != before; }));
}

std::string KelvaneTest::SelectionCommands() const {
  // The menu is read first: the agent's request is served only between
  // the program's handlers, so the buttons read after it are settled.
  const int mnuBackup = uidriver::MenuItemEnabled(main_, "Execute|Backup");
  const int mnuRestore = uidriver::MenuItemEnabled(main_, "Execute|Restore");
  const int mnuUndo = uidriver::MenuItemEnabled(main_, "Execute|Undo Restore");
  std::string states;
  states += ButtonEnabled("&Backup") ? '1' : '0';
  states += mnuBackup == 1 ? '1' : '0';
  states += ButtonEnabled("&Restore") ? '1' : '0';
  states += mnuRestore == 1 ? '1' : '0';
  states += mnuUndo == 1 ? '1' : '0';
  return states;
}

std::string KelvaneTest::BoxValues() const {
  std::string values;
  for (int row = 0; row < 8; ++row) values += static_cast<char>('0' + Ticked(row));
  return values;
}

HWND KelvaneTest::WaitWindow(const char* caption, DWORD timeoutMs) {
  return uidriver::WaitTopWindow(program_.Id(), caption, nullptr, timeoutMs);
}

namespace {

// Waits for the message box and checks its text and buttons exactly.
HWND ExpectBox(DWORD pid, const char* title, const std::string& text,
               const std::vector<std::string>& buttons) {
  HWND box = uidriver::WaitTopWindow(pid, title, "#32770");
  EXPECT_NE(box, nullptr) << "no message box titled \"" << title << "\"";
  uidriver::MessageBoxInfo info;
  if (!box || !uidriver::ReadMessageBox(box, &info)) return nullptr;
  EXPECT_EQ(info.text, text);
  EXPECT_EQ(info.buttons, buttons);
  return box;
}

}  // namespace

void KelvaneTest::ExpectBoxAndAnswer(const char* title, const std::string& text,
                                     const std::vector<std::string>& buttons,
                                     const std::string& answer) {
  HWND box = ExpectBox(program_.Id(), title, text, buttons);
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(uidriver::AnswerMessageBox(box, answer));
  ASSERT_TRUE(uidriver::WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }));
}

void KelvaneTest::ExpectBoxAndPressKey(const char* title, const std::string& text,
                                       const std::vector<std::string>& buttons, UINT key) {
  HWND box = ExpectBox(program_.Id(), title, text, buttons);
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(uidriver::PressKey(box, key));
  ASSERT_TRUE(uidriver::WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }));
}

void KelvaneTest::ExpectDefaultRowsMissing(
    const std::function<std::string(const std::string&)>& text, const char* notice) {
  for (int row = 0; row < 4; ++row) {
    ExpectBoxAndAnswer("File Not Found", text(kFileNames[row]), {"OK"}, "OK");
    EXPECT_TRUE(uidriver::WaitUntil([&] { return Ticked(row) == 0; })) << kFileNames[row];
  }
  EXPECT_TRUE(uidriver::WaitUntil([&] { return SelectionCommands() == "00000"; }))
      << SelectionCommands();
  EXPECT_EQ(WaitWindow(notice, 500), nullptr);
  EXPECT_EQ(WaitWindow("File Not Found", 100), nullptr);
}

void KelvaneTest::ExpectIoSysUnlockedDuringBox(const std::string& ioSysText) {
  ASSERT_NE(uidriver::WaitTopWindow(program_.Id(), "File Not Found", "#32770"), nullptr);
  EXPECT_EQ(Attributes(LivePath("IO.SYS")), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
  EXPECT_EQ(ReadText(LivePath("IO.SYS")), ioSysText);
}

std::vector<std::string> KelvaneTest::DrawnDefaults(HWND window) {
  std::vector<std::string> drawn;
  for (const uidriver::ControlInfo& c : uidriver::Controls(window))
    if (c.cls == "Button" && (GetWindowLongA(c.hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
      drawn.push_back(c.text);
  return drawn;
}

void KelvaneTest::ExpectNoticeAndClose(const char* caption, const std::string& heading,
                                       const std::string& explanation) {
  HWND notice = WaitWindow(caption);
  ASSERT_NE(notice, nullptr) << "no notice \"" << caption << "\"";
  EXPECT_NE(uidriver::ControlByText(notice, heading), nullptr) << "heading: " << heading;
  EXPECT_NE(uidriver::ControlByText(notice, explanation), nullptr)
      << "explanation: " << explanation;
  ASSERT_TRUE(uidriver::Click(uidriver::ControlByText(notice, "OK")));
  ASSERT_TRUE(uidriver::WaitWindowGone(program_.Id(), caption));
}

}  // namespace kelvane_test
