#include "ui/component_space.h"

#include "base/numeric.h"
#include "ui/component_choices.h"
#include "ui/option_forest.h"
#include "ui/option_source.h"

#include <climits>

namespace {

constexpr ChoiceList kLists[] = {kChoiceFiles, kChoiceItems, kChoiceIniEntries,
                                 kChoiceRegistryEntries};

bool CheckedLeaf(const OptionForest& forest, int option) {
  const OptionNode* node = forest.Newest(option);
  return node && node->leaf && node->state == kChecked;
}

int ListCount(OptionSource& source, ChoiceList list) {
  switch (list) {
    case kChoiceFiles:
      return source.FileRowCount();
    case kChoiceItems:
      return source.ProgramItemCount();
    case kChoiceIniEntries:
      return source.IniEntryCount();
    case kChoiceRegistryEntries:
      return source.RegistryEntryCount();
  }
  return 0;
}

int ListedCount(OptionSource& source, ChoiceList list, int option) {
  switch (list) {
    case kChoiceFiles:
      return source.OptionFileCount(option);
    case kChoiceItems:
      return source.OptionItemCount(option);
    case kChoiceIniEntries:
      return source.OptionIniCount(option);
    case kChoiceRegistryEntries:
      return source.OptionRegistryCount(option);
  }
  return 0;
}

int Listed(OptionSource& source, ChoiceList list, int option, int j) {
  switch (list) {
    case kChoiceFiles:
      return source.OptionFile(option, j);
    case kChoiceItems:
      return source.OptionItem(option, j);
    case kChoiceIniEntries:
      return source.OptionIni(option, j);
    case kChoiceRegistryEntries:
      return source.OptionRegistry(option, j);
  }
  return -1;
}

// Whether a checked leaf option lists the index. Asked afresh each time
// instead of kept in an array: the lists are short, and nothing here can
// run out of memory.
bool Chosen(OptionSource& source, const OptionForest& forest, ChoiceList list, int index) {
  for (int option = 0; option < forest.OptionCount(); ++option) {
    if (!CheckedLeaf(forest, option)) continue;
    const int listed = ListedCount(source, list, option);
    for (int j = 0; j < listed; ++j)
      if (Listed(source, list, option, j) == index) return true;
  }
  return false;
}

double CountedBytes(OptionSource& source, int row) {
  if (source.LeftOutOfSizeSums(row)) return 0;
  const int size = source.RowSize(row);
  return size > 0 ? size : 0;
}

}  // namespace

unsigned long WholeKilobytes(double kilobytes) {
  if (!(kilobytes > 0)) return 0;
  if (kilobytes >= static_cast<double>(ULONG_MAX)) return ULONG_MAX;
  return static_cast<unsigned long>(kilobytes);
}

SpaceFigures ComputeSpaceFigures(OptionSource& source, const OptionForest& forest) {
  const int files = source.FileRowCount();
  double total = 0, chosen = 0;
  for (int row = 0; row < files; ++row) {
    const double bytes = CountedBytes(source, row);
    total += bytes;
    if (bytes > 0 && Chosen(source, forest, kChoiceFiles, row)) chosen += bytes;
  }
  SpaceFigures f;
  f.totalK = total / 1024;
  f.chosenK = chosen / 1024;
  f.totalShown = WholeKilobytes(f.totalK);
  f.chosenShown = WholeKilobytes(f.chosenK);
  f.percent = total > 0 ? RoundToInt(chosen / total * 100) : 0;
  return f;
}

void StoreChoices(OptionSource& source, const OptionForest& forest, ComponentChoices& choices) {
  for (int option = 0; option < forest.OptionCount(); ++option) {
    const OptionNode* node = forest.Newest(option);
    choices.SetOptionState(option, node ? node->state : kUnchecked);
  }
  for (ChoiceList list : kLists) {
    const int count = ListCount(source, list);
    for (int i = 0; i < count; ++i)
      choices.SetSelected(list, i, Chosen(source, forest, list, i) ? 1 : 0);
  }
  choices.SetRequiredSpace(ComputeSpaceFigures(source, forest).chosenK);
}
