#pragma once

#include <cstddef>

// Every text of the system lives in a block from here. AllocateBlock never returns null:
// a refused request is a fatal error.
void* AllocateBlock(std::size_t n);

// Does nothing for null and for pointers into the constant block (the unit texts).
void FreeBlock(void* block);
