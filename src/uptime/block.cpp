#include "uptime/block.h"

#include <cstdio>
#include <cstdlib>

#include "lifecycle/runtime_error.h"
#include "lifecycle/window_engine.h"

namespace {

void* CRuntimeAllocate(std::size_t n) { return std::malloc(n); }
void CRuntimeRelease(void* block) { std::free(block); }

bool IsInConstantBlock(const void* block) {
  const auto& bounds = Engine().constantBlock;
  auto* address = static_cast<const unsigned char*>(block);
  return bounds.start != nullptr && address >= bounds.start && address < bounds.start + bounds.size;
}

}  // namespace

BlockHeap CRuntimeHeap() { return {CRuntimeAllocate, CRuntimeRelease}; }

void* AllocateBlock(std::size_t n) {
  void* block = Engine().heap.allocate(n);
  if (block == nullptr) {
    char message[64];
    std::snprintf(message, sizeof message, "分配 %zu 字节内存失败!", n);
    ReportRuntimeError(message, 0);
  }
  return block;
}

void FreeBlock(void* block) {
  if (block == nullptr || IsInConstantBlock(block)) return;
  Engine().heap.release(block);
}
