#include "base/setup_heap.h"

#include <cstdlib>

namespace {

void* RuntimeAllocate(std::size_t bytes) { return std::malloc(bytes); }
void RuntimeRelease(void* block) { std::free(block); }

SetupHeapHooks g_heap = {RuntimeAllocate, RuntimeRelease};

}  // namespace

void* SetupAllocate(std::size_t bytes) {
  if (bytes == 0) return nullptr;
  return g_heap.allocate(bytes);
}

void SetupRelease(void* block) {
  if (block) g_heap.release(block);
}

SetupHeapHooks ReplaceSetupHeap(SetupHeapHooks hooks) {
  SetupHeapHooks previous = g_heap;
  g_heap.allocate = hooks.allocate ? hooks.allocate : RuntimeAllocate;
  g_heap.release = hooks.release ? hooks.release : RuntimeRelease;
  return previous;
}
