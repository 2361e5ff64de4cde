#include "test_heap.h"

#include <algorithm>
#include <cstdlib>

namespace {
TestHeap* g_current = nullptr;
}

TestHeap::TestHeap() {
  g_current = this;
  previous_ = ReplaceSetupHeap(SetupHeapHooks{&TestHeap::Allocate, &TestHeap::Release});
}

TestHeap::~TestHeap() {
  ReplaceSetupHeap(previous_);
  g_current = nullptr;
}

bool TestHeap::WasFreed(const void* block) const {
  return std::find(freed_.begin(), freed_.end(), block) != freed_.end();
}

void* TestHeap::Allocate(std::size_t bytes) {
  if (g_current->dry_) {
    ++g_current->failed_;
    return nullptr;
  }
  ++g_current->live_;
  return std::malloc(bytes);
}

void TestHeap::Release(void* block) {
  --g_current->live_;
  g_current->freed_.push_back(block);
  std::free(block);
}
