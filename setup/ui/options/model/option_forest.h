// The nodes of a product's options, built in passes: a leaf at once, a
// group once all its children have nodes. A child whose node already has a
// parent (an option under several groups) is copied, with its own children,
// and the copy is chained to the option's earlier nodes. The roots are the
// nodes without a parent, in option order. The forest owns every node.
#pragma once

#include "ui/options/model/option_node.h"

struct OptionRecord;
struct ProductTables;

enum BuildResult {
  kBuilt = 0,
  kBuildNoMemory = 1,
  // The product could not describe an option, named a child it does not
  // have, or made a group of itself (no pass could make progress).
  kBuildRefused = 2,
};

class OptionForest {
 public:
  OptionForest() = default;
  ~OptionForest() { Clear(); }
  OptionForest(const OptionForest&) = delete;
  OptionForest& operator=(const OptionForest&) = delete;

  // Replaces what the forest held; on failure it is left empty.
  BuildResult Build(const ProductTables& tables);
  void Clear();

  int OptionCount() const { return count_; }
  // The newest node of an option (its chain goes on through nextCopy), null
  // for an index out of range.
  OptionNode* Newest(int option) const;
  OptionNode* FirstRoot() const { return firstRoot_; }

 private:
  BuildResult BuildPasses(const ProductTables& tables);
  BuildResult BuildGroup(const ProductTables& tables, int option, const OptionRecord& record);
  // A child node for a group: the option's newest node, or a copy of it
  // when that one already has a parent.
  OptionNode* NodeToAdopt(int option);
  OptionNode* CopySubtree(const OptionNode& original);
  void Chain(OptionNode& node);
  void GatherRoots();

  OptionNode** newest_ = nullptr;
  int count_ = 0;
  OptionNode* firstRoot_ = nullptr;
  OptionNode* lastRoot_ = nullptr;
};
