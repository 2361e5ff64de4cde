// "Select Components To Install" run as the install sequence runs it, with
// the sample product: what it shows, what presses and keys change, what
// Cancel and OK leave behind.
#include "../option_table.h"
#include "ui/prompts/tests/win32/abort_double.h"
#include "base/setup_heap.h"
#include "ui/dialogs/tests/win32/dialog_items.h"
#include "option_doubles.h"
#include "tree_colours.h"
#include "ui/options/component_selection.h"
#include "ui/dialogs/context_help.h"
#include "ui/options/model/option_node.h"
#include "ui/options/option_tree.h"
#include "resources/dialog_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace optiontest;
using uitest::Click;
using uitest::Driven;
using uitest::Item;
using uitest::PostKey;
using uitest::Step;

constexpr char kCaption[] = "Select Components To Install";
constexpr COLORREF kWhite = RGB(255, 255, 255);

OptionTree& TreeOf(HWND box) {
  HWND tree = GetDlgItem(box, kComponentTree);
  return *static_cast<OptionTree*>(
      reinterpret_cast<SetupWindow*>(GetWindowLongPtrA(tree, kWindowObjectSlot)));
}

// The n-th visible node with this label (0 the first from the top).
OptionNode* Row(HWND box, const char* label, int n = 0) {
  OptionTreeModel& model = TreeOf(box).Model();
  for (int row = 0; row < model.RowCount(); ++row) {
    OptionNode* node = model.NodeAtRow(row);
    if (node && std::string(node->text) == label && n-- == 0) return node;
  }
  return nullptr;
}

void PressPart(HWND box, const char* label, TreeRect RowGeometry::*part = &RowGeometry::box,
               int n = 0) {
  OptionNode* node = Row(box, label, n);
  ASSERT_NE(node, nullptr) << label;
  TreeRect r = TreeOf(box).Model().Geometry(*node).*part;
  LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageA(GetDlgItem(box, kComponentTree), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(GetDlgItem(box, kComponentTree), WM_LBUTTONUP, 0, at);
}

COLORREF PixelOf(HWND window, int x, int y) {
  UpdateWindow(window);
  HDC dc = GetDC(window);
  COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return c;
}

// The gauge's top row, above its caption: filled up to round(percent) of
// its width, white after.
void ExpectGauge(HWND box, int percent) {
  HWND gauge = GetDlgItem(box, kComponentGauge);
  RECT c;
  GetClientRect(gauge, &c);
  const int filled = static_cast<int>(percent * 0.01 * c.right + 0.5);
  if (filled > 0) {
    EXPECT_EQ(PixelOf(gauge, filled - 1, 1), kGrey) << percent;
  }
  EXPECT_EQ(PixelOf(gauge, filled, 1), kWhite) << percent;
}

std::vector<std::string> ListItems(HWND list) {
  std::vector<std::string> out;
  const int count = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[16] = {0};
    SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    out.push_back(text);
  }
  return out;
}

std::vector<std::string> FixedAndRemoteDrives() {
  std::vector<std::string> out;
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    char root[] = {letter, ':', '\\', '\0'};
    UINT type = GetDriveTypeA(root);
    if (type == DRIVE_FIXED || type == DRIVE_REMOTE) out.push_back(std::string(1, letter) + ":");
  }
  return out;
}

class ComponentDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    abort_double::State() = abort_double::Record{};
    owner_ = CreateWindowExA(0, "STATIC", "background", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner_, nullptr);
    source_ = SampleProduct();
    drives_ = FixedAndRemoteDrives();
    ASSERT_FALSE(drives_.empty());
    disks_.free[drives_[0] + "\\"] = 5000.7;
  }
  void TearDown() override { DestroyWindow(owner_); }

  bool Run(std::vector<Step> steps) {
    return Driven(kCaption, std::move(steps), [&] {
             return RunComponentSelection(source_, choices_, reports_, disks_, abort_, owner_,
                                          &help_)
                        ? 1
                        : 0;
           }) == 1;
  }

  TableSource source_;
  RecordedChoices choices_;
  CountingReports reports_;
  FixedDisks disks_;
  abort_double::Question abort_;
  ContextHelp help_{"", nullptr, 102};
  HWND owner_ = nullptr;
  std::vector<std::string> drives_;
};

TEST_F(ComponentDialogTest, OpensWithFiguresDrivesAndTheFocusOnOk) {
  int steps = 0;
  EXPECT_TRUE(Run({[&](HWND h) {
    ++steps;
    EXPECT_EQ(Item(h, kComponentRequired), "250 K");
    EXPECT_EQ(Item(h, kComponentTotal), "424 K");
    EXPECT_EQ(Item(h, kComponentDescription), "");
    ExpectGauge(h, 59);
    EXPECT_EQ(ListItems(GetDlgItem(h, kComponentDrives)), drives_);
    EXPECT_EQ(SendDlgItemMessageA(h, kComponentDrives, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Item(h, kComponentFree), "5000 K");
    EXPECT_EQ(GetFocus(), GetDlgItem(h, IDOK));
    EXPECT_EQ(help_.Current(), 11);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(h, kComponentPlaceholder)));
    if (drives_.size() > 1) {
      // A drive whose free space cannot be read leaves the figure.
      SendDlgItemMessageA(h, kComponentDrives, CB_SETCURSEL, 1, 0);
      SendMessageA(h, WM_COMMAND, MAKEWPARAM(kComponentDrives, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(GetDlgItem(h, kComponentDrives)));
      EXPECT_EQ(disks_.lastAsked, drives_[1] + "\\");
      EXPECT_EQ(Item(h, kComponentFree), "5000 K");
    }
    Click(h, IDOK);
  }}));
  EXPECT_EQ(steps, 1);
  EXPECT_EQ(help_.Current(), -1);
  EXPECT_EQ(abort_double::State().calls, 0);
}

TEST_F(ComponentDialogTest, PressesChangeTheFiguresAndOkKeepsTheChoices) {
  EXPECT_TRUE(Run({[&](HWND h) {
    PressPart(h, "Help files", &RowGeometry::label);
    EXPECT_EQ(Item(h, kComponentDescription), "About Help files");
    PressPart(h, "Help files");
    PressPart(h, "Shared tools");  // the one under Extras
    EXPECT_EQ(Item(h, kComponentRequired), "370 K");
    // The copy under Tools followed; its group stays mixed for the notes.
    OptionNode* copy = Row(h, "Shared tools", 1);
    EXPECT_EQ(copy->state, kChecked);
    EXPECT_EQ(copy->parent->state, kMixed);
    TreeRect b = TreeOf(h).Model().Geometry(*copy).box;
    EXPECT_EQ(PixelOf(GetDlgItem(h, kComponentTree), b.left + 6, b.top + 6), kBlack);
    Click(h, IDOK);
  }}));
  EXPECT_EQ(choices_.Chosen(kChoiceFiles), (std::vector<int>{0, 1, 2, 4, 5}));
  EXPECT_EQ(choices_.Chosen(kChoiceItems), (std::vector<int>{0}));
  EXPECT_EQ(choices_.Chosen(kChoiceIniEntries), (std::vector<int>{0}));
  EXPECT_EQ(choices_.Chosen(kChoiceRegistryEntries), (std::vector<int>{0}));
  EXPECT_DOUBLE_EQ(choices_.required, 370);
  EXPECT_EQ(choices_.states[kShared], kChecked);
  EXPECT_EQ(choices_.states[kTools], kMixed);
}

TEST_F(ComponentDialogTest, EverythingUncheckedIsNothingRequired) {
  EXPECT_TRUE(Run({[&](HWND h) {
    PressPart(h, "Program");  // mixed, asking 1: all of it unchecked
    PressPart(h, "Tools");
    EXPECT_EQ(Item(h, kComponentRequired), "0 K");
    ExpectGauge(h, 0);
    Click(h, IDOK);
  }}));
  EXPECT_EQ(choices_.Chosen(kChoiceFiles), (std::vector<int>{5}));  // the grey licence
  EXPECT_DOUBLE_EQ(choices_.required, 0);
}

TEST_F(ComponentDialogTest, CancelAnsweredNoBringsItBackAsItWas) {
  HWND first = nullptr;
  int shown = 0;
  EXPECT_FALSE(Run({[&](HWND h) {
                      first = h;
                      PressPart(h, "Fonts", &RowGeometry::glyph);
                      SendDlgItemMessageA(h, kComponentTree, WM_VSCROLL, SB_LINEDOWN, 0);
                      SendDlgItemMessageA(h, kComponentTree, WM_VSCROLL, SB_LINEDOWN, 0);
                      PressPart(h, "Help files");
                      Click(h, IDCANCEL);
                    },
                    [&](HWND h) {
                      ++shown;
                      EXPECT_NE(h, first);
                      EXPECT_EQ(GetScrollPos(GetDlgItem(h, kComponentTree), SB_VERT), 2);
                      EXPECT_EQ(Row(h, "Fonts")->expanded, 1);
                      EXPECT_EQ(Item(h, kComponentRequired), "350 K");
                      EXPECT_EQ(Item(h, kComponentDescription), "About Help files");
                      EXPECT_STREQ(TreeOf(h).Model().Selected()->text, "Help files");
                      abort_double::State().answer = true;
                      PostKey(h, VK_ESCAPE);
                    }}));
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(abort_double::State().calls, 2);
  EXPECT_EQ(abort_double::State().lastOwner, owner_);
  EXPECT_LT(choices_.required, 0);  // nothing stored
  EXPECT_TRUE(choices_.states.empty());
}

TEST_F(ComponentDialogTest, TheTreeIsUsedByKeyboard) {
  std::vector<int> focusOrder, tabOrder;
  auto tab = [&](HWND h) {
    focusOrder.push_back(GetDlgCtrlID(GetFocus()));
    PostKey(h, VK_TAB);
  };
  auto order = [&](HWND h) {
    for (HWND at = GetDlgItem(h, IDOK); tabOrder.size() < 7; at = GetNextDlgTabItem(h, at, FALSE))
      tabOrder.push_back(GetDlgCtrlID(at));
    tab(h);
  };
  // From OK: Cancel, Help, then round to the tree, which selects its first
  // row as it takes the focus.
  EXPECT_TRUE(Run({order, tab, tab,
                   [&](HWND h) {
                     focusOrder.push_back(GetDlgCtrlID(GetFocus()));
                     EXPECT_EQ(Item(h, kComponentDescription), "The group Program");
                     PostKey(h, VK_DOWN);
                     PostMessageA(GetFocus(), WM_CHAR, ' ', 1);
                   },
                   [&](HWND h) {
                     EXPECT_EQ(Item(h, kComponentRequired), "50 K");  // the main program unchecked
                     PostKey(h, VK_RETURN);
                   }}));
  EXPECT_EQ(tabOrder, (std::vector<int>{IDOK, IDCANCEL, 109, 101, 104, 107, 108}));
  EXPECT_EQ(focusOrder, (std::vector<int>{IDOK, IDCANCEL, 109, 101}));
  EXPECT_EQ(choices_.states[kMain], kUnchecked);
}

TEST_F(ComponentDialogTest, HelpShowsTheFallbackAndKeepsTheDialog) {
  EXPECT_TRUE(Run({[](HWND h) { Click(h, kComponentHelp); },
                   {"Help",
                    [&](HWND box) {
                      EXPECT_EQ(Item(box, kDlgText),
                                "Simply follow the instructions in the program!");
                      PostKey(box, VK_RETURN);
                    }},
                   [&](HWND h) { Click(h, IDOK); }}));
}

TEST_F(ComponentDialogTest, WithoutOptionsNothingIsAsked) {
  source_.options.clear();
  EXPECT_TRUE(Run({[](HWND h) { Click(h, IDOK); }}));
  EXPECT_TRUE(choices_.states.empty());
  EXPECT_LT(choices_.required, 0);
}

TEST_F(ComponentDialogTest, ARefusedOptionEndsSilently) {
  source_.refusedRecord = kLicence;
  EXPECT_FALSE(Run({[](HWND h) { Click(h, IDOK); }}));
  EXPECT_EQ(reports_.reports + reports_.outOfMemory, 0);
  EXPECT_EQ(abort_double::State().calls, 0);
}

void* NoMemory(std::size_t) { return nullptr; }
void NothingToFree(void*) {}

TEST_F(ComponentDialogTest, RunningOutOfMemoryIsReported) {
  SetupHeapHooks previous = ReplaceSetupHeap({NoMemory, NothingToFree});
  bool ok = RunComponentSelection(source_, choices_, reports_, disks_, abort_, owner_, &help_);
  ReplaceSetupHeap(previous);
  EXPECT_FALSE(ok);
  EXPECT_EQ(reports_.outOfMemory, 1);
  EXPECT_EQ(abort_double::State().calls, 0);
}

}  // namespace
