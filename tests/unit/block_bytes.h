#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ui/byte_stream.h"

// The 32-bit little-endian value stored at offset.
inline std::int32_t Int32At(const std::vector<std::uint8_t>& block, std::size_t offset) {
  ByteReader reader(block.data() + offset, 4);
  return reader.Int32();
}

inline void PutInt32At(std::vector<std::uint8_t>& block, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) block[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}
