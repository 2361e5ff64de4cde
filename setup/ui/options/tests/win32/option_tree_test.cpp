// The component tree's window: where it is made, what it paints at chosen
// points, and what presses, keys and scroll requests do to it.
#include "../option_table.h"
#include "tree_colours.h"
#include "ui/dialogs/message_pump.h"
#include "ui/options/model/option_forest.h"
#include "ui/options/model/option_node.h"
#include "ui/options/option_tree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace optiontest;

constexpr COLORREF kCyan = 0xFFFF00;

// Hears what the tree tells its owner, and keeps the area each paint had
// to cover.
class RecordingTree : public OptionTree {
 public:
  RecordingTree() : OptionTree(true, true) {}
  std::vector<std::string> selections;
  int changesDone = 0;
  std::vector<RECT> paints;
  void SelectionChanged(OptionNode& node) override { selections.push_back(node.text); }
  void ChangesDone() override { ++changesDone; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    RECT update;
    if (message == WM_PAINT && GetUpdateRect(Handle(), &update, FALSE)) paints.push_back(update);
    return OptionTree::HandleMessage(message, wParam, lParam);
  }
};

class OptionTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    source_ = SampleProduct();
    ASSERT_EQ(forest_.Build(source_), kBuilt);
    host_ = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 20, 20, 400, 360, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    placeholder_ = CreateWindowExA(
        0, "STATIC", "Option Tree will be here", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 12, 260,
        300, host_, reinterpret_cast<HMENU>(102), GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(placeholder_, nullptr);
    tree_.SetRoots(forest_.FirstRoot());
    tree_.Finish();
    ASSERT_TRUE(tree_.Attach(host_, 101, 102));
    Settle();
  }
  void TearDown() override { DestroyWindow(host_); }

  void Settle() {
    UpdateWindow(tree_.Handle());
    PumpMessages(true);
  }
  OptionNode& Node(int option) { return *forest_.Newest(option); }
  RowGeometry Of(int option) { return tree_.Model().Geometry(Node(option)); }
  COLORREF Pixel(int x, int y) {
    HDC dc = GetDC(tree_.Handle());
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(tree_.Handle(), dc);
    return c;
  }
  void PressAt(int x, int y) {
    SendMessageA(tree_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(tree_.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    Settle();
  }
  void Press(int option, TreeRect RowGeometry::*part) {
    TreeRect r = Of(option).*part;
    PressAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  void Key(UINT key) {
    SendMessageA(tree_.Handle(), WM_KEYDOWN, key, 1);
    Settle();
  }
  void Char(char c) {
    SendMessageA(tree_.Handle(), WM_CHAR, static_cast<unsigned char>(c), 1);
    Settle();
  }
  std::string Selected() { return tree_.Model().Selected() ? tree_.Model().Selected()->text : "-"; }

  TableSource source_;
  OptionForest forest_;
  RecordingTree tree_;
  HWND host_ = nullptr;
  HWND placeholder_ = nullptr;
  const COLORREF window_ = GetSysColor(COLOR_WINDOW);
  const COLORREF text_ = GetSysColor(COLOR_WINDOWTEXT);
};

TEST_F(OptionTreeTest, MadeInThePlaceholdersPlace) {
  HWND tree = tree_.Handle();
  char cls[32] = {0};
  GetClassNameA(tree, cls, sizeof cls);
  EXPECT_STREQ(cls, "wndclassopttree");
  EXPECT_EQ(GetDlgCtrlID(tree), 101);
  EXPECT_EQ(GetParent(tree), host_);
  EXPECT_FALSE(IsWindowVisible(placeholder_));
  RECT a, b;
  GetWindowRect(tree, &a);
  GetWindowRect(placeholder_, &b);
  EXPECT_TRUE(EqualRect(&a, &b));
  const LONG style = GetWindowLongA(tree, GWL_STYLE);
  for (LONG bit : {WS_CHILD, WS_VISIBLE, WS_BORDER, WS_VSCROLL, WS_HSCROLL, WS_TABSTOP})
    EXPECT_EQ(style & bit, bit) << std::hex << bit;
  EXPECT_EQ(GetWindow(placeholder_, GW_HWNDNEXT), tree);  // its place in the tab order
  int low = -1, high = -1;
  GetScrollRange(tree, SB_VERT, &low, &high);
  EXPECT_EQ(low, 0);
  EXPECT_EQ(high, 12);
  GetScrollRange(tree, SB_HORZ, &low, &high);
  EXPECT_EQ(high, tree_.Model().WidestRow());
  RECT client;
  GetClientRect(tree, &client);
  EXPECT_EQ(tree_.Model().ClientHeight(), client.bottom);
  EXPECT_EQ(tree_.Model().RowHeight(), HIWORD(GetDialogBaseUnits()) * 9 / 8);
}

TEST_F(OptionTreeTest, PaintsBoxesGlyphsAndLabels) {
  struct Probe {
    const char* what;
    int option;
    TreeRect RowGeometry::*part;
    int dx, dy;
    COLORREF expected;  // kNone: the window colour
  };
  constexpr COLORREF kWindow = 0xFF000000;
  const Probe probes[] = {
      {"box outline", kHelp, &RowGeometry::box, 0, 4, kBlack},
      {"unchecked box inside", kHelp, &RowGeometry::box, 6, 6, kWindow},
      {"checked box diagonal", kMain, &RowGeometry::box, 6, 6, kBlack},
      {"checked box other diagonal", kMain, &RowGeometry::box, 9, 3, kBlack},
      {"checked box off the diagonals", kMain, &RowGeometry::box, 2, 6, kWindow},
      {"mixed box grey fill", kProgram, &RowGeometry::box, 2, 6, kGrey},
      {"mixed box outline", kProgram, &RowGeometry::box, 0, 6, kBlack},
      {"grey box outline", kLicence, &RowGeometry::box, 0, 4, kGrey},
      {"grey box diagonal", kLicence, &RowGeometry::box, 6, 6, kGrey},
      {"no box for a label-only node", kNotes, &RowGeometry::box, 0, -4, kWindow},
      {"bar outline", kProgram, &RowGeometry::glyph, 0, 3, kBlack},
      {"bar cyan", kProgram, &RowGeometry::glyph, 2, 4, kCyan},
      {"bar has no upright", kProgram, &RowGeometry::glyph, 4, 1, kWindow},
      {"plus outline", kFonts, &RowGeometry::glyph, 3, 0, kBlack},
      {"plus cyan across", kFonts, &RowGeometry::glyph, 2, 5, kCyan},
      {"plus cyan upright", kFonts, &RowGeometry::glyph, 5, 2, kCyan},
      {"plus outside", kFonts, &RowGeometry::glyph, 1, 1, kWindow},
      {"square outline", kHelp, &RowGeometry::glyph, 3, 3, kBlack},
      {"square cyan", kHelp, &RowGeometry::glyph, 5, 5, kCyan},
      {"square outside", kHelp, &RowGeometry::glyph, 1, 4, kWindow},
      {"unselected label", kHelp, &RowGeometry::label, 1, 1, kWindow},
  };
  for (const Probe& p : probes) {
    TreeRect r = Of(p.option).*p.part;
    ASSERT_LT(r.bottom, tree_.Model().ClientHeight()) << p.what;
    COLORREF want = p.expected == kWindow ? window_ : p.expected;
    EXPECT_EQ(Pixel(r.left + p.dx, r.top + p.dy), want) << p.what;
  }
}

TEST_F(OptionTreeTest, PressesRepaintAtOnce) {
  Press(kHelp, &RowGeometry::label);
  EXPECT_EQ(tree_.selections, std::vector<std::string>{"Help files"});
  EXPECT_EQ(GetFocus(), tree_.Handle());
  TreeRect l = Of(kHelp).label, box = Of(kHelp).box;
  EXPECT_EQ(Pixel(l.left + 1, l.top + 1), text_);  // the selected label inverted
  Press(kHelp, &RowGeometry::box);
  EXPECT_EQ(Pixel(box.left + 6, box.top + 6), kBlack);
  EXPECT_EQ(tree_.changesDone, 1);
  Press(kFonts, &RowGeometry::glyph);
  EXPECT_EQ(Pixel(l.left + 1, l.top + 1), window_);
  TreeRect glyph = Of(kFonts).glyph;
  EXPECT_EQ(Pixel(glyph.left + 4, glyph.top + 1), window_);  // now a bar
  int low = -1, high = -1;
  GetScrollRange(tree_.Handle(), SB_VERT, &low, &high);
  EXPECT_EQ(high, 12 + kFontCount);
}

TEST_F(OptionTreeTest, KeysReachTheTree) {
  SetFocus(tree_.Handle());
  Settle();
  EXPECT_EQ(Selected(), "Program");  // the focus selects the first row
  EXPECT_EQ(SendMessageA(tree_.Handle(), WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
  struct Press {
    UINT message;
    WPARAM key;
    const char* selected;
  };
  const Press presses[] = {
      {WM_KEYDOWN, VK_DOWN, "Main program"},
      {WM_KEYDOWN, VK_NEXT, "Fonts"},
      {WM_KEYDOWN, VK_PRIOR, "Program"},
      {WM_KEYDOWN, VK_END, "Fonts"},
      {WM_CHAR, '+', "Fonts"},
      {WM_KEYDOWN, VK_RIGHT, "Font family with a long name number 00"},
      {WM_KEYDOWN, VK_UP, "Fonts"},
      {WM_CHAR, '-', "Fonts"},
      {WM_KEYDOWN, VK_HOME, "Program"},
      {WM_KEYDOWN, VK_LEFT, "Program"},
      {WM_KEYDOWN, VK_DOWN, "Tools"},
      {WM_KEYDOWN, VK_DOWN, "Shared tools"},
      {WM_CHAR, ' ', "Shared tools"},
  };
  for (const Press& p : presses) {
    SendMessageA(tree_.Handle(), p.message, p.key, 1);
    EXPECT_EQ(Selected(), p.selected) << p.key;
  }
  EXPECT_EQ(Node(kFonts).expanded, 0);
  EXPECT_EQ(Node(kProgram).expanded, 0);
  EXPECT_EQ(Node(kShared).state, kChecked);
}

TEST_F(OptionTreeTest, OneRowScrollRepaintsOnlyTheUncoveredStrip) {
  const int h = tree_.Model().RowHeight(), height = tree_.Model().ClientHeight();
  TreeRect before = Of(kHelp).box;
  tree_.paints.clear();
  SendMessageA(tree_.Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  PumpMessages(true);
  ASSERT_EQ(tree_.paints.size(), 1u);
  EXPECT_EQ(tree_.paints[0].top, height - h);
  EXPECT_EQ(tree_.paints[0].bottom, height);
  EXPECT_EQ(GetScrollPos(tree_.Handle(), SB_VERT), 1);
  // What was shown moved up a row.
  EXPECT_EQ(Pixel(before.left, before.top + 4 - h), kBlack);
  EXPECT_EQ(Of(kHelp).box.top, before.top - h);

  tree_.paints.clear();
  SendMessageA(tree_.Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  PumpMessages(true);
  ASSERT_EQ(tree_.paints.size(), 1u);
  EXPECT_EQ(tree_.paints[0].top, 0);
  EXPECT_EQ(tree_.paints[0].bottom, height);

  tree_.paints.clear();
  SendMessageA(tree_.Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), 0);
  PumpMessages(true);
  EXPECT_TRUE(tree_.paints.empty());  // the thumb is followed when it is let go
  SendMessageA(tree_.Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
  EXPECT_EQ(tree_.Model().FirstRow(), 0);

  // Sideways by a row height: every row moves left by as much.
  SendMessageA(tree_.Handle(), WM_HSCROLL, SB_LINERIGHT, 0);
  Settle();
  EXPECT_EQ(GetScrollPos(tree_.Handle(), SB_HORZ), h);
  EXPECT_EQ(Pixel(before.left - h, before.top + 4), kBlack);
  EXPECT_EQ(Pixel(before.left, before.top + 4), window_);
}

}  // namespace
