#include "ui/options/model/option_forest.h"

#include "base/setup_heap.h"
#include "base/product_tables.h"

#include <cstring>

BuildResult OptionForest::Build(const ProductTables& tables) {
  Clear();
  int count = tables.options.count;
  if (count <= 0) return kBuilt;
  newest_ = static_cast<OptionNode**>(SetupAllocate(sizeof(OptionNode*) * count));
  if (!newest_) return kBuildNoMemory;
  std::memset(newest_, 0, sizeof(OptionNode*) * count);
  count_ = count;
  BuildResult result = BuildPasses(tables);
  // Whatever was made, finished or not, hangs from a node without a parent
  // in some option's chain: gathered as roots, it is all destroyed at once.
  GatherRoots();
  if (result != kBuilt) Clear();
  return result;
}

BuildResult OptionForest::BuildPasses(const ProductTables& tables) {
  for (;;) {
    bool progress = false, waiting = false;
    for (int option = 0; option < count_; ++option) {
      if (newest_[option]) continue;
      OptionRecord record;
      if (!ReadOptionRecord(tables, option, record)) return kBuildRefused;
      if (record.isOption) {
        OptionNode* leaf =
            OptionNode::MakeLeaf(option, record.text, record.exclusive, record.state, record.kind);
        if (!leaf) return kBuildNoMemory;
        Chain(*leaf);
        progress = true;
        continue;
      }
      const IndexList& children = tables.options.rows[option].children;
      bool ready = true;
      for (int j = 0; j < children.count; ++j) {
        int child = children.index[j];
        if (child < 0 || child >= count_) return kBuildRefused;
        if (!newest_[child]) ready = false;
      }
      if (!ready) {
        waiting = true;
        continue;
      }
      BuildResult built = BuildGroup(tables, option, record);
      if (built != kBuilt) return built;
      progress = true;
    }
    if (!waiting) return kBuilt;
    if (!progress) return kBuildRefused;
  }
}

BuildResult OptionForest::BuildGroup(const ProductTables& tables, int option,
                                     const OptionRecord& record) {
  OptionNode* group = OptionNode::MakeGroup(option, record.text, record.exclusive, record.expanded);
  if (!group) return kBuildNoMemory;
  // Chained before its children come, so that a failure half-way still
  // leaves it where the clean-up finds it.
  Chain(*group);
  const IndexList& children = tables.options.rows[option].children;
  for (int j = 0; j < children.count; ++j) {
    int child = children.index[j];
    if (child < 0 || child >= count_ || !newest_[child]) return kBuildRefused;
    OptionNode* node = NodeToAdopt(child);
    if (!node) return kBuildNoMemory;
    OptionNode::AddChild(*group, *node);
  }
  group->FinishGroup();
  return kBuilt;
}

OptionNode* OptionForest::NodeToAdopt(int option) {
  OptionNode* node = newest_[option];
  return node->parent ? CopySubtree(*node) : node;
}

OptionNode* OptionForest::CopySubtree(const OptionNode& original) {
  OptionNode* copy = original.CloneAlone();
  if (!copy) return nullptr;
  Chain(*copy);
  for (const OptionNode* child = original.firstChild; child; child = child->next) {
    OptionNode* childCopy = CopySubtree(*child);
    if (!childCopy) return nullptr;
    OptionNode::AddChild(*copy, *childCopy);
  }
  if (!copy->leaf) copy->FinishGroup();
  return copy;
}

// The newest node of each option heads its chain, so the chain holds every
// node of the option.
void OptionForest::Chain(OptionNode& node) {
  node.nextCopy = newest_[node.option];
  newest_[node.option] = &node;
}

void OptionForest::GatherRoots() {
  for (int option = 0; option < count_; ++option) {
    for (OptionNode* node = newest_[option]; node; node = node->nextCopy) {
      if (node->parent) continue;
      node->previous = lastRoot_;
      node->next = nullptr;
      if (lastRoot_)
        lastRoot_->next = node;
      else
        firstRoot_ = node;
      lastRoot_ = node;
    }
  }
}

void OptionForest::Clear() {
  OptionNode* root = firstRoot_;
  while (root) {
    OptionNode* following = root->next;
    delete root;
    root = following;
  }
  firstRoot_ = lastRoot_ = nullptr;
  SetupRelease(newest_);
  newest_ = nullptr;
  count_ = 0;
}

OptionNode* OptionForest::Newest(int option) const {
  return option >= 0 && option < count_ ? newest_[option] : nullptr;
}
