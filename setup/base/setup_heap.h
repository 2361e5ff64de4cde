// The setup engine's heap. Every text a SetupString owns comes from here and
// goes back here, so a test can swap the allocator for one that runs dry and
// watch the out-of-memory paths really run.
#pragma once

#include <cstddef>

struct SetupHeapHooks {
  void* (*allocate)(std::size_t bytes);  // null when memory runs out
  void (*release)(void* block);          // never given null
};

// Allocates from the current heap; null when memory runs out (or bytes is 0).
void* SetupAllocate(std::size_t bytes);
// Gives a block of SetupAllocate back; null is ignored.
void SetupRelease(void* block);

// Installs other hooks (null members mean the runtime's own heap) and
// answers the hooks that were installed before.
SetupHeapHooks ReplaceSetupHeap(SetupHeapHooks hooks);
