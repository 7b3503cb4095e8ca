#pragma once

#include <cstddef>

struct WindowRecord;

// Rebuilds one control of a loaded window from its record, keeping its stacking place and
// the keyboard focus. Only the platform can do this; it installs the hook in the engine.
using RebuildHook = void (*)(WindowRecord& window, std::size_t unitIndex);
