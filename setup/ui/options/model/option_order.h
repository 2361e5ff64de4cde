// The order of the tree's visible rows: a node, then its children when it
// is expanded, then its next sibling or that of its nearest ancestor.
#pragma once

class OptionNode;

OptionNode* NextVisible(const OptionNode* node);
// The previous sibling's deepest last expanded descendant, else the parent.
OptionNode* PreviousVisible(const OptionNode* node);
// Numbers the visible rows from firstRoot on; answers how many there are.
int NumberRows(OptionNode* firstRoot);
