#pragma once

#include <cstdint>
#include <vector>

// The engine's cursor table: index 1 to 14 of a mouse pointer names these system cursors
// (arrow, cross, text beam, wait, help, app starting, no, size all, size NE-SW, size N-S,
// size NW-SE, size W-E, up arrow, hand).
inline constexpr std::uint32_t kSystemCursors[14] = {32512, 32515, 32513, 32514, 32651, 32650, 32648,
                                                      32646, 32643, 32645, 32642, 32644, 32516, 32649};
inline constexpr std::uint32_t kSizeAllCursor = 32646;

// The system cursor a unit's mouse pointer block stands for, 0 for none. Blocks carrying a
// cursor image of their own (first value -1, or longer than 10 bytes) are not supported
// and give none.
std::uint32_t SystemCursorFor(const std::vector<std::uint8_t>& mousePointer);

// A written mouse pointer as it is stored: an index 1 to 14 becomes the cursor identifier
// it stands for; any other value is kept.
std::uint32_t StoredMousePointer(std::int32_t written);

// The stored form of a mouse pointer value: four little-endian bytes.
std::vector<std::uint8_t> MousePointerBlock(std::uint32_t value);
