#include "ui/options/model/option_states.h"

#include "ui/options/model/option_forest.h"
#include "ui/options/model/option_node.h"

void SetState(OptionNode& node, int s, bool climb, StateObserver& observer) {
  node.requested = s;
  if (s == node.state || node.kind == kKindGrey || node.kind == kKindLabel) return;
  for (OptionNode* child = node.firstChild; child; child = child->next)
    SetState(*child, s, false, observer);
  for (OptionNode* n = &node; n; n = climb ? n->parent : nullptr) {
    int shown = n->leaf ? n->requested : n->StateFromChildren();
    if (n->exclusive && shown != kUnchecked) {
      OptionNode* first = n->parent ? n->parent->firstChild : nullptr;
      // A root's siblings are the other roots.
      if (!first)
        for (first = n; first->previous;) first = first->previous;
      for (OptionNode* sibling = first; sibling; sibling = sibling->next)
        if (sibling != n) SetState(*sibling, kUnchecked, true, observer);
    }
    if (shown == n->state) return;
    n->state = shown;
    n->changed = 1;
    observer.StateShown(*n);
  }
}

void ToggleCheck(OptionNode& node, StateObserver& observer) {
  SetState(node, node.requested ? kUnchecked : kChecked, true, observer);
}

void KeepCopiesInStep(const OptionForest& forest, StateObserver& observer) {
  for (int option = 0; option < forest.OptionCount(); ++option) {
    OptionNode* source = nullptr;
    for (OptionNode* n = forest.Newest(option); n && !source; n = n->nextCopy)
      if (n->leaf && n->changed) source = n;
    if (!source) continue;
    for (OptionNode* n = forest.Newest(option); n; n = n->nextCopy)
      if (n != source) SetState(*n, source->requested, true, observer);
  }
}

void ClearChangedMarks(OptionNode* firstRoot) {
  for (OptionNode* node = firstRoot; node; node = node->next) {
    node->changed = 0;
    ClearChangedMarks(node->firstChild);
  }
}
