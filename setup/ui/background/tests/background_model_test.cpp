#include "ui/background/model/button_model.h"
#include "ui/background/model/close_walk.h"
#include "ui/background/model/colour_ramp.h"
#include "ui/background/model/title_layout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>

namespace {

const InclusiveRect kScreen{0, 0, 1023, 767};

TEST(ColourRamp, BackgroundRunsFromBrightToDarkBlue) {
  EXPECT_EQ(RampColourAt(kScreen, kBackgroundRamp, 0, 0), 0xFF0000u);
  EXPECT_EQ(RampColourAt(kScreen, kBackgroundRamp, 1023, 0), 0xFF0000u);
  // 255 + 767 × (50 − 255) / 768 = 255 − 204 (truncated toward zero).
  EXPECT_EQ(RampColourAt(kScreen, kBackgroundRamp, 500, 767), 0x330000u);
  EXPECT_EQ(RampCellColour(kScreen, kBackgroundRamp, 0, 5),
            RampColourAt(kScreen, kBackgroundRamp, 88, 8));
}

TEST(ColourRamp, ChannelsTruncateTowardZeroAndKeepLowBits) {
  const InclusiveRect r{10, 20, 12, 22};  // 3 × 3
  // red falls by 1 to the right: 0 + (1 × −1) / 3 truncates to 0, not −1.
  const RampColours falling{0x000000, 0x0000FF, 0x000000};
  EXPECT_EQ(RampColourAt(r, RampColours{0x000001, 0x000000, 0x000001}, 11, 20), 0x000001u);
  EXPECT_EQ(RampColourAt(r, falling, 12, 20), 0x0000AAu);  // 2 × 255 / 3
  // A point right of R goes past 255: only the low 8 bits remain.
  const RampColours rising{0x0000F0, 0x0000FF, 0x0000F0};
  EXPECT_EQ(RampColourAt(r, rising, 10 + 3 * 20, 20), (0xF0u + 3 * 20 * 15 / 3) & 0xFF);
  // Green and blue do not borrow from each other.
  EXPECT_EQ(RampColourAt(r, RampColours{0x00FF00, 0x00FF00, 0x000000}, 10, 22), 0x005500u);
}

TEST(ColourRamp, CellsReachOneBeyondTheInvalidRectangle) {
  const RampCellRange c = RampCells(InclusiveRect{40, 17, 47, 31});
  EXPECT_EQ(c.firstColumn, 1);
  EXPECT_EQ(c.lastColumn, 3);
  EXPECT_EQ(c.firstRow, 0);
  EXPECT_EQ(c.lastRow, 2);
  const RampCellRange n = RampCells(InclusiveRect{-1, -17, 0, 0});
  EXPECT_EQ(n.firstColumn, -2);
  EXPECT_EQ(n.firstRow, -3);
}

TEST(ColourRamp, CellPartsShareTheirEdgeLineAndAreClipped) {
  const InclusiveRect p{20, 30, 100, 40};
  InclusiveRect part{};
  ASSERT_TRUE(RampCellPart(1, 1, p, part));  // x 16..32, y 16..32
  EXPECT_EQ(part.left, 20);
  EXPECT_EQ(part.top, 30);
  EXPECT_EQ(part.right, 32);
  EXPECT_EQ(part.bottom, 32);
  ASSERT_TRUE(RampCellPart(2, 2, p, part));  // starts on the line cell (1, 1) ends on
  EXPECT_EQ(part.left, 32);
  EXPECT_EQ(part.top, 32);
  EXPECT_FALSE(RampCellPart(0, 0, p, part));
  EXPECT_FALSE(RampCellPart(3, 1, p, part));  // y 48..64
  // Every pixel of P lies in some drawn cell.
  const RampCellRange c = RampCells(p);
  std::set<std::pair<int, int>> covered;
  for (int i = c.firstRow; i <= c.lastRow; ++i)
    for (int j = c.firstColumn; j <= c.lastColumn; ++j)
      if (RampCellPart(i, j, p, part))
        for (int y = part.top; y <= part.bottom; ++y)
          for (int x = part.left; x <= part.right; ++x) covered.insert({x, y});
  EXPECT_EQ(covered.size(), 81u * 11u);
}

TEST(ButtonModel, ImagesByIndexAndPress) {
  EXPECT_EQ(ButtonBitmap(0, false), 2001);
  EXPECT_EQ(ButtonBitmap(1, true), 2004);
  EXPECT_EQ(ButtonBitmap(2, false), 2005);
}

TEST(ButtonModel, CommandOnlyWhenReleasedInside) {
  ButtonPress b;
  PressEffect e = b.Down();
  EXPECT_TRUE(e.capture && e.repaint);
  EXPECT_TRUE(b.ShowsPressed());
  EXPECT_FALSE(b.Down().capture);      // ignored while pressed
  EXPECT_FALSE(b.Move(true).repaint);  // no change, no repaint
  EXPECT_TRUE(b.Move(false).repaint);
  EXPECT_EQ(b.state(), ButtonPress::kPressedOutside);
  EXPECT_FALSE(b.Move(false).repaint);
  e = b.Up();
  EXPECT_TRUE(e.release && e.repaint);
  EXPECT_FALSE(e.postCommand);
  EXPECT_EQ(b.state(), ButtonPress::kUp);

  b.Down();
  b.Move(false);
  EXPECT_TRUE(b.Move(true).repaint);
  EXPECT_TRUE(b.Up().postCommand);
  // Moves and releases with no press do nothing.
  e = b.Up();
  EXPECT_FALSE(e.release || e.repaint || e.postCommand);
  EXPECT_FALSE(b.Move(true).repaint);
}

TEST(TitleLayout, StretchRoundsAndAnEmptyTextKeepsItsWidth) {
  EXPECT_EQ(StretchedCharWidth(10, 819, 300), 27);  // 27.3
  EXPECT_EQ(StretchedCharWidth(10, 825, 300), 28);  // 27.5 rounds up
  EXPECT_EQ(StretchedCharWidth(10, 819, 0), 0);     // no division by zero
  EXPECT_EQ(TitleShadowOffset(1, 5, 3).x, 2);       // integer halves
  EXPECT_EQ(TitleShadowOffset(1, 5, 3).y, 1);
  EXPECT_EQ(TitleShadowOffset(2, 5, 3).x, 5);
  EXPECT_EQ(TitleShadowOffset(7, 5, 3).x, 0);
}

// Windows as small integers; parents, pop-up styles and Close states given.
class FakeWorld : public CloseWalkWorld {
 public:
  std::map<int, int> parent;
  std::set<int> popups;
  std::set<int> closable;
  std::vector<int> threadWindows;
  std::vector<int> asked;

  static WalkWindow W(int n) { return reinterpret_cast<WalkWindow>(static_cast<std::intptr_t>(n)); }
  static int N(WalkWindow w) { return static_cast<int>(reinterpret_cast<std::intptr_t>(w)); }
  WalkWindow ParentOf(WalkWindow w) override {
    auto it = parent.find(N(w));
    return it == parent.end() ? nullptr : W(it->second);
  }
  bool IsPopup(WalkWindow w) override { return popups.count(N(w)) != 0; }
  bool AskToClose(WalkWindow w) override {
    asked.push_back(N(w));
    return closable.count(N(w)) != 0;
  }
  std::vector<WalkWindow> ThreadWindows() override {
    std::vector<WalkWindow> out;
    for (int n : threadWindows) out.push_back(W(n));
    return out;
  }
};

TEST(CloseWalk, TheFocusWindowsDialogIsAskedFirst) {
  FakeWorld w;
  w.parent = {{3, 2}, {2, 1}, {1, 9}};  // control 3 in group 2 in dialog 1, owned by 9
  w.popups = {1, 9};
  w.closable = {1, 5};
  w.threadWindows = {5, 1};
  EXPECT_EQ(FirstPopupAncestor(w, FakeWorld::W(3)), FakeWorld::W(1));
  EXPECT_EQ(CloseCurrentWindow(w, FakeWorld::W(3), nullptr), FakeWorld::W(1));
  EXPECT_EQ(w.asked, std::vector<int>{1});
}

TEST(CloseWalk, ADeclinedDialogLeadsToTheThreadsWindowsButNeverTheSkippedOne) {
  FakeWorld w;
  w.parent = {{3, 1}};
  w.popups = {1};
  w.closable = {7, 8};  // 7 stands for the icon window
  w.threadWindows = {7, 1, 6, 8};
  EXPECT_EQ(CloseCurrentWindow(w, FakeWorld::W(3), FakeWorld::W(7)), FakeWorld::W(8));
  EXPECT_EQ(w.asked, (std::vector<int>{1, 1, 6, 8}));

  w.asked.clear();
  w.closable = {7};
  EXPECT_EQ(CloseCurrentWindow(w, nullptr, FakeWorld::W(7)), nullptr);
  EXPECT_EQ(w.asked, (std::vector<int>{1, 6, 8}));
}

}  // namespace
