// One row of the component tree: a leaf option with its own check state, or
// a group whose state follows its children. An option placed under several
// groups has one node in each place; the nodes of one option are chained
// through nextCopy, newest first.
#pragma once

#include <cstddef>
#include <new>

constexpr int kNodeTextChars = 40;  // the label keeps at most 39 characters

enum OptionKind { kKindGrey = 0, kKindBox = 1, kKindLabel = 2 };
enum CheckState { kUnchecked = 0, kChecked = 1, kMixed = 2 };

class OptionNode {
 public:
  // Null when memory runs out. A leaf's state is 1 for any non-zero state;
  // a kind outside 0-2 counts as a normal box.
  static OptionNode* MakeLeaf(int option, const char* text, int exclusive, int state, int kind);
  static OptionNode* MakeGroup(int option, const char* text, int exclusive, int expanded);
  // A node like this one, without place, children or copies; null when
  // memory runs out.
  OptionNode* CloneAlone() const;
  // Destroys the children first.
  ~OptionNode();
  OptionNode(const OptionNode&) = delete;
  OptionNode& operator=(const OptionNode&) = delete;

  // Nodes come from the setup heap, so that a test can run it dry.
  static void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept;
  static void operator delete(void* block) noexcept;

  // Appends child (which must have no parent) to group.
  static void AddChild(OptionNode& group, OptionNode& child);
  // A group's state and kind from its children; requested = 1 when the
  // state is not 0. A group without children is label-only and unchecked.
  void FinishGroup();
  // A group's shown state from its children: all 1 → 1, all 0 → 0, else 2.
  int StateFromChildren() const;

  int Depth() const;  // the number of ancestors
  bool HasChildren() const { return firstChild != nullptr; }

  int option = 0;  // the OptionRecord it shows
  bool leaf = false;
  int row = 0;  // among the visible rows, while visible
  int exclusive = 0;
  int expanded = 0;
  int state = kUnchecked;
  int requested = 0;
  int kind = kKindBox;
  int changed = 0;
  char text[kNodeTextChars] = {0};
  int labelWidth = -1;  // pixels in the tree's font; -1 until measured
  int labelHeight = 0;

  OptionNode* parent = nullptr;
  OptionNode* previous = nullptr;
  OptionNode* next = nullptr;
  OptionNode* firstChild = nullptr;
  OptionNode* lastChild = nullptr;
  int childCount = 0;
  OptionNode* nextCopy = nullptr;  // the node built before this one for the same option

 private:
  OptionNode() = default;
};
