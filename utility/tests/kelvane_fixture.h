// The end-to-end fixture: a fresh C: drive, kelvane.exe started as a person
// would start it, and the means to read and press what it shows.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "boot_drive.h"
#include "uidriver.h"

namespace kelvane_test {

extern const char* const kFileNames[8];

class KelvaneTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts kelvane.exe and waits for its main window.
    HWND StartMain();
    std::string ProgramPath() const;

    HWND Button(const std::string& caption) const { return uidriver::ControlByText(main_, caption); }
    HWND Box(int row) const;
    int Ticked(int row) const;
    bool ButtonEnabled(const std::string& caption) const;
    void ClickButton(const std::string& caption);
    void ClickBox(int row);

    // Waits for a top-level window of the program with this caption.
    HWND WaitWindow(const char* caption, DWORD timeoutMs = uidriver::kWait);
    // Waits for a message box, checks its title, text and buttons exactly,
    // and presses the given button.
    void ExpectBoxAndAnswer(const char* title, const std::string& text, const std::vector<std::string>& buttons,
                            const std::string& answer);
    // Waits for a notice form, checks its two texts, closes it with OK.
    void ExpectNoticeAndClose(const char* caption, const std::string& heading, const std::string& explanation);

    uidriver::Program program_;
    HWND main_ = nullptr;
};

}  // namespace kelvane_test
