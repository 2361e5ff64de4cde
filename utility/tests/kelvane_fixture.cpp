#include "kelvane_fixture.h"

namespace kelvane_test {

const char* const kFileNames[8] = {"AUTOEXEC.BAT", "CONFIG.SYS", "SYSTEM.INI", "WIN.INI",
                                   "COMMAND.COM",  "IO.SYS",     "MSDOS.SYS",  "WIN.COM"};

void KelvaneTest::SetUp() { PrepareBootDrive(); }

void KelvaneTest::TearDown() {
    program_.Kill();
    RemoveBackupFolder();
}

std::string KelvaneTest::ProgramPath() const {
    char self[MAX_PATH] = {0};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    return path.substr(0, path.find_last_of('\\') + 1) + "kelvane.exe";
}

HWND KelvaneTest::StartMain() {
    EXPECT_TRUE(program_.Start("\"" + ProgramPath() + "\""));
    main_ = uidriver::WaitTopWindow(program_.Id(), "Configuration Haventide", "HaventideForm");
    EXPECT_NE(main_, nullptr) << "the main window did not appear";
    return main_;
}

HWND KelvaneTest::Box(int row) const {
    return uidriver::ControlByText(main_, std::string("          ") + kFileNames[row]);
}

int KelvaneTest::Ticked(int row) const { return static_cast<int>(SendMessageA(Box(row), BM_GETCHECK, 0, 0)); }

bool KelvaneTest::ButtonEnabled(const std::string& caption) const { return IsWindowEnabled(Button(caption)) != FALSE; }

void KelvaneTest::ClickButton(const std::string& caption) { ASSERT_TRUE(uidriver::Click(Button(caption))) << caption; }

void KelvaneTest::ClickBox(int row) {
    int before = Ticked(row);
    ASSERT_TRUE(uidriver::Click(Box(row)));
    ASSERT_TRUE(uidriver::WaitUntil([&] { return Ticked(row) != before; }));
}

HWND KelvaneTest::WaitWindow(const char* caption, DWORD timeoutMs) {
    return uidriver::WaitTopWindow(program_.Id(), caption, nullptr, timeoutMs);
}

void KelvaneTest::ExpectBoxAndAnswer(const char* title, const std::string& text,
                                     const std::vector<std::string>& buttons, const std::string& answer) {
    HWND box = uidriver::WaitTopWindow(program_.Id(), title, "#32770");
    ASSERT_NE(box, nullptr) << "no message box titled \"" << title << "\"";
    uidriver::MessageBoxInfo info;
    ASSERT_TRUE(uidriver::ReadMessageBox(box, &info));
    EXPECT_EQ(info.text, text);
    EXPECT_EQ(info.buttons, buttons);
    ASSERT_TRUE(uidriver::AnswerMessageBox(box, answer));
    ASSERT_TRUE(uidriver::WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }));
}

void KelvaneTest::ExpectNoticeAndClose(const char* caption, const std::string& heading,
                                       const std::string& explanation) {
    HWND notice = WaitWindow(caption);
    ASSERT_NE(notice, nullptr) << "no notice \"" << caption << "\"";
    EXPECT_NE(uidriver::ControlByText(notice, heading), nullptr) << "heading: " << heading;
    EXPECT_NE(uidriver::ControlByText(notice, explanation), nullptr) << "explanation: " << explanation;
    ASSERT_TRUE(uidriver::Click(uidriver::ControlByText(notice, "OK")));
    ASSERT_TRUE(uidriver::WaitWindowGone(program_.Id(), caption));
}

}  // namespace kelvane_test
