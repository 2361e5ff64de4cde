// "Select Components To Install" run as the install sequence runs it, with
// the sample product: what it shows, what presses and keys change, what
// Cancel and OK leave behind.
#include "../option_table.h"
#include "abort_double.h"
#include "base/setup_heap.h"
#include "dialog_items.h"
#include "option_doubles.h"
#include "ui/component_selection.h"
#include "ui/context_help.h"
#include "ui/option_node.h"
#include "ui/option_tree.h"

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
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = 0x808080;
constexpr COLORREF kWhite = RGB(255, 255, 255);

OptionTree& TreeOf(HWND box) {
  HWND tree = GetDlgItem(box, 101);
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

void PressPart(HWND box, const char* label, TreeRect RowGeometry::*part, int n = 0) {
  OptionNode* node = Row(box, label, n);
  ASSERT_NE(node, nullptr) << label;
  TreeRect r = TreeOf(box).Model().Geometry(*node).*part;
  LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageA(GetDlgItem(box, 101), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(GetDlgItem(box, 101), WM_LBUTTONUP, 0, at);
}

void PressBox(HWND box, const char* label, int n = 0) {
  PressPart(box, label, &RowGeometry::box, n);
}

COLORREF PixelOf(HWND window, int x, int y) {
  UpdateWindow(window);
  HDC dc = GetDC(window);
  COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return c;
}

// The gauge's colour just inside and just outside its filled part, at its
// top row, above the caption.
struct GaugeEdge {
  int filled = -1;
  COLORREF inside = 0, outside = 0;
};

GaugeEdge EdgeOf(HWND box, int percent) {
  HWND gauge = GetDlgItem(box, 105);
  RECT c;
  GetClientRect(gauge, &c);
  GaugeEdge e;
  e.filled = static_cast<int>(percent * 0.01 * c.right + 0.5);
  e.inside = PixelOf(gauge, e.filled > 0 ? e.filled - 1 : 0, 1);
  e.outside = PixelOf(gauge, e.filled < c.right ? e.filled : c.right - 1, 1);
  return e;
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
  std::string required, total, description = "<unread>", free, freeAfter, asked;
  std::vector<std::string> listed;
  int chosenDrive = -1, context = -1;
  bool focusOnOk = false, placeholderShown = true;
  GaugeEdge edge;
  bool ok = Run({[&](HWND h) {
    required = Item(h, 104);
    total = Item(h, 106);
    description = Item(h, 103);
    edge = EdgeOf(h, 59);
    listed = ListItems(GetDlgItem(h, 107));
    chosenDrive = static_cast<int>(SendDlgItemMessageA(h, 107, CB_GETCURSEL, 0, 0));
    free = Item(h, 108);
    focusOnOk = GetFocus() == GetDlgItem(h, IDOK);
    context = help_.Current();
    placeholderShown = IsWindowVisible(GetDlgItem(h, 102)) != FALSE;
    if (listed.size() > 1) {
      // A drive whose free space cannot be read leaves the figure.
      SendDlgItemMessageA(h, 107, CB_SETCURSEL, 1, 0);
      SendMessageA(h, WM_COMMAND, MAKEWPARAM(107, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(GetDlgItem(h, 107)));
      freeAfter = Item(h, 108);
      asked = disks_.lastAsked;
    }
    Click(h, IDOK);
  }});
  EXPECT_TRUE(ok);
  EXPECT_EQ(required, "250 K");
  EXPECT_EQ(total, "424 K");
  EXPECT_EQ(description, "");
  EXPECT_EQ(edge.inside, kGrey);
  EXPECT_EQ(edge.outside, kWhite);
  EXPECT_EQ(listed, drives_);
  EXPECT_EQ(chosenDrive, 0);
  EXPECT_EQ(free, "5000 K");
  if (drives_.size() > 1) {
    EXPECT_EQ(freeAfter, "5000 K");
    EXPECT_EQ(asked, drives_[1] + "\\");
  }
  EXPECT_TRUE(focusOnOk);
  EXPECT_EQ(context, 11);
  EXPECT_EQ(help_.Current(), -1);
  EXPECT_FALSE(placeholderShown);
  EXPECT_EQ(abort_double::State().calls, 0);
}

TEST_F(ComponentDialogTest, PressesChangeTheFiguresAndOkKeepsTheChoices) {
  std::string description, required, sharedInTools;
  int toolsCopy = -1, toolsGroup = -1;
  COLORREF diagonal = 0;
  bool ok = Run({[&](HWND h) {
    PressPart(h, "Help files", &RowGeometry::label);
    description = Item(h, 103);
    PressBox(h, "Help files");
    PressBox(h, "Shared tools", 0);  // the one under Extras
    required = Item(h, 104);
    OptionNode* copy = Row(h, "Shared tools", 1);
    toolsCopy = copy->state;
    toolsGroup = copy->parent->state;
    TreeRect b = TreeOf(h).Model().Geometry(*copy).box;
    diagonal = PixelOf(GetDlgItem(h, 101), b.left + 6, b.top + 6);
    Click(h, IDOK);
  }});
  EXPECT_TRUE(ok);
  EXPECT_EQ(description, "About Help files");
  EXPECT_EQ(required, "370 K");
  EXPECT_EQ(toolsCopy, kChecked);
  EXPECT_EQ(toolsGroup, kMixed);  // the label-only notes stay unchecked
  EXPECT_EQ(diagonal, kBlack);
  EXPECT_EQ(choices_.Chosen(kChoiceFiles), (std::vector<int>{0, 1, 2, 4, 5}));
  EXPECT_EQ(choices_.Chosen(kChoiceItems), (std::vector<int>{0}));
  EXPECT_EQ(choices_.Chosen(kChoiceIniEntries), (std::vector<int>{0}));
  EXPECT_EQ(choices_.Chosen(kChoiceRegistryEntries), (std::vector<int>{0}));
  EXPECT_DOUBLE_EQ(choices_.required, 370);
  EXPECT_EQ(choices_.states[kShared], kChecked);
  EXPECT_EQ(choices_.states[kTools], kMixed);
}

TEST_F(ComponentDialogTest, EverythingUncheckedIsNothingRequired) {
  std::string required;
  GaugeEdge edge;
  bool ok = Run({[&](HWND h) {
    PressBox(h, "Program");  // mixed, asking 1: all of it unchecked
    PressBox(h, "Tools");
    required = Item(h, 104);
    edge = EdgeOf(h, 0);
    Click(h, IDOK);
  }});
  EXPECT_TRUE(ok);
  EXPECT_EQ(required, "0 K");
  EXPECT_EQ(edge.outside, kWhite);
  EXPECT_EQ(choices_.Chosen(kChoiceFiles), (std::vector<int>{5}));  // the grey licence
  EXPECT_DOUBLE_EQ(choices_.required, 0);
}

TEST_F(ComponentDialogTest, CancelAnsweredNoBringsItBackAsItWas) {
  abort_double::State().answer = false;
  HWND first = nullptr, second = nullptr;
  int firstRow = -1, fontsExpanded = -1;
  std::string required, description, selected;
  bool ok = Run({[&](HWND h) {
                   first = h;
                   PressPart(h, "Fonts", &RowGeometry::glyph);
                   SendDlgItemMessageA(h, 101, WM_VSCROLL, SB_LINEDOWN, 0);
                   SendDlgItemMessageA(h, 101, WM_VSCROLL, SB_LINEDOWN, 0);
                   PressBox(h, "Help files");
                   Click(h, IDCANCEL);
                 },
                 [&](HWND h) {
                   second = h;
                   firstRow = GetScrollPos(GetDlgItem(h, 101), SB_VERT);
                   fontsExpanded = Row(h, "Fonts")->expanded;
                   required = Item(h, 104);
                   description = Item(h, 103);
                   selected = TreeOf(h).Model().Selected()->text;
                   abort_double::State().answer = true;
                   PostKey(h, VK_ESCAPE);
                 }});
  EXPECT_FALSE(ok);
  EXPECT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_EQ(firstRow, 2);
  EXPECT_EQ(fontsExpanded, 1);
  EXPECT_EQ(required, "350 K");
  EXPECT_EQ(selected, "Help files");
  EXPECT_EQ(description, "About Help files");
  EXPECT_EQ(abort_double::State().calls, 2);
  EXPECT_EQ(abort_double::State().lastOwner, owner_);
  EXPECT_LT(choices_.required, 0);  // nothing stored
  EXPECT_TRUE(choices_.states.empty());
}

TEST_F(ComponentDialogTest, TheTreeIsUsedByKeyboard) {
  std::vector<int> focusOrder;
  std::string required, description;
  auto tab = [&](HWND h) {
    focusOrder.push_back(GetDlgCtrlID(GetFocus()));
    PostKey(h, VK_TAB);
  };
  // From OK: Cancel, Help, then round to the tree, which selects its first
  // row as it takes the focus.
  bool ok = Run({tab, tab, tab,
                 [&](HWND h) {
                   focusOrder.push_back(GetDlgCtrlID(GetFocus()));
                   description = Item(h, 103);
                   PostKey(h, VK_DOWN);
                   PostMessageA(GetFocus(), WM_CHAR, ' ', 1);
                 },
                 [&](HWND h) {
                   required = Item(h, 104);
                   PostKey(h, VK_RETURN);
                 }});
  EXPECT_TRUE(ok);
  EXPECT_EQ(focusOrder, (std::vector<int>{IDOK, IDCANCEL, 109, 101}));
  EXPECT_EQ(description, "The group Program");
  EXPECT_EQ(required, "50 K");  // the main program unchecked
  EXPECT_EQ(choices_.states[kMain], kUnchecked);
}

TEST_F(ComponentDialogTest, TabOrderVisitsEveryControl) {
  std::vector<int> order;
  bool ok = Run({[&](HWND h) {
    HWND at = GetDlgItem(h, IDOK);
    for (int i = 0; i < 7; ++i) {
      order.push_back(GetDlgCtrlID(at));
      at = GetNextDlgTabItem(h, at, FALSE);
    }
    Click(h, IDOK);
  }});
  EXPECT_TRUE(ok);
  EXPECT_EQ(order, (std::vector<int>{IDOK, IDCANCEL, 109, 101, 104, 107, 108}));
}

TEST_F(ComponentDialogTest, HelpShowsTheFallbackAndKeepsTheDialog) {
  std::string fallback;
  bool stillOpen = false;
  bool ok = Run({[](HWND h) { Click(h, 109); },
                 {"Help",
                  [&](HWND box) {
                    fallback = Item(box, 102);
                    PostKey(box, VK_RETURN);
                  }},
                 [&](HWND h) {
                   stillOpen = IsWindowVisible(h) != FALSE;
                   Click(h, IDOK);
                 }});
  EXPECT_TRUE(ok);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(fallback, "Simply follow the instructions in the program!");
}

TEST_F(ComponentDialogTest, WithoutOptionsNothingIsAsked) {
  source_.options.clear();
  bool ok = Run({[](HWND h) { Click(h, IDOK); }});
  EXPECT_TRUE(ok);
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
