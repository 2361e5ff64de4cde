// The tree's rows, geometry, presses, keys and scrolling, without a window.
#include "option_table.h"
#include "ui/options/model/option_forest.h"
#include "ui/options/model/option_tree_model.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace optiontest;

constexpr int kRowHeight = 15;
constexpr int kCharWidth = 6;
constexpr int kLabelHeight = 13;

class FixedMeasure : public LabelMeasure {
 public:
  void MeasureLabel(const char* text, int& width, int& height) override {
    width = kCharWidth * static_cast<int>(std::string(text).size());
    height = kLabelHeight;
  }
};

// Every event as a short line, in order.
class LoggedEvents : public OptionTreeEvents {
 public:
  std::vector<std::string> log;
  void RepaintRow(const OptionNode& n) override { log.push_back(std::string("row ") + n.text); }
  void RepaintAll() override { log.push_back("all"); }
  void UpdateNow() override { log.push_back("update"); }
  void Scrolled(int rows, int pixels) override {
    log.push_back("scrolled " + std::to_string(rows) + " " + std::to_string(pixels));
  }
  void RangesChanged() override { log.push_back("ranges"); }
  void LongWalk(bool begins) override { log.push_back(begins ? "wait" : "arrow"); }
  void SelectionChanged(OptionNode& n) override {
    log.push_back(std::string("selected ") + n.text);
  }
  void NodeChanged(OptionNode& n) override { log.push_back(std::string("changed ") + n.text); }
  void ChangesDone() override { log.push_back("done"); }
  std::string Joined() const {
    std::string out;
    for (const std::string& l : log) out += l + "; ";
    return out;
  }
};

struct Point {
  int x, y;
};

Point Middle(const TreeRect& r) { return Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class TreeModelTest : public ::testing::Test {
 protected:
  void SetUp() override { Build(SampleProduct()); }
  void Build(TableSource source, bool alwaysGlyph = true, bool live = true) {
    source_ = std::move(source);
    ASSERT_EQ(forest_.Build(source_), kBuilt);
    model_.reset(new OptionTreeModel(alwaysGlyph, live, measure_, events_));
    model_->SetRoots(forest_.FirstRoot());
    model_->SetRowHeight(kRowHeight);
    model_->SetClientSize(300, 5 * kRowHeight + 4);  // five whole rows
    model_->Finish();
    events_.log.clear();
  }
  OptionNode& Node(int option) { return *forest_.Newest(option); }
  std::string Selected() const { return model_->Selected() ? model_->Selected()->text : "-"; }
  void PressOn(int option, TreeRect RowGeometry::*part) {
    Point p = Middle(model_->Geometry(Node(option)).*part);
    model_->Press(p.x, p.y);
  }

  TableSource source_;
  OptionForest forest_;
  FixedMeasure measure_;
  LoggedEvents events_;
  std::unique_ptr<OptionTreeModel> model_;
};

TEST_F(TreeModelTest, RowsFollowTheVisibleOrder) {
  EXPECT_EQ(model_->RowCount(), 12);
  EXPECT_EQ(model_->NodeAtRow(0), &Node(kProgram));
  EXPECT_EQ(model_->NodeAtRow(6), Node(kShared).nextCopy);  // the copy under Extras
  EXPECT_EQ(model_->NodeAtRow(8), &Node(kShared));
  EXPECT_EQ(model_->NodeAtRow(11), &Node(kFonts));
  EXPECT_EQ(model_->NodeAtRow(12), nullptr);
  EXPECT_EQ(model_->NodeAtRow(-1), nullptr);
  model_->ToggleExpansion(Node(kFonts));
  EXPECT_EQ(model_->RowCount(), 12 + kFontCount);
  EXPECT_EQ(model_->NodeAtRow(12), &Node(kFirstFont));
  model_->ToggleExpansion(Node(kProgram));
  EXPECT_EQ(model_->RowCount(), 6 + kFontCount);
  EXPECT_EQ(model_->NodeAtRow(1), &Node(kTools));
}

std::string Text(const TreeRect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

TEST(RowGeometry, PartsOfARow) {
  // Depth 1 on the third row shown, 5 pixels scrolled: top 30, centre 37.
  RowPlace p{1, 3, 1, kRowHeight, 5, true, true, 60, kLabelHeight};
  RowGeometry g = LayOutRow(p);
  EXPECT_EQ(Text(g.row) + " " + Text(g.box) + " " + Text(g.glyph) + " " + Text(g.label),
            "20,30,112,45 23,31,36,44 39,32,49,42 52,31,112,44");
  // Without box or glyph both are zero-wide where they would start.
  p = RowPlace{0, 0, 0, kRowHeight, 0, false, false, 30, kLabelHeight};
  g = LayOutRow(p);
  EXPECT_EQ(Text(g.box) + " " + Text(g.glyph) + " " + Text(g.label), "3,7,3,7 6,7,6,7 9,1,39,14");
}

TEST_F(TreeModelTest, WidestRowIsTheScrollRange) {
  // Collapsed fonts: the widest visible label is "Shared tools" at depth 2.
  EXPECT_EQ(model_->WidestRow(), 50 + 3 + 13 + 3 + 10 + 3 + 6 * 12);
  model_->ToggleExpansion(Node(kFonts));
  EXPECT_EQ(model_->WidestRow(), 25 + 3 + 13 + 3 + 10 + 3 + 6 * 38);
}

TEST_F(TreeModelTest, PressesOnLabelBoxAndGlyph) {
  PressOn(kHelp, &RowGeometry::label);
  EXPECT_EQ(Selected(), "Help files");
  EXPECT_EQ(events_.Joined(), "row Help files; selected Help files; update; ");
  EXPECT_EQ(Node(kHelp).state, kUnchecked);

  events_.log.clear();
  PressOn(kHelp, &RowGeometry::box);
  EXPECT_EQ(Node(kHelp).state, kChecked);
  EXPECT_EQ(events_.Joined(),
            "row Help files; row Help files; selected Help files; update; row Help files; "
            "changed Help files; done; update; ");

  events_.log.clear();
  PressOn(kExtras, &RowGeometry::glyph);
  EXPECT_EQ(Selected(), "Extras");
  EXPECT_EQ(Node(kExtras).expanded, 0);
  EXPECT_EQ(model_->RowCount(), 9);
  EXPECT_EQ(events_.log.back(), "all");
}

TEST_F(TreeModelTest, PressesThatDoNothing) {
  struct Case {
    const char* name;
    int firstRow;
    int x, y;
  };
  RowGeometry leaf = model_->Geometry(Node(kMain));
  model_->ScrollVertical(kScrollThumb, 5);
  RowGeometry licence = model_->Geometry(Node(kLicence));
  RowGeometry notes = model_->Geometry(Node(kNotes));
  const Case cases[] = {
      {"left of the client area", 0, -1, 3},
      {"right of it", 0, 300, 3},
      {"below it", 0, 3, 5 * kRowHeight + 4},
      {"a leaf's glyph", 0, Middle(leaf.glyph).x, Middle(leaf.glyph).y},
      {"between box and glyph", 0, leaf.box.right + 1, leaf.centreY},
      {"right of the label", 0, leaf.label.right + 2, leaf.centreY},
      {"grey box", 5, Middle(licence.box).x, Middle(licence.box).y},
      {"where a label-only node has no box", 5, notes.box.left + 4, notes.centreY},
      {"below the last row", 12, 10, 3},
  };
  for (const Case& c : cases) {
    model_->ScrollVertical(kScrollThumb, c.firstRow);
    events_.log.clear();
    model_->Press(c.x, c.y);
    EXPECT_TRUE(events_.log.empty()) << c.name << ": " << events_.Joined();
  }
  EXPECT_EQ(Node(kLicence).state, kChecked);
}

TEST_F(TreeModelTest, VerticalScrollRequests) {
  struct Step {
    ScrollRequest request;
    int thumb;
    int first;
    const char* event;
  };
  const Step steps[] = {
      {kScrollLineOn, 0, 1, "scrolled 1 0"},    {kScrollPageOn, 0, 6, "scrolled 5 0"},
      {kScrollLineBack, 0, 5, "scrolled -1 0"}, {kScrollThumb, 9, 9, "scrolled 4 0"},
      {kScrollEnd, 0, 12, "scrolled 3 0"},      {kScrollLineOn, 0, 12, nullptr},
      {kScrollPageBack, 0, 7, "scrolled -5 0"}, {kScrollThumb, -4, 0, "scrolled -7 0"},
      {kScrollLineBack, 0, 0, nullptr},
  };
  for (const Step& s : steps) {
    events_.log.clear();
    model_->ScrollVertical(s.request, s.thumb);
    EXPECT_EQ(model_->FirstRow(), s.first) << s.request;
    EXPECT_EQ(events_.Joined(), s.event ? std::string(s.event) + "; " : "") << s.request;
  }
}

TEST_F(TreeModelTest, HorizontalScrollRequests) {
  const int widest = model_->WidestRow();
  model_->ScrollHorizontal(kScrollLineOn, 0);
  EXPECT_EQ(model_->Offset(), kRowHeight);
  model_->ScrollHorizontal(kScrollThumb, widest + 50);
  EXPECT_EQ(model_->Offset(), widest);
  model_->ScrollHorizontal(kScrollPageBack, 0);  // a client width, 300, is more than the rows
  EXPECT_EQ(model_->Offset(), 0);
  events_.log.clear();
  model_->ScrollHorizontal(kScrollThumb, 7);
  EXPECT_EQ(events_.Joined(), "scrolled 0 7; ");
  EXPECT_EQ(model_->Geometry(Node(kProgram)).row.left, -7);  // every row moves as much
}

TEST_F(TreeModelTest, CollapsingKeepsTheFirstRowWithinTheRows) {
  model_->ToggleExpansion(Node(kFonts));
  model_->ScrollVertical(kScrollThumb, 30);
  events_.log.clear();
  model_->ToggleExpansion(Node(kFonts));
  EXPECT_EQ(model_->FirstRow(), 11);
  EXPECT_EQ(model_->NodeAtRow(model_->FirstRow()), &Node(kFonts));
  EXPECT_EQ(events_.Joined(), "ranges; all; ");
}

TEST_F(TreeModelTest, LongWalksShowTheWaitCursor) {
  TableSource s;
  std::vector<int> children;
  for (int i = 1; i <= 700; ++i) {
    s.options.push_back(Leaf("n" + std::to_string(i), 0));
    children.push_back(i);
  }
  s.options.insert(s.options.begin(), Group("many", children));
  Build(s);
  EXPECT_NE(model_->NodeAtRow(499), nullptr);
  EXPECT_TRUE(events_.log.empty());
  EXPECT_EQ(model_->NodeAtRow(500), &Node(500));
  EXPECT_EQ(events_.Joined(), "wait; arrow; ");
  // From the cached first row, which is nearer than the first root.
  model_->ScrollVertical(kScrollThumb, 450);
  events_.log.clear();
  EXPECT_EQ(model_->NodeAtRow(650), &Node(650));
  EXPECT_EQ(model_->NodeAtRow(2), &Node(2));
  EXPECT_TRUE(events_.log.empty()) << events_.Joined();
}

TEST_F(TreeModelTest, KeysMoveToggleAndExpand) {
  struct Step {
    TreeKey key;
    const char* selected;
    int firstRow;
  };
  const Step steps[] = {
      {kKeyDown, "Program", 0},  // the first key selects the first visible row
      {kKeyDown, "Main program", 0},
      {kKeyUp, "Program", 0},
      {kKeyUp, "Program", 0},
      {kKeyEnd, "Fonts", 7},
      {kKeyRight, "Fonts", 7},  // expands
      {kKeyRight, "Font family with a long name number 00", 8},
      {kKeyLeft, "Fonts", 8},  // to the parent
      {kKeyLeft, "Fonts", 8},  // collapses
      {kKeyPageUp, "Shared tools", 6},
      {kKeyHome, "Program", 0},
      {kKeyPageDown, "Sample B", 1},
      {kKeyCollapse, "Sample B", 1},  // a leaf
      {kKeyUp, "Sample A", 1},
      {kKeyUp, "Extras", 1},
      {kKeyCollapse, "Extras", 1},
      {kKeyDown, "Tools", 1},
      {kKeyExpand, "Tools", 1},  // already expanded
  };
  for (const Step& s : steps) {
    model_->Key(s.key);
    EXPECT_EQ(Selected(), s.selected) << s.key;
    EXPECT_EQ(model_->FirstRow(), s.firstRow) << s.key;
  }
  EXPECT_EQ(Node(kExtras).expanded, 0);
  EXPECT_EQ(Node(kFonts).expanded, 0);
  // Space toggles the selected box; a grey one stays.
  model_->Key(kKeyHome);
  model_->Key(kKeyToggle);
  EXPECT_EQ(Node(kProgram).state, kUnchecked);
  EXPECT_EQ(Node(kMain).state, kUnchecked);
  model_->Select(Node(kLicence));
  model_->Key(kKeyToggle);
  EXPECT_EQ(Node(kLicence).state, kChecked);
}

TEST_F(TreeModelTest, CollapsingOverTheSelectionSelectsTheGroup) {
  model_->Select(Node(kSampleB));
  events_.log.clear();
  model_->ToggleExpansion(Node(kProgram));
  EXPECT_EQ(Selected(), "Program");
  EXPECT_EQ(events_.log.back(), "selected Program");
}

TEST_F(TreeModelTest, WithoutLiveRepaintAToggleRepaintsAll) {
  Build(SampleProduct(), true, false);
  model_->ToggleCheckOf(Node(kHelp));
  EXPECT_EQ(events_.Joined(), "changed Help files; done; all; update; ");  // Program stays mixed
}

TEST_F(TreeModelTest, FocusSelectsTheFirstVisibleRowOnce) {
  model_->ScrollVertical(kScrollThumb, 3);
  model_->FocusGained();
  EXPECT_EQ(Selected(), "Extras");
  model_->Select(Node(kMain));
  model_->FocusGained();
  EXPECT_EQ(Selected(), "Main program");
}

}  // namespace
