#include "abort_double.h"
#include "dialog_driver.h"
#include "ui/dialogs/tests/win32/dialog_items.h"
#include "fileops/file_operations.h"
#include "ui/dialogs/context_help.h"
#include "ui/prompts/folder_prompt.h"
#include "ui/dialogs/engine_error_boxes.h"
#include "resources/dialog_ids.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

using uitest::CentreOf;
using uitest::Click;
using uitest::Driven;
using uitest::FindBox;
using uitest::Item;
using uitest::PostKey;
using uitest::Step;
using uitest::TextOf;

namespace {

constexpr char kFolderCaption[] = "Enter Directory";
constexpr char kSpaceTitle[] = "Space Not Enough";

void Type(HWND box, const char* text) { SetDlgItemTextA(box, kFolderPromptAnswer, text); }

void Fill(FolderPrompt& r, int folder, int checkSpace, unsigned required, const char* initial) {
  r.helpContext = 6;
  r.folder = folder;
  r.checkSpace = checkSpace;
  r.required = required;
  std::snprintf(r.initial, sizeof r.initial, "%s", initial);
  const char* lines[kPromptLines] = {"Please enter the folder where the",
                                     "files of Configuration Haventide", "will be copied to",
                                     "To accept the default, press Enter"};
  for (int i = 0; i < kPromptLines; ++i)
    std::snprintf(r.lines[i], sizeof r.lines[i], "%s", lines[i]);
}

// A drive letter the machine does not have.
std::string MissingDrive() {
  DWORD drives = GetLogicalDrives();
  for (char letter = 'Y'; letter >= 'D'; --letter)
    if (!(drives & (1u << (letter - 'A')))) return std::string(1, letter);
  return "";
}

class FolderPromptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    abort_double::State() = abort_double::Record{};
    owner_ = CreateWindowExA(0, "STATIC", "background", WS_POPUP | WS_VISIBLE, 100, 80, 600, 400,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner_, nullptr);
    ops_.PushOwner(owner_);
  }
  void TearDown() override { DestroyWindow(owner_); }

  bool Run(FolderPrompt& record, const char* caption, std::vector<Step> steps) {
    return Driven(caption, std::move(steps), [&] {
             return RunFolderPrompt(ops_, ops_, abort_, owner_, &help_, record) ? 1 : 0;
           }) == 1;
  }

  // Free space of C: as the prompt reads it, in K; -1 when unreadable.
  double FreeOfC() {
    double free = -1;
    return ops_.FreeSpace("C:\\", free) ? free : -1;
  }

  // The free space of C: moves while others write to the disk: runs the
  // scenario with the free space it starts from until that was still the
  // same after the run (ten tries). The steady free space, or -1.
  double SteadyRun(const std::function<void(double)>& scenario) {
    for (int attempt = 0; attempt < 10; ++attempt) {
      double before = FreeOfC();
      if (before < 1.0 || before >= 4294967295.0) return -1;
      scenario(before);
      if (FreeOfC() == before) return before;
    }
    return -1;
  }

  HWND owner_ = nullptr;
  EngineErrorBoxes boxes_;
  FileOperations ops_{boxes_};
  abort_double::Question abort_;
  ContextHelp help_{"", nullptr, 102};
};

TEST_F(FolderPromptTest, PlainPromptHasNoCaptionAndNoChecks) {
  FolderPrompt record;
  // Neither path nor space checks, even with the space flag set: the text
  // is taken exactly as typed.
  Fill(record, 0, 1, 0xFFFFFFFFu, "anything");
  std::string caption = "<unseen>", lines, initial;
  int contextWhileOpen = 0;
  HWND registered = nullptr;
  bool answered = Run(record, "", {[&](HWND h) {
                        caption = TextOf(h);
                        lines = Item(h, kFolderPromptLines);
                        initial = Item(h, kFolderPromptAnswer);
                        contextWhileOpen = help_.Current();
                        registered = help_.Dialog() == h ? h : nullptr;
                        Type(h, " Q:\\no/where\\ ");
                        Click(h, IDOK);
                      }});
  EXPECT_TRUE(answered);
  EXPECT_EQ(caption, "");
  EXPECT_EQ(lines,
            "Please enter the folder where the\nfiles of Configuration Haventide\n"
            "will be copied to\nTo accept the default, press Enter");
  EXPECT_EQ(initial, "anything");
  EXPECT_STREQ(record.answer, " Q:\\no/where\\ ");
  EXPECT_EQ(contextWhileOpen, 6);
  EXPECT_NE(registered, nullptr);
  EXPECT_EQ(help_.Current(), -1);  // unregistered when the dialog went
  EXPECT_EQ(abort_double::State().calls, 0);
}

TEST_F(FolderPromptTest, PlainPromptAcceptsAnEmptyAnswer) {
  FolderPrompt record;
  Fill(record, 0, 0, 0, "default");
  std::snprintf(record.answer, sizeof record.answer, "old");
  EXPECT_TRUE(Run(record, "", {[](HWND h) {
                    Type(h, "");
                    PostKey(h, VK_RETURN);
                  }}));
  EXPECT_STREQ(record.answer, "");
}

TEST_F(FolderPromptTest, FolderPromptCaptionAndNormalisedAnswer) {
  FolderPrompt record;
  Fill(record, 1, 0, 0, "C:\\Program Files\\Configuration Haventide");
  std::string initial;
  POINT centre = {}, ownerCentre = CentreOf(owner_);
  bool answered = Run(record, kFolderCaption, {[&](HWND h) {
                        initial = Item(h, kFolderPromptAnswer);
                        centre = CentreOf(h);
                        Type(h, "  D:/Apps//Kelvane/ ");
                        Click(h, IDOK);
                      }});
  EXPECT_TRUE(answered);
  EXPECT_EQ(initial, "C:\\Program Files\\Configuration Haventide");
  EXPECT_STREQ(record.answer, "D:\\Apps\\Kelvane");
  // Centred on the owner.
  EXPECT_NEAR(centre.x, ownerCentre.x, 1);
  EXPECT_NEAR(centre.y, ownerCentre.y, 1);
}

TEST_F(FolderPromptTest, MissingDriveIsAnInvalidDirAndTheDialogStays) {
  std::string letter = MissingDrive();
  ASSERT_FALSE(letter.empty());
  std::string typed = letter + ":\\Setup\\Target ";
  FolderPrompt record;
  Fill(record, 1, 1, 1, "C:\\Apps");
  std::string error, errorTitleButton, afterError;
  HWND errorOwner = nullptr, prompt = nullptr;
  bool answered = Run(record, kFolderCaption,
                      {[&](HWND h) {
                         prompt = h;
                         Type(h, typed.c_str());
                         Click(h, IDOK);
                       },
                       {"Error",
                        [&](HWND box) {
                          error = Item(box, kDlgText);
                          errorTitleButton = Item(box, kDlgButton1);
                          errorOwner = GetWindow(box, GW_OWNER);
                          PostKey(box, VK_RETURN);
                        }},
                       [&](HWND h) {
                         afterError = Item(h, kFolderPromptAnswer);
                         Type(h, "C:\\Apps\\Kelvane");
                         Click(h, IDOK);
                       }});
  EXPECT_TRUE(answered);
  EXPECT_EQ(error, "The dir is invalid");
  EXPECT_EQ(errorTitleButton, "&OK");
  EXPECT_EQ(errorOwner, prompt);
  EXPECT_EQ(afterError, typed);
  EXPECT_STREQ(record.answer, "C:\\Apps\\Kelvane");
}

TEST_F(FolderPromptTest, FolderWithoutVolumeIsAnInvalidDir) {
  FolderPrompt record;
  Fill(record, 1, 1, 0, "relative\\folder");
  std::string error;
  int calls = 0;
  abort_double::State().answer = true;
  bool answered = Run(record, kFolderCaption,
                      {[](HWND h) { Click(h, IDOK); },
                       {"Error",
                        [&](HWND box) {
                          error = Item(box, kDlgText);
                          PostKey(box, VK_RETURN);
                        }},
                       [&](HWND h) {
                         calls = abort_double::State().calls;
                         PostKey(h, VK_ESCAPE);
                       }});
  EXPECT_FALSE(answered);
  EXPECT_EQ(error, "The dir is invalid");
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(abort_double::State().calls, 1);
}

TEST_F(FolderPromptTest, RequiredEqualToFreeAsksNothing) {
  FolderPrompt record;
  bool answered = false, asked = false;
  double free = SteadyRun([&](double before) {
    Fill(record, 1, 1, static_cast<unsigned>(before), "C:\\Apps");
    asked = false;
    answered = Run(record, kFolderCaption,
                   {[](HWND h) { Click(h, IDOK); },
                    [&](HWND) {
                      // Only reached when the prompt stayed.
                      HWND question = FindBox(kSpaceTitle);
                      asked = question != nullptr;
                      if (question) Click(question, kDlgButton2);
                    }});
  });
  ASSERT_GE(free, 0.0) << "the free space of C: never held still for a run";
  ASSERT_EQ(free, static_cast<double>(record.required)) << "free space in whole K";
  EXPECT_TRUE(answered);
  EXPECT_FALSE(asked);
  EXPECT_STREQ(record.answer, "C:\\Apps");
}

TEST_F(FolderPromptTest, SpaceQuestionWhenRequiredExceedsFree) {
  FolderPrompt record;
  std::string text, first, second, helpButton, title;
  bool answered = false, icon = false, noIsDefault = false, ownedByPrompt = false;
  bool stayedAfterEscape = false, stayedAfterNo = false, askedAgain = false;
  double free = SteadyRun([&](double before) {
    Fill(record, 1, 1, static_cast<unsigned>(before) + 1, "C:\\Apps");
    HWND prompt = nullptr;
    answered = Run(record, kFolderCaption,
                   {[&](HWND h) {
                      prompt = h;
                      Click(h, IDOK);
                    },
                    {kSpaceTitle,
                     [&](HWND q) {
                       title = TextOf(q);
                       text = Item(q, kDlgText);
                       first = Item(q, kDlgButton1);
                       second = Item(q, kDlgButton2);
                       helpButton = Item(q, kDlgButton3);
                       icon = IsWindowVisible(GetDlgItem(q, kDlgIcon)) != FALSE;
                       noIsDefault = LOWORD(SendMessageA(q, DM_GETDEFID, 0, 0)) == kDlgButton1;
                       ownedByPrompt = GetWindow(q, GW_OWNER) == prompt;
                       PostKey(q, VK_ESCAPE);
                       PostMessageA(q, WM_CLOSE, 0, 0);
                     }},
                    [&](HWND) {
                      HWND q = FindBox(kSpaceTitle);
                      stayedAfterEscape = q != nullptr;
                      if (q) PostKey(q, VK_RETURN);  // "&No"
                    },
                    Step::After(kSpaceTitle,
                                [&](HWND h) {
                                  stayedAfterNo = IsWindowVisible(h) != FALSE;
                                  Click(h, IDOK);
                                }),
                    {kSpaceTitle, [&](HWND q) {
                       askedAgain = true;
                       Click(q, kDlgButton2);  // "&Yes"
                     }}});
  });
  ASSERT_GE(free, 0.0) << "the free space of C: never held still for a run";
  char expected[200];
  std::snprintf(expected, sizeof expected,
                "%lu K free space required but you only have %lu K\n\nContinue anyway?",
                static_cast<unsigned long>(record.required), static_cast<unsigned long>(free));
  EXPECT_TRUE(answered);
  EXPECT_EQ(title, "Space Not Enough");
  EXPECT_EQ(text, expected);
  EXPECT_EQ(first, "&No");
  EXPECT_EQ(second, "&Yes");
  EXPECT_EQ(helpButton, "<none>");
  EXPECT_TRUE(icon);
  EXPECT_TRUE(noIsDefault);
  EXPECT_TRUE(ownedByPrompt);
  EXPECT_TRUE(stayedAfterEscape);
  EXPECT_TRUE(stayedAfterNo);
  EXPECT_TRUE(askedAgain);
  EXPECT_STREQ(record.answer, "C:\\Apps");
  EXPECT_EQ(abort_double::State().calls, 0);
}

TEST_F(FolderPromptTest, CancelConfirmedEndsThePrompt) {
  abort_double::State().answer = true;
  FolderPrompt record;
  Fill(record, 1, 1, 0, "C:\\Apps");
  EXPECT_FALSE(Run(record, kFolderCaption, {[](HWND h) { Click(h, IDCANCEL); }}));
  EXPECT_EQ(abort_double::State().calls, 1);
  EXPECT_EQ(abort_double::State().lastOwner, owner_);
}

TEST_F(FolderPromptTest, EscapeLeadsToTheAbortQuestion) {
  abort_double::State().answer = true;
  FolderPrompt record;
  Fill(record, 0, 0, 0, "x");
  EXPECT_FALSE(Run(record, "", {[](HWND h) { PostKey(h, VK_ESCAPE); }}));
  EXPECT_EQ(abort_double::State().calls, 1);
}

TEST_F(FolderPromptTest, CancelNotConfirmedShowsThePromptAgain) {
  abort_double::State().answer = false;
  FolderPrompt record;
  Fill(record, 1, 0, 0, "C:\\Program Files\\Configuration Haventide");
  std::string again;
  int callsSeen = -1;
  bool answered = Run(record, kFolderCaption,
                      {[](HWND h) {
                         Type(h, "C:\\Edited");
                         Click(h, IDCANCEL);
                       },
                       [&](HWND h) {
                         again = Item(h, kFolderPromptAnswer);
                         callsSeen = abort_double::State().calls;
                         Click(h, IDOK);
                       }});
  EXPECT_TRUE(answered);
  EXPECT_EQ(callsSeen, 1);
  EXPECT_EQ(again, "C:\\Program Files\\Configuration Haventide");
  EXPECT_STREQ(record.answer, "C:\\Program Files\\Configuration Haventide");
  EXPECT_EQ(abort_double::State().calls, 1);
}

TEST_F(FolderPromptTest, HelpButtonShowsHelpAndTheDialogStays) {
  FolderPrompt record;
  Fill(record, 0, 0, 0, "x");
  std::string fallback;
  bool stayed = false;
  bool answered = Run(record, "",
                      {[](HWND h) { Click(h, kFolderPromptHelp); },
                       {"Help",
                        [&](HWND box) {
                          fallback = Item(box, kDlgText);
                          PostKey(box, VK_RETURN);
                        }},
                       [&](HWND h) {
                         stayed = IsWindowVisible(h) != FALSE;
                         Click(h, IDOK);
                       }});
  EXPECT_TRUE(answered);
  EXPECT_EQ(fallback, "Simply follow the instructions in the program!");
  EXPECT_TRUE(stayed);
}

TEST_F(FolderPromptTest, FieldsWithoutTheirEndAreCutSafely) {
  FolderPrompt record;
  Fill(record, 0, 0, 0, "");
  std::memset(record.initial, 'i', sizeof record.initial);
  for (auto& line : record.lines) std::memset(line, 'l', sizeof line);
  char canary[kPromptChars];
  std::memcpy(canary, record.initial, sizeof canary);
  std::string initial, lines;
  std::string typed(400, 't');
  bool answered = Run(record, "", {[&](HWND h) {
                        initial = Item(h, kFolderPromptAnswer);
                        lines = Item(h, kFolderPromptLines);
                        Type(h, typed.c_str());
                        Click(h, IDOK);
                      }});
  EXPECT_TRUE(answered);
  EXPECT_EQ(initial, std::string(255, 'i'));
  std::string line(255, 'l');
  EXPECT_EQ(lines, line + "\n" + line + "\n" + line + "\n" + line);
  EXPECT_EQ(std::string(record.answer), std::string(255, 't'));
  EXPECT_EQ(std::memcmp(canary, record.initial, sizeof canary), 0);
}

TEST_F(FolderPromptTest, EditFieldTakesAtMost255Characters) {
  FolderPrompt record;
  Fill(record, 0, 0, 0, "");
  LRESULT limit = 0;
  EXPECT_TRUE(Run(record, "", {[&](HWND h) {
                    limit = SendDlgItemMessageA(h, kFolderPromptAnswer, EM_GETLIMITTEXT, 0, 0);
                    Click(h, IDOK);
                  }}));
  EXPECT_EQ(limit, 255);
}

TEST_F(FolderPromptTest, OwnerThatIsNoWindowCannotOpenTheDialog) {
  HWND gone = uitest::DestroyedWindow();
  ops_.PushOwner(nullptr);
  FolderPrompt record;
  Fill(record, 1, 1, 0, "C:\\Apps");
  std::string text;
  int result =
      Driven("Error", {[&](HWND box) {
               text = Item(box, kDlgText);
               PostKey(box, VK_RETURN);
             }},
             [&] { return RunFolderPrompt(ops_, ops_, abort_, gone, &help_, record) ? 1 : 0; });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(text, "Unable to open the dialog");
  EXPECT_EQ(ops_.LastError(), kFileOpGeneral);
  EXPECT_EQ(abort_double::State().calls, 0);
}

}  // namespace
