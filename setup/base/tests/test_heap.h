// A heap for tests: counts blocks, can be told to run dry, and remembers
// every pointer it was asked to free.
#pragma once

#include "base/setup_heap.h"

#include <cstddef>
#include <vector>

class TestHeap {
 public:
  TestHeap();
  ~TestHeap();
  TestHeap(const TestHeap&) = delete;
  TestHeap& operator=(const TestHeap&) = delete;

  // Allocations from now on fail (true) or succeed (false).
  void RunDry(bool dry) { dry_ = dry; }
  int LiveBlocks() const { return live_; }
  int FailedAllocations() const { return failed_; }
  bool WasFreed(const void* block) const;

 private:
  static void* Allocate(std::size_t bytes);
  static void Release(void* block);

  SetupHeapHooks previous_;
  bool dry_ = false;
  int live_ = 0;
  int failed_ = 0;
  std::vector<const void*> freed_;
};
