#include "ui/options/model/option_order.h"

#include "ui/options/model/option_node.h"

OptionNode* NextVisible(const OptionNode* node) {
  if (!node) return nullptr;
  if (node->firstChild && node->expanded) return node->firstChild;
  for (; node; node = node->parent)
    if (node->next) return node->next;
  return nullptr;
}

OptionNode* PreviousVisible(const OptionNode* node) {
  if (!node) return nullptr;
  OptionNode* before = node->previous;
  if (!before) return node->parent;
  while (before->expanded && before->lastChild) before = before->lastChild;
  return before;
}

int NumberRows(OptionNode* firstRoot) {
  int rows = 0;
  for (OptionNode* node = firstRoot; node; node = NextVisible(node)) node->row = rows++;
  return rows;
}
