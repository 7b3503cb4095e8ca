#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// Where one image of an icon file lies within the file's bytes.
struct IconImage {
  std::size_t offset = 0;
  std::size_t size = 0;
};

// The largest image (then the deepest colour) listed in an icon file's directory. Null when
// the bytes are no icon file or the image does not lie wholly within them.
std::optional<IconImage> LargestIconImage(const std::vector<std::uint8_t>& file);
