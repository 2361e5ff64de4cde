#include "dialog_driver.h"
#include "platform_box.h"
#include "ui/dialogs/context_help.h"
#include "ui/dialogs/message_dialog.h"
#include "resources/dialog_ids.h"

#include <gtest/gtest.h>

#include <string>

using uitest::Driven;
using uitest::PostKey;
using uitest::Step;
using uitest::TextOf;

namespace {

std::string Item(HWND box, int id) {
  HWND item = GetDlgItem(box, id);
  return item ? TextOf(item) : "<none>";
}

void Click(HWND box, int id) { PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

int ShowWithKey(int set, UINT key, std::string* labels = nullptr) {
  MessageDialog box;
  box.SetText("Question %d", set);
  box.SetStandardButtons(set);
  return Driven("Keys", {[&](HWND h) {
                  if (labels) *labels = Item(h, kDlgButton1) + "|" + Item(h, kDlgButton2);
                  PostKey(h, key);
                }},
                [&] { return box.Show(nullptr, "Keys"); });
}

TEST(MessageDialog, ConstructedDefaults) {
  MessageDialog box;
  EXPECT_EQ(box.ButtonCount(), 0);
  EXPECT_EQ(box.CancelId(), -1);
}

// Each standard set: its labels, Enter's answer and Escape's answer.
TEST(MessageDialog, StandardSetsAnswerEnterAndEscape) {
  struct Expected {
    int set;
    const char* labels;
    int enter;
    int escape;
  };
  const Expected sets[] = {{kSetOk, "&OK|<none>", 0, 0},
                           {kSetOkCancel, "&OK|&Cancel", 0, 1},
                           {kSetYesNo, "&Yes|&No", 0, 1},
                           {kSetRetryCancel, "&Retry|&Cancel", 0, 1}};
  for (const Expected& e : sets) {
    SCOPED_TRACE(e.set);
    std::string labels;
    EXPECT_EQ(ShowWithKey(e.set, VK_RETURN, &labels), e.enter);
    EXPECT_EQ(labels, e.labels);
    EXPECT_EQ(ShowWithKey(e.set, VK_ESCAPE), e.escape);
  }
}

TEST(MessageDialog, OtherSetsChangeNothing) {
  MessageDialog box;
  box.SetLabels("&Copy", "&Skip");
  box.SetStandardButtons(2);
  EXPECT_EQ(box.ButtonCount(), 2);
  EXPECT_STREQ(box.Label(0), "&Copy");
  EXPECT_EQ(box.CancelId(), -1);
}

TEST(MessageDialog, CloseActsAsTheCancelButton) {
  MessageDialog box;
  box.SetStandardButtons(kSetYesNo);
  EXPECT_EQ(Driven("Close", {[](HWND h) { PostMessageA(h, WM_CLOSE, 0, 0); }},
                   [&] { return box.Show(nullptr, "Close"); }),
            1);
}

TEST(MessageDialog, OwnLabelsWithoutCancelIgnoreEscape) {
  MessageDialog box;
  box.SetLabels("&Install", "&Don't Install", "Third");
  bool stillOpen = false;
  int answer = Driven(
      "Own",
      {[](HWND h) { PostKey(h, VK_ESCAPE); }, [](HWND h) { PostMessageA(h, WM_CLOSE, 0, 0); },
       [&](HWND h) {
         stillOpen = IsWindowVisible(h) != FALSE;
         EXPECT_EQ(Item(h, kDlgButton3), "Third");
         EXPECT_EQ(GetDlgItem(h, kDlgButton4), nullptr);
         Click(h, kDlgButton3);
       }},
      [&] { return box.Show(nullptr, "Own"); });
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(answer, 2);
}

TEST(MessageDialog, SetCancelButtonPicksTheEscapeAnswer) {
  MessageDialog box;
  box.SetLabels("a", "b", "c");
  box.SetCancelButton(2);
  EXPECT_EQ(Driven("Cancel", {[](HWND h) { PostKey(h, VK_ESCAPE); }},
                   [&] { return box.Show(nullptr, "Cancel"); }),
            2);
}

TEST(MessageDialog, ShowsTitleTextAndIcon) {
  MessageDialog box;
  box.SetText("Line one\nline %d", 2);
  box.SetSystemIcon(48);
  box.SetStandardButtons(kSetOk);
  std::string text;
  bool iconShown = false;
  bool iconSet = false;
  Driven("Error", {[&](HWND h) {
           text = Item(h, kDlgText);
           iconShown = IsWindowVisible(GetDlgItem(h, kDlgIcon)) != FALSE;
           iconSet = SendDlgItemMessageA(h, kDlgIcon, STM_GETICON, 0, 0) != 0;
           PostKey(h, VK_RETURN);
         }},
         [&] { return box.Show(nullptr, nullptr); });
  EXPECT_EQ(text, "Line one\nline 2");
  EXPECT_TRUE(iconShown);
  EXPECT_TRUE(iconSet);
}

TEST(MessageDialog, NoIconLeavesTheIconControlHidden) {
  MessageDialog box;
  box.SetSystemIcon(17);
  box.SetStandardButtons(kSetOk);
  bool iconShown = true;
  Driven("Plain", {[&](HWND h) {
           iconShown = IsWindowVisible(GetDlgItem(h, kDlgIcon)) != FALSE;
           PostKey(h, VK_RETURN);
         }},
         [&] { return box.Show(nullptr, "Plain"); });
  EXPECT_FALSE(iconShown);
}

TEST(MessageDialog, OwnIconFromTheProgram) {
  MessageDialog box;
  box.SetOwnIcon("iconsetup");
  box.SetStandardButtons(kSetOk);
  bool iconSet = false;
  Driven("Own icon", {[&](HWND h) {
           iconSet = SendDlgItemMessageA(h, kDlgIcon, STM_GETICON, 0, 0) != 0;
           PostKey(h, VK_RETURN);
         }},
         [&] { return box.Show(nullptr, "Own icon"); });
  EXPECT_TRUE(iconSet);
}

TEST(MessageDialog, TitleIsCutTo39Characters) {
  MessageDialog box;
  box.SetStandardButtons(kSetOk);
  std::string longTitle(50, 'T');
  std::string cut(39, 'T');
  EXPECT_EQ(Driven(cut.c_str(), {[](HWND h) { PostKey(h, VK_RETURN); }},
                   [&] { return box.Show(nullptr, longTitle.c_str()); }),
            0);
  EXPECT_STREQ(box.Title(), cut.c_str());
}

TEST(MessageDialog, HelpOnlyBoxUsesOneButtonTemplateAndIgnoresEnter) {
  ContextHelp help("Z:\\no\\such\\setup.hlp", nullptr, 102);
  MessageDialog box;
  box.SetHelp(&help, 5);
  std::string helpLabel;
  bool secondButton = true;
  bool stillOpen = false;
  int contextWhileOpen = 0;
  int answer = Driven("Help only",
                      {[&](HWND h) {
                         helpLabel = Item(h, kDlgButton1);
                         secondButton = GetDlgItem(h, kDlgButton2) != nullptr;
                         contextWhileOpen = help.Current();
                         PostKey(h, VK_RETURN);
                       },
                       [&](HWND h) {
                         stillOpen = IsWindowVisible(h) != FALSE;
                         EndDialog(h, 7);
                       }},
                      [&] { return box.Show(nullptr, "Help only"); });
  EXPECT_EQ(answer, 7);
  EXPECT_EQ(helpLabel, "&Help");
  EXPECT_FALSE(secondButton);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(contextWhileOpen, 5);
}

TEST(MessageDialog, HelpButtonKeepsTheBoxOpen) {
  ContextHelp help("Z:\\no\\such\\setup.hlp", nullptr, 102);
  MessageDialog box;
  box.SetStandardButtons(kSetOkCancel);
  box.SetHelp(&help, 3);
  std::string fallbackText;
  bool stillOpen = false;
  int answer = Driven("With help",
                      {[](HWND h) { Click(h, kDlgButton3); },
                       {"Help",
                        [&](HWND fallback) {
                          fallbackText = Item(fallback, kDlgText);
                          PostKey(fallback, VK_RETURN);
                        }},
                       [&](HWND h) {
                         stillOpen = IsWindowVisible(h) != FALSE;
                         PostKey(h, VK_ESCAPE);
                       }},
                      [&] { return box.Show(nullptr, "With help"); });
  EXPECT_EQ(answer, 1);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(fallbackText, "Simply follow the instructions in the program!");
  // Ending the box unregistered it: the context before it is back.
  EXPECT_EQ(help.Current(), -1);
  EXPECT_EQ(help.Dialog(), nullptr);
}

TEST(MessageDialog, FourButtonTemplateTakesThreeLabelsAndHelp) {
  ContextHelp help("", nullptr, 102);
  MessageDialog box;
  box.SetLabels("a", "b", "c");
  box.SetHelp(&help, 1);
  std::string helpLabel;
  int answer = Driven("Four", {[&](HWND h) {
                        helpLabel = Item(h, kDlgButton4);
                        Click(h, kDlgButton2);
                      }},
                      [&] { return box.Show(nullptr, "Four"); });
  EXPECT_EQ(answer, 1);
  EXPECT_EQ(helpLabel, "&Help");
}

TEST(MessageDialog, ErrorBox) {
  std::string text, ok;
  bool icon = false;
  int answer = Driven("Error", {[&](HWND h) {
                        text = Item(h, kDlgText);
                        ok = Item(h, kDlgButton1);
                        icon = IsWindowVisible(GetDlgItem(h, kDlgIcon)) != FALSE;
                        PostKey(h, VK_ESCAPE);
                      }},
                      [] { return ShowErrorBox(nullptr, "Unable to open file %s", "X:\\A.TXT"); });
  EXPECT_EQ(answer, 0);
  EXPECT_EQ(text, "Unable to open file X:\\A.TXT");
  EXPECT_EQ(ok, "&OK");
  EXPECT_TRUE(icon);
}

}  // namespace

namespace {

TEST(MessageDialog, OutOfMemoryIsThePlatformsSystemModalBox) {
  uitest::PlatformBoxAnswerer answerer("Fatal error: Out of memory");
  ShowOutOfMemory();
  EXPECT_TRUE(answerer.Seen());
}

}  // namespace
