// The check states of the tree: a state set on a node goes down to all its
// children and up through its ancestors, an exclusive node that becomes
// checked unchecks its siblings, and the nodes of one option are kept in
// step after each change.
#pragma once

class OptionForest;
class OptionNode;

// Told of every node whose shown state changed (and was marked changed).
class StateObserver {
 public:
  virtual ~StateObserver() = default;
  virtual void StateShown(OptionNode& node) = 0;
};

// Sets what the node asks for to s (0 or 1). Nothing more happens when s is
// already shown or the node's box is grey or absent. Otherwise every child
// gets s, and from the node upwards each state is worked out again (going
// on to the parent only with climb) until one does not change.
void SetState(OptionNode& node, int s, bool climb, StateObserver& observer);
// Toggles what the node asks for: requested 0 sets 1, else 0.
void ToggleCheck(OptionNode& node, StateObserver& observer);
// For each option, the first of its nodes that is a leaf marked changed
// gives what it asks for to every other node of the option (climbing).
void KeepCopiesInStep(const OptionForest& forest, StateObserver& observer);
// Clears the changed mark of every node from firstRoot on, hidden or not.
void ClearChangedMarks(OptionNode* firstRoot);
