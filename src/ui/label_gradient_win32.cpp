#include "ui/label_gradient_win32.h"

#include <cstdlib>

#include "ui/label_background.h"

namespace {

void FillBand(HDC dc, const RECT& band, std::uint32_t colour) {
  SetDCBrushColor(dc, colour);
  FillRect(dc, &band, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// The band's step along a gradient of steps bands for the fill mode.
std::int32_t FillStep(std::int32_t mode, std::int32_t band, std::int32_t steps) {
  if (mode == 3 || mode == 4 || mode == 7 || mode == 8) band = steps - 1 - band;
  if (mode >= 5) return steps - 1 - std::abs(2 * band - (steps - 1));
  return band;
}

}  // namespace

bool PaintGradientFrame(HDC dc, const RECT& area, std::int32_t width, std::span<const std::uint32_t> colours) {
  if (colours.size() < 2 || width <= 0 || 2 * width > area.right - area.left || 2 * width > area.bottom - area.top)
    return false;
  for (std::int32_t ring = 0; ring < width; ++ring) {
    const std::uint32_t colour = GradientColourAt(colours, ring, width);
    const RECT outer{area.left + ring, area.top + ring, area.right - ring, area.bottom - ring};
    FillBand(dc, {outer.left, outer.top, outer.right, outer.top + 1}, colour);
    FillBand(dc, {outer.left, outer.bottom - 1, outer.right, outer.bottom}, colour);
    FillBand(dc, {outer.left, outer.top, outer.left + 1, outer.bottom}, colour);
    FillBand(dc, {outer.right - 1, outer.top, outer.right, outer.bottom}, colour);
  }
  return true;
}

bool PaintGradientFill(HDC dc, const RECT& area, std::int32_t mode, std::span<const std::uint32_t> colours) {
  if (colours.size() < 2 || mode < 1 || mode > 8 || IsRectEmpty(&area)) return false;
  const bool acrossColumns = mode % 2 == 1;
  const std::int32_t steps = acrossColumns ? area.right - area.left : area.bottom - area.top;
  for (std::int32_t band = 0; band < steps; ++band) {
    const std::uint32_t colour = GradientColourAt(colours, FillStep(mode, band, steps), steps);
    const RECT line = acrossColumns ? RECT{area.left + band, area.top, area.left + band + 1, area.bottom}
                                    : RECT{area.left, area.top + band, area.right, area.top + band + 1};
    FillBand(dc, line, colour);
  }
  return true;
}
