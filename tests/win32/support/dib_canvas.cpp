#include "dib_canvas.h"

DibCanvas::DibCanvas(int width, int height, COLORREF fill)
    : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down: row 0 is the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.Reset(CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  bits_ = static_cast<std::uint32_t*>(bits);
  old_ = SelectObject(dc_, bitmap_.Get());
  const RECT all{0, 0, width, height};
  const OwnedBrush brush(CreateSolidBrush(fill));
  FillRect(dc_, &all, brush.Get());
}

DibCanvas::~DibCanvas() {
  SelectObject(dc_, old_);
  DeleteDC(dc_);
}

COLORREF DibCanvas::Pixel(int x, int y) const {
  GdiFlush();
  const std::uint32_t stored = bits_[y * width_ + x];  // 0x00RRGGBB in memory order B, G, R
  return RGB((stored >> 16) & 0xFF, (stored >> 8) & 0xFF, stored & 0xFF);
}

std::vector<COLORREF> DibCanvas::Pixels() const {
  std::vector<COLORREF> pixels;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) pixels.push_back(Pixel(x, y));
  }
  return pixels;
}

bool IsDark(COLORREF colour) { return GetRValue(colour) < 0x50 && GetGValue(colour) < 0x50 && GetBValue(colour) < 0x50; }

bool IsGreyOrDarker(COLORREF colour) {
  return GetRValue(colour) <= 0x80 && GetGValue(colour) <= 0x80 && GetBValue(colour) <= 0x80;
}
