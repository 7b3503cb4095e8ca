#pragma once

#include <cstddef>

struct WindowRecord;

// Makes a live control anew from its record, in the same stacking place, with the same
// child identifier, visibility and keyboard focus.
void RebuildUnit(WindowRecord& window, std::size_t unitIndex);
