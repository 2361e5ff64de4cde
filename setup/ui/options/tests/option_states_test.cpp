// The check-state rules of the tree, played through its model as a press
// on a box does, with the copies kept in step as the component dialog keeps
// them after each change.
#include "option_table.h"
#include "ui/options/model/option_forest.h"
#include "ui/options/model/option_tree_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace optiontest;

class FixedMeasure : public LabelMeasure {
 public:
  void MeasureLabel(const char* text, int& width, int& height) override {
    width = 6 * static_cast<int>(std::string(text).size());
    height = 13;
  }
};

// Keeps the copies in step on changes done, like the component dialog.
class SyncingEvents : public OptionTreeEvents {
 public:
  OptionForest* forest = nullptr;
  OptionTreeModel* model = nullptr;
  std::vector<int> nodeChanged;  // options, in report order
  int changesDone = 0;
  void RepaintRow(const OptionNode&) override {}
  void RepaintAll() override {}
  void UpdateNow() override {}
  void Scrolled(int, int) override {}
  void RangesChanged() override {}
  void LongWalk(bool) override {}
  void SelectionChanged(OptionNode&) override {}
  void NodeChanged(OptionNode& node) override { nodeChanged.push_back(node.option); }
  void ChangesDone() override {
    ++changesDone;
    KeepCopiesInStep(*forest, *model);
  }
};

// A forest and its tree model with the copies kept in step.
struct Played {
  explicit Played(TableSource& source) : model(true, true, measure, events) {
    built = forest.Build(source) == kBuilt;
    events.forest = &forest;
    events.model = &model;
    model.SetRoots(forest.FirstRoot());
    model.Finish();
  }
  OptionForest forest;
  FixedMeasure measure;
  SyncingEvents events;
  OptionTreeModel model;
  bool built = false;
};

// Every node's shown state in depth-first order, hidden ones too.
void Append(const OptionNode* node, std::string& out) {
  for (; node; node = node->next) {
    out += static_cast<char>('0' + node->state);
    Append(node->firstChild, out);
  }
}

std::string States(const OptionForest& forest) {
  std::string out;
  Append(forest.FirstRoot(), out);
  return out;
}

struct Press {
  int option;
  int copy = 0;  // 0 the newest node of the option
};

struct Case {
  const char* name;
  std::vector<Option> options;
  std::vector<Press> presses;
  const char* before;
  const char* after;
};

Option Exclusive(Option o) {
  o.exclusive = 1;
  return o;
}

Option Kind(Option o, int kind) {
  o.kind = kind;
  return o;
}

Option Collapsed(Option o) {
  o.expanded = 0;
  return o;
}

const Case kCases[] = {
    {"all children checked shows checked",
     {Group("G", {1, 2}), Leaf("a", 1), Leaf("b", 1)},
     {},
     "111",
     "111"},
    {"some checked shows mixed",
     {Group("G", {1, 2}), Leaf("a", 1), Leaf("b", 0)},
     {},
     "210",
     "210"},
    {"none checked shows empty",
     {Group("G", {1, 2}), Leaf("a", 0), Leaf("b", 0)},
     {},
     "000",
     "000"},
    {"checking the last child checks the group",
     {Group("G", {1, 2}), Leaf("a", 1), Leaf("b", 0)},
     {{2}},
     "210",
     "111"},
    {"a mixed group asking 1 unchecks all",
     {Group("G", {1, 2}), Leaf("a", 1), Leaf("b", 0)},
     {{0}},
     "210",
     "000"},
    {"a mixed group asking 0 checks all",
     {Group("G", {1, 2}), Leaf("a", 0), Leaf("b", 0)},
     {{1}, {0}},
     "000",
     "111"},
    {"the group's state goes down to every level",
     {Group("R", {1, 3}), Group("G", {2}), Leaf("a", 0), Leaf("b", 1)},
     {{0}, {0}},
     "2001",
     "1111"},
    {"checking an exclusive option unchecks its siblings",
     {Group("G", {1, 2, 3}), Exclusive(Leaf("a", 1)), Exclusive(Leaf("b", 0)), Leaf("c", 1)},
     {{2}},
     "2101",
     "2010"},
    {"an exclusive group empties its sibling group",
     {Group("R", {1, 4}), Group("G1", {2, 3}), Leaf("a", 1), Leaf("c", 1),
      Exclusive(Group("G2", {5})), Leaf("b", 0)},
     {{5}},
     "211100",
     "200011"},
    {"unchecking an exclusive option leaves its siblings",
     {Group("G", {1, 2}), Exclusive(Leaf("a", 1)), Exclusive(Leaf("b", 0))},
     {{1}},
     "210",
     "000"},
    {"an option under two groups keeps both copies in step",
     {Group("G1", {2, 3}), Group("G2", {2}), Leaf("s", 0), Leaf("t", 1)},
     {{2, 1}},
     "20100",
     "11111"},
    {"the other copy pressed back",
     {Group("G1", {2, 3}), Group("G2", {2}), Leaf("s", 0), Leaf("t", 1)},
     {{2, 1}, {2, 0}},
     "20100",
     "20100"},
    {"a hidden copy changed through its group, then the visible one pressed",
     {Group("G1", {2}), Collapsed(Group("G2", {2})), Leaf("s", 0)},
     {{1}, {2, 1}},
     "0000",
     "0000"},
    {"a grey box does not toggle",
     {Group("G", {1, 2}), Kind(Leaf("g", 1), 0), Leaf("b", 0)},
     {{1}},
     "210",
     "210"},
    {"a label-only node does not toggle",
     {Group("G", {1, 2}), Kind(Leaf("n", 0), 2), Leaf("b", 1)},
     {{1}},
     "201",
     "201"},
    {"a grey child keeps its state under its group's change",
     {Group("G", {1, 2}), Kind(Leaf("g", 1), 0), Leaf("b", 0)},
     {{0}, {0}},
     "210",
     "111"},
};

TEST(OptionStates, RulesOfTheTree) {
  for (const Case& c : kCases) {
    TableSource source;
    source.options = c.options;
    Played t(source);
    ASSERT_TRUE(t.built) << c.name;
    EXPECT_EQ(States(t.forest), c.before) << c.name;
    for (const Press& p : c.presses) {
      OptionNode* node = t.forest.Newest(p.option);
      for (int i = 0; i < p.copy && node; ++i) node = node->nextCopy;
      ASSERT_NE(node, nullptr) << c.name;
      t.model.ToggleCheckOf(*node);
    }
    EXPECT_EQ(States(t.forest), c.after) << c.name;
    EXPECT_EQ(t.events.changesDone, static_cast<int>(c.presses.size())) << c.name;
  }
}

TEST(OptionStates, ChangedNodesAreReportedInRowOrderThenCleared) {
  TableSource source;
  source.options = {Group("G", {1, 2}), Leaf("a", 0), Leaf("b", 1), Collapsed(Group("H", {4})),
                    Leaf("h", 0)};
  Played t(source);
  ASSERT_TRUE(t.built);
  t.model.ToggleCheckOf(*t.forest.Newest(1));
  EXPECT_EQ(t.events.nodeChanged, (std::vector<int>{0, 1}));
  // A press on the collapsed group: its hidden child is not reported, and
  // no mark is left behind on it.
  t.events.nodeChanged.clear();
  t.model.ToggleCheckOf(*t.forest.Newest(3));
  EXPECT_EQ(t.events.nodeChanged, (std::vector<int>{3}));
  EXPECT_EQ(t.forest.Newest(4)->state, kChecked);
  EXPECT_EQ(t.forest.Newest(4)->changed, 0);
}

}  // namespace
