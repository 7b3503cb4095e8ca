#pragma once

#include <cstddef>
#include <cstdlib>
#include <set>

#include "uptime/block_heap.h"

// A heap that counts its live blocks and can be told to refuse every request.
struct CountingHeap {
  static inline std::set<void*> live;
  static inline std::size_t lastSize = 0;
  static inline bool refuse = false;

  static void* Allocate(std::size_t n) {
    lastSize = n;
    if (refuse) return nullptr;
    void* block = std::malloc(n);
    live.insert(block);
    return block;
  }
  static void Release(void* block) {
    live.erase(block);
    std::free(block);
  }
  static BlockHeap Heap() {
    live.clear();
    refuse = false;
    return {Allocate, Release};
  }
};
