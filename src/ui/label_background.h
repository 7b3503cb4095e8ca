#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// A rectangle in pixels, right and bottom exclusive.
struct PixelRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  std::int32_t Width() const { return right - left; }
  std::int32_t Height() const { return bottom - top; }
  bool operator==(const PixelRect&) const = default;
};

// The gradient colours in their order without the empty slots (0xFF000000); a gradient
// needs two or more of them.
std::vector<std::uint32_t> UsableGradientColours(const std::array<std::uint32_t, 3>& slots);

// The colour at step of steps along a gradient through the colours at equal distances:
// step 0 is the first colour, step steps - 1 the last.
std::uint32_t GradientColourAt(std::span<const std::uint32_t> colours, std::int32_t step, std::int32_t steps);

// Where a picture of the given size goes inside the area for PictureMode 0 (top-left corner,
// own size) or 2 (centred, shrunk with its proportions kept when it does not fit). Mode 1
// tiles from the top-left corner and has no single target.
PixelRect PictureTarget(std::int32_t pictureMode, const PixelRect& area, std::int32_t width, std::int32_t height);
