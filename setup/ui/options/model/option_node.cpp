#include "ui/options/model/option_node.h"

#include "base/setup_heap.h"

#include <cstring>

namespace {

void CopyLabel(char (&to)[kNodeTextChars], const char* text) {
  std::size_t length = 0;
  while (text && length < kNodeTextChars - 1 && text[length]) ++length;
  if (length) std::memcpy(to, text, length);
  to[length] = '\0';
}

}  // namespace

void* OptionNode::operator new(std::size_t bytes, const std::nothrow_t&) noexcept {
  return SetupAllocate(bytes);
}

void OptionNode::operator delete(void* block) noexcept { SetupRelease(block); }

OptionNode* OptionNode::MakeLeaf(int option, const char* text, int exclusive, int state, int kind) {
  auto* node = new (std::nothrow) OptionNode;
  if (!node) return nullptr;
  node->option = option;
  node->leaf = true;
  node->exclusive = exclusive;
  node->state = state ? kChecked : kUnchecked;
  node->requested = node->state;
  node->kind = (kind == kKindGrey || kind == kKindLabel) ? kind : kKindBox;
  CopyLabel(node->text, text);
  return node;
}

OptionNode* OptionNode::MakeGroup(int option, const char* text, int exclusive, int expanded) {
  auto* node = new (std::nothrow) OptionNode;
  if (!node) return nullptr;
  node->option = option;
  node->exclusive = exclusive;
  node->expanded = expanded ? 1 : 0;
  CopyLabel(node->text, text);
  return node;
}

OptionNode* OptionNode::CloneAlone() const {
  auto* node = new (std::nothrow) OptionNode;
  if (!node) return nullptr;
  node->option = option;
  node->leaf = leaf;
  node->exclusive = exclusive;
  node->expanded = expanded;
  node->state = state;
  node->requested = requested;
  node->kind = kind;
  std::memcpy(node->text, text, sizeof text);
  return node;
}

OptionNode::~OptionNode() {
  OptionNode* child = firstChild;
  while (child) {
    OptionNode* following = child->next;
    delete child;
    child = following;
  }
}

void OptionNode::AddChild(OptionNode& group, OptionNode& child) {
  child.parent = &group;
  child.previous = group.lastChild;
  child.next = nullptr;
  if (group.lastChild)
    group.lastChild->next = &child;
  else
    group.firstChild = &child;
  group.lastChild = &child;
  ++group.childCount;
}

int OptionNode::StateFromChildren() const {
  bool any0 = false, any1 = false;
  for (const OptionNode* c = firstChild; c; c = c->next) {
    if (c->state == kMixed) return kMixed;
    if (c->state == kChecked)
      any1 = true;
    else
      any0 = true;
  }
  if (any0 && any1) return kMixed;
  return any1 ? kChecked : kUnchecked;
}

void OptionNode::FinishGroup() {
  if (!firstChild) {
    state = kUnchecked;
    kind = kKindLabel;
  } else {
    state = StateFromChildren();
    kind = firstChild->kind;
    for (const OptionNode* c = firstChild; c; c = c->next)
      if (c->kind == kKindBox) kind = kKindBox;
  }
  requested = state != kUnchecked ? 1 : 0;
}

int OptionNode::Depth() const {
  int depth = 0;
  for (const OptionNode* p = parent; p; p = p->parent) ++depth;
  return depth;
}
