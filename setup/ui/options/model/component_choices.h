// What the component selection leaves in the install state after OK: the
// option states, which rows, items and entries the later phases process,
// and the space the chosen files need. The installation object keeps them.
#pragma once

enum ChoiceList {
  kChoiceFiles = 0,
  kChoiceItems = 1,
  kChoiceIniEntries = 2,
  kChoiceRegistryEntries = 3,
};

class ComponentChoices {
 public:
  virtual ~ComponentChoices() = default;
  // state: 0 unchecked, 1 checked, 2 mixed. option < the option count.
  virtual void SetOptionState(int option, int state) = 0;
  // flag 0 or 1; index < the count of that list in the product's tables.
  virtual void SetSelected(ChoiceList list, int index, int flag) = 0;
  // K (bytes / 1024).
  virtual void SetRequiredSpace(double kilobytes) = 0;
};
