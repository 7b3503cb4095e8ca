#pragma once

#include <cstdint>

// Identifier of a window or of a unit in it, compared as a whole.
using UnitId = std::uint32_t;

// A unit identifier whose top four bits are zero names the window's own unit.
constexpr bool NamesWindowUnit(UnitId id) { return (id >> 28) == 0; }
