#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/handles.h"

// A 32-bit top-down bitmap in a memory device context, filled with one colour, to paint
// into and read back. Colours are in the window system's 0x00BBGGRR layout.
class DibCanvas {
 public:
  DibCanvas(int width, int height, COLORREF fill);
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;
  ~DibCanvas();

  HDC Dc() const { return dc_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  COLORREF Pixel(int x, int y) const;
  std::vector<COLORREF> Pixels() const;

 private:
  int width_;
  int height_;
  HDC dc_;
  std::uint32_t* bits_ = nullptr;
  OwnedBitmap bitmap_;
  HGDIOBJ old_ = nullptr;
};

// Darker than the label's grey on every channel, as glyph pixels in black are.
bool IsDark(COLORREF colour);
// No channel above grey 0x80: black text over grey, with any smoothing, stays so.
bool IsGreyOrDarker(COLORREF colour);
