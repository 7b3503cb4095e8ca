#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

// Painters of the label's gradient frame and gradient background, in one-pixel bands of
// colours running evenly through the given colours (two or more).

// A frame width pixels wide along the inside of area, from its outer edge inwards. False,
// with nothing painted, when the area can't hold the frame on both sides.
bool PaintGradientFrame(HDC dc, const RECT& area, std::int32_t width, std::span<const std::uint32_t> colours);

// Fills the area in one of eight variants: odd modes run left to right, even ones top to
// bottom; modes 3, 4, 7 and 8 run the other way; modes 5 to 8 run to the middle and back.
// False, with nothing painted, for another mode or an empty area.
bool PaintGradientFill(HDC dc, const RECT& area, std::int32_t mode, std::span<const std::uint32_t> colours);
