#include "ui/options/model/component_space.h"

#include "base/numeric.h"
#include "base/product_tables.h"
#include "ui/options/model/component_choices.h"
#include "ui/options/model/option_forest.h"

#include <climits>

namespace {

constexpr ChoiceList kLists[] = {kChoiceFiles, kChoiceItems, kChoiceIniEntries,
                                 kChoiceRegistryEntries};

bool CheckedLeaf(const OptionForest& forest, int option) {
  const OptionNode* node = forest.Newest(option);
  return node && node->leaf && node->state == kChecked;
}

int ListCount(const ProductTables& tables, ChoiceList list) {
  switch (list) {
    case kChoiceFiles:
      return tables.rows.count;
    case kChoiceItems:
      return tables.items.count;
    case kChoiceIniEntries:
      return tables.iniEntries.count;
    case kChoiceRegistryEntries:
      return tables.values.count;
  }
  return 0;
}

const IndexList& Listed(const ProductOption& option, ChoiceList list) {
  switch (list) {
    case kChoiceItems:
      return option.items;
    case kChoiceIniEntries:
      return option.iniEntries;
    case kChoiceRegistryEntries:
      return option.values;
    case kChoiceFiles:
      break;
  }
  return option.rows;
}

// Whether a checked leaf option lists the index. Asked afresh each time
// instead of kept in an array: the lists are short, and nothing here can
// run out of memory.
bool Chosen(const ProductTables& tables, const OptionForest& forest, ChoiceList list, int index) {
  for (int option = 0; option < forest.OptionCount(); ++option) {
    const ProductOption* o = tables.options.At(option);
    if (!o || !CheckedLeaf(forest, option)) continue;
    const IndexList& listed = Listed(*o, list);
    for (int j = 0; j < listed.count; ++j)
      if (listed.index[j] == index) return true;
  }
  return false;
}

double CountedBytes(const ProductTables& tables, int row) {
  const int size = CopyRowSize(tables, row);
  return size > 0 ? size : 0;
}

}  // namespace

unsigned long WholeKilobytes(double kilobytes) {
  if (!(kilobytes > 0)) return 0;
  if (kilobytes >= static_cast<double>(ULONG_MAX)) return ULONG_MAX;
  return static_cast<unsigned long>(kilobytes);
}

SpaceFigures ComputeSpaceFigures(const ProductTables& tables, const OptionForest& forest) {
  const int files = tables.rows.count;
  double total = 0, chosen = 0;
  for (int row = 0; row < files; ++row) {
    const double bytes = CountedBytes(tables, row);
    total += bytes;
    if (bytes > 0 && Chosen(tables, forest, kChoiceFiles, row)) chosen += bytes;
  }
  SpaceFigures f;
  f.totalK = total / 1024;
  f.chosenK = chosen / 1024;
  f.totalShown = WholeKilobytes(f.totalK);
  f.chosenShown = WholeKilobytes(f.chosenK);
  f.percent = total > 0 ? RoundToInt(chosen / total * 100) : 0;
  return f;
}

void StoreChoices(const ProductTables& tables, const OptionForest& forest,
                  ComponentChoices& choices) {
  for (int option = 0; option < forest.OptionCount(); ++option) {
    const OptionNode* node = forest.Newest(option);
    choices.SetOptionState(option, node ? node->state : kUnchecked);
  }
  for (ChoiceList list : kLists) {
    const int count = ListCount(tables, list);
    for (int i = 0; i < count; ++i)
      choices.SetSelected(list, i, Chosen(tables, forest, list, i) ? 1 : 0);
  }
  choices.SetRequiredSpace(ComputeSpaceFigures(tables, forest).chosenK);
}
