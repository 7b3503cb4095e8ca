#pragma once

#include <cstddef>

// The heap behind AllocateBlock and FreeBlock: the process heap on Windows, the C
// runtime's allocator natively. A null result from allocate means the heap refused.
struct BlockHeap {
  void* (*allocate)(std::size_t n) = nullptr;
  void (*release)(void* block) = nullptr;
};

BlockHeap CRuntimeHeap();
