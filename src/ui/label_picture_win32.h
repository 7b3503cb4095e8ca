#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/handles.h"

struct DecodedPicture {
  OwnedBitmap bitmap;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// A picture from the bytes of an uncompressed BMP file; null for any other bytes.
std::optional<DecodedPicture> DecodePicture(const std::vector<std::uint8_t>& bytes);

// Draws the picture inside area by PictureMode and takes what it covered out of region:
// the drawn rectangle for modes 0 and 2, everything for mode 1, which tiles the whole area.
void DrawPicture(HDC dc, const DecodedPicture& picture, std::int32_t mode, const RECT& area, HRGN region);
