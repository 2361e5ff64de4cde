// The space figures of the component dialog and what stays after OK.
#include "option_table.h"
#include "ui/options/model/component_space.h"
#include "ui/options/model/option_forest.h"
#include "ui/options/model/option_states.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace optiontest;

class NoObserver : public StateObserver {
 public:
  void StateShown(OptionNode&) override {}
};

// Sets an option's every node, as the tree does with its copies in step.
void Set(OptionForest& forest, int option, int state) {
  NoObserver none;
  for (OptionNode* n = forest.Newest(option); n; n = n->nextCopy) SetState(*n, state, true, none);
}

TEST(ComponentSpace, FiguresFollowTheCheckedLeaves) {
  struct Case {
    const char* name;
    std::vector<std::pair<int, int>> sets;  // option, state
    unsigned long chosen;
    int percent;
  };
  // Total: 200 + 100 + 50 + 30 + 20 + 24 × 1 K; the licence's 4 K is left out.
  const unsigned long total = 424;
  const Case cases[] = {
      {"as the product starts", {}, 200 + 50, 59},
      {"help and a font added", {{kHelp, 1}, {kFirstFont, 1}}, 200 + 50 + 100 + 1, 83},
      {"the shared option counted once", {{kShared, 1}}, 200 + 50 + 20, 64},
      {"everything unchecked", {{kProgram, 0}, {kTools, 0}}, 0, 0},
      {"everything checked",
       {{kProgram, 1}, {kTools, 1}, {kFonts, 1}},
       200 + 100 + 30 + 20 + 24,
       88},
  };
  for (const Case& c : cases) {
    TableSource s = SampleProduct();
    OptionForest forest;
    ASSERT_EQ(forest.Build(s), kBuilt);
    for (const auto& [option, state] : c.sets) Set(forest, option, state);
    SpaceFigures f = ComputeSpaceFigures(s, forest);
    EXPECT_EQ(f.totalShown, total) << c.name;
    EXPECT_EQ(f.chosenShown, c.chosen) << c.name;
    EXPECT_EQ(f.percent, c.percent) << c.name;
  }
}

TEST(ComponentSpace, WholeKilobytesAreTruncatedAndNoTotalIsZeroPercent) {
  TableSource s;
  s.options = {Leaf("a", 1, {0}), Leaf("b", 0, {1})};
  s.files = {{1535}, {2047}, {99999, true}};
  OptionForest forest;
  ASSERT_EQ(forest.Build(s), kBuilt);
  SpaceFigures f = ComputeSpaceFigures(s, forest);
  EXPECT_EQ(f.totalShown, 3u);  // 3582 bytes
  EXPECT_EQ(f.chosenShown, 1u);
  EXPECT_DOUBLE_EQ(f.chosenK, 1535 / 1024.0);
  EXPECT_EQ(f.percent, 43);  // 42.85...

  TableSource empty;
  empty.options = {Leaf("a", 1, {0})};
  empty.files = {{0}};
  ASSERT_EQ(forest.Build(empty), kBuilt);
  f = ComputeSpaceFigures(empty, forest);
  EXPECT_EQ(f.totalShown, 0u);
  EXPECT_EQ(f.percent, 0);
}

TEST(ComponentSpace, ChoicesAfterOk) {
  TableSource s = SampleProduct();
  s.options[kMain].files.push_back(99);  // beyond the rows: ignored
  OptionForest forest;
  ASSERT_EQ(forest.Build(s), kBuilt);
  Set(forest, kShared, 1);
  Set(forest, kSampleB, 1);
  RecordedChoices choices;
  StoreChoices(s, forest, choices);
  EXPECT_EQ(choices.states.size(), static_cast<size_t>(kFirstFont + kFontCount));
  EXPECT_EQ(choices.states[kProgram], kMixed);
  EXPECT_EQ(choices.states[kExtras], kMixed);
  EXPECT_EQ(choices.states[kSampleA], kUnchecked);
  EXPECT_EQ(choices.states[kSampleB], kChecked);
  EXPECT_EQ(choices.states[kShared], kChecked);
  EXPECT_EQ(choices.states[kLicence], kChecked);
  EXPECT_EQ(choices.states[kFonts], kUnchecked);
  // Every index of each list is set, the chosen ones to 1.
  EXPECT_EQ(choices.selected[kChoiceFiles].size(), s.files.size());
  EXPECT_EQ(choices.Chosen(kChoiceFiles), (std::vector<int>{0, 3, 4, 5}));
  EXPECT_EQ(choices.Chosen(kChoiceItems), (std::vector<int>{0}));
  EXPECT_EQ(choices.Chosen(kChoiceIniEntries), (std::vector<int>{0}));
  EXPECT_EQ(choices.Chosen(kChoiceRegistryEntries), (std::vector<int>{0}));
  // The licence's file is chosen but left out of the sum.
  EXPECT_DOUBLE_EQ(choices.required, 200 + 30 + 20);
}

}  // namespace
