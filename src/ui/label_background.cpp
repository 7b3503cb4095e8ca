#include "ui/label_background.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace {

constexpr std::uint32_t kEmptySlot = 0xFF000000;

std::uint32_t Channel(std::uint32_t colour, int shift) { return (colour >> shift) & 0xFF; }

std::uint32_t Mix(std::uint32_t from, std::uint32_t to, double share) {
  std::uint32_t mixed = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double a = Channel(from, shift);
    const double b = Channel(to, shift);
    mixed |= static_cast<std::uint32_t>(a + (b - a) * share + 0.5) << shift;
  }
  return mixed;
}

}  // namespace

std::vector<std::uint32_t> UsableGradientColours(const std::array<std::uint32_t, 3>& slots) {
  std::vector<std::uint32_t> usable;
  std::copy_if(slots.begin(), slots.end(), std::back_inserter(usable),
               [](std::uint32_t colour) { return colour != kEmptySlot; });
  return usable;
}

std::uint32_t GradientColourAt(std::span<const std::uint32_t> colours, std::int32_t step, std::int32_t steps) {
  if (colours.size() < 2 || steps < 2) return colours.empty() ? 0 : colours.front();
  const double position =
      static_cast<double>(std::clamp(step, 0, steps - 1)) / (steps - 1) * static_cast<double>(colours.size() - 1);
  const auto segment = std::min(static_cast<std::size_t>(position), colours.size() - 2);
  return Mix(colours[segment], colours[segment + 1], position - static_cast<double>(segment));
}

PixelRect PictureTarget(std::int32_t pictureMode, const PixelRect& area, std::int32_t width, std::int32_t height) {
  if (pictureMode != 2) return {area.left, area.top, area.left + width, area.top + height};
  if (width > area.Width() || height > area.Height()) {
    const double scale = std::min(static_cast<double>(area.Width()) / width, static_cast<double>(area.Height()) / height);
    width = static_cast<std::int32_t>(width * scale);
    height = static_cast<std::int32_t>(height * scale);
  }
  const std::int32_t left = area.left + (area.Width() - width) / 2;
  const std::int32_t top = area.top + (area.Height() - height) / 2;
  return {left, top, left + width, top + height};
}
