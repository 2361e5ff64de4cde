// The end-to-end fixture: a fresh C: drive, kelvane.exe started as a person
// would start it, and the means to read and press what it shows.
#pragma once

#include <gtest/gtest.h>

#include <functional>
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
  // Presses a button of another window of the program (a notice, the error
  // form, About).
  void ClickButtonOf(HWND window, const std::string& caption);
  // The enabled state of the five commands that follow the selection, in
  // the order cmdBackup, mnuBackup, cmdRestore, mnuRestore, mnuUndo: "11001".
  std::string SelectionCommands() const;
  // The eight check boxes in table order: "11110000".
  std::string BoxValues() const;
  // The push buttons of window drawn as default (BS_DEFPUSHBUTTON), by caption.
  static std::vector<std::string> DrawnDefaults(HWND window);
  // Saves a picture of window beside the test program, for a person to look at.
  static void SavePicture(HWND window, const char* name) {
    EXPECT_TRUE(uidriver::SaveWindowImage(window, uidriver::BesideTest(name))) << name;
  }

  // Waits for a top-level window of the program with this caption.
  HWND WaitWindow(const char* caption, DWORD timeoutMs = uidriver::kWait);
  // Waits for a message box, checks its title, text and buttons exactly,
  // and presses the given button.
  void ExpectBoxAndAnswer(const char* title, const std::string& text,
                          const std::vector<std::string>& buttons, const std::string& answer);
  // The same, answered with a key (Enter presses the default button).
  void ExpectBoxAndPressKey(const char* title, const std::string& text,
                            const std::vector<std::string>& buttons, UINT key);
  // Answers the "File Not Found" box of each of the four default rows in
  // turn (text: the box's text for a file name) and checks that each box
  // is cleared, that the last one switched the five commands off, and that
  // neither another box nor the notice follows.
  void ExpectDefaultRowsMissing(const std::function<std::string(const std::string&)>& text,
                                const char* notice);
  // Waits for the next "File Not Found" box and checks that meanwhile the
  // live IO.SYS is unlocked (32) and holds the text.
  void ExpectIoSysUnlockedDuringBox(const std::string& ioSysText);
  // Waits for a notice form, checks its two texts, closes it with OK.
  void ExpectNoticeAndClose(const char* caption, const std::string& heading,
                            const std::string& explanation);

  uidriver::Program program_;
  HWND main_ = nullptr;
};

}  // namespace kelvane_test
