// Building the tree's nodes from a product's options.
#include "option_table.h"
#include "base/setup_heap.h"
#include "ui/options/model/option_forest.h"
#include "ui/options/model/option_order.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

using namespace optiontest;

// Node labels in visible order, children of collapsed groups left out.
std::string VisibleLabels(const OptionForest& forest) {
  std::string out;
  for (OptionNode* n = forest.FirstRoot(); n; n = NextVisible(n))
    out += std::string(n->Depth(), '.') + n->text + "|";
  return out;
}

int CopyCount(const OptionForest& forest, int option) {
  int copies = 0;
  for (OptionNode* n = forest.Newest(option); n; n = n->nextCopy) ++copies;
  return copies;
}

TEST(OptionForest, SampleBuildsInPassesWithAChainedCopy) {
  TableSource s = SampleProduct();
  OptionForest forest;
  ASSERT_EQ(forest.Build(s), kBuilt);
  EXPECT_EQ(VisibleLabels(forest),
            "Program|.Main program|.Help files|.Extras|..Sample A|..Sample B|..Shared tools|"
            "Tools|.Shared tools|.Licence|.Notes|Fonts|");
  // The option under two groups has two nodes, the newest under Tools.
  ASSERT_EQ(CopyCount(forest, kShared), 2);
  OptionNode* newest = forest.Newest(kShared);
  EXPECT_EQ(newest->parent, forest.Newest(kTools));
  EXPECT_EQ(newest->nextCopy->parent, forest.Newest(kExtras));
  EXPECT_EQ(CopyCount(forest, kMain), 1);
  // Group states and kinds come from the children.
  EXPECT_EQ(forest.Newest(kExtras)->state, kMixed);
  EXPECT_EQ(forest.Newest(kProgram)->state, kMixed);
  EXPECT_EQ(forest.Newest(kProgram)->requested, 1);
  EXPECT_EQ(forest.Newest(kTools)->kind, kKindBox);
  EXPECT_EQ(forest.Newest(kFonts)->state, kUnchecked);
  EXPECT_EQ(forest.Newest(kFonts)->requested, 0);
  EXPECT_EQ(forest.Newest(kFonts)->childCount, kFontCount);
}

TEST(OptionForest, CopyOfAGroupCopiesItsChildrenIntoTheirChains) {
  TableSource s;
  s.options = {Group("A", {2}), Group("B", {2}), Group("Inner", {3}), Leaf("Leaf", 1)};
  OptionForest forest;
  ASSERT_EQ(forest.Build(s), kBuilt);
  EXPECT_EQ(VisibleLabels(forest), "A|.Inner|..Leaf|B|.Inner|..Leaf|");
  EXPECT_EQ(CopyCount(forest, 2), 2);
  EXPECT_EQ(CopyCount(forest, 3), 2);
  EXPECT_EQ(forest.Newest(3)->parent, forest.Newest(2));
  EXPECT_EQ(forest.Newest(2)->state, kChecked);
}

TEST(OptionForest, GroupKindAndTextRules) {
  TableSource s;
  s.options = {Group("Greys", {1, 2}), Leaf("g1", 0), Leaf("g2", 0), Group("Empty", {}),
               Leaf(std::string(60, 'x'), 7)};
  s.options[1].kind = 0;
  s.options[2].kind = 2;
  s.options[4].kind = 9;
  OptionForest forest;
  ASSERT_EQ(forest.Build(s), kBuilt);
  EXPECT_EQ(forest.Newest(0)->kind, kKindGrey);  // no box child: the first child's kind
  EXPECT_EQ(forest.Newest(3)->kind, kKindLabel);
  EXPECT_EQ(forest.Newest(3)->state, kUnchecked);
  OptionNode* long_leaf = forest.Newest(4);
  EXPECT_EQ(std::string(long_leaf->text), std::string(39, 'x'));
  EXPECT_EQ(long_leaf->state, kChecked);
  EXPECT_EQ(long_leaf->kind, kKindBox);
}

TEST(OptionForest, RefusedDefinitionsLeaveNothing) {
  struct Case {
    const char* name;
    TableSource source;
  };
  TableSource refusedRecord = SampleProduct();
  refusedRecord.refusedRecord = kShared;
  TableSource badChild;
  badChild.options = {Group("G", {5}), Leaf("L", 0)};
  TableSource selfGroup;
  selfGroup.options = {Group("G", {1}), Group("H", {0}), Leaf("L", 0)};
  TableSource ownChild;
  ownChild.options = {Group("G", {0})};
  Case cases[] = {{"record refused", refusedRecord},
                  {"child out of range", badChild},
                  {"groups within each other", selfGroup},
                  {"group within itself", ownChild}};
  for (Case& c : cases) {
    OptionForest forest;
    EXPECT_EQ(forest.Build(c.source), kBuildRefused) << c.name;
    EXPECT_EQ(forest.FirstRoot(), nullptr) << c.name;
    EXPECT_EQ(forest.OptionCount(), 0) << c.name;
  }
}

TEST(OptionForest, NoOptionsIsAnEmptyForest) {
  TableSource s;
  OptionForest forest;
  EXPECT_EQ(forest.Build(s), kBuilt);
  EXPECT_EQ(forest.FirstRoot(), nullptr);
}

// A heap that fails from the n-th allocation on and counts live blocks.
int g_allowed = 0, g_live = 0;
void* Allocate(std::size_t bytes) {
  if (g_allowed-- <= 0) return nullptr;
  ++g_live;
  return std::malloc(bytes);
}
void Release(void* block) {
  --g_live;
  std::free(block);
}

// Builds with n allocations allowed; answers the result, and how many
// allocations were used and blocks left.
BuildResult BuildWith(TableSource& s, int n, int& used, int& live) {
  SetupHeapHooks previous = ReplaceSetupHeap({Allocate, Release});
  g_allowed = n;
  g_live = 0;
  BuildResult result;
  {
    OptionForest forest;
    result = forest.Build(s);
  }
  used = n - g_allowed;
  live = g_live;
  ReplaceSetupHeap(previous);
  return result;
}

TEST(OptionForest, RunningOutOfMemoryAnywhereFreesEverything) {
  TableSource s = SampleProduct();
  int needed = 0, live = 0;
  ASSERT_EQ(BuildWith(s, 1 << 20, needed, live), kBuilt);
  EXPECT_EQ(live, 0);
  ASSERT_GT(needed, kFirstFont + kFontCount);  // every node and the chain heads
  for (int allowed = 0; allowed < needed; ++allowed) {
    int used = 0;
    EXPECT_EQ(BuildWith(s, allowed, used, live), kBuildNoMemory) << allowed;
    EXPECT_EQ(live, 0) << allowed;
  }
}

}  // namespace
