// What the choices in the tree amount to: the space figures the component
// dialog shows while the user chooses, and what the install state keeps
// after OK. A file is chosen when a checked leaf option selects it.
#pragma once

class ComponentChoices;
class OptionForest;
struct ProductTables;

struct SpaceFigures {
  double totalK = 0;             // every copy row
  double chosenK = 0;            // the chosen ones among them
  unsigned long totalShown = 0;  // whole K, as "%lu K" shows them
  unsigned long chosenShown = 0;
  int percent = 0;  // round(chosen / total × 100); 0 without a total
};

// K as the dialog shows them: truncated, 0 for anything not positive, at
// most ULONG_MAX.
unsigned long WholeKilobytes(double kilobytes);

SpaceFigures ComputeSpaceFigures(const ProductTables& tables, const OptionForest& forest);

// The option states by option index; the files, items, INI and registry
// entries the checked leaf options list (everything else unselected); and
// the space the chosen files need.
void StoreChoices(const ProductTables& tables, const OptionForest& forest,
                  ComponentChoices& choices);
