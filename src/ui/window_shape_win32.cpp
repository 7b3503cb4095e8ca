#include "ui/window_shape_win32.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kGrid = 32767.0;

// Outline shapes are regular polygons on the 0..32767 grid: shape 4 a triangle, each next
// shape one corner more, the first corner at the top.
OwnedRegion MakeOutlineRegion(int shape, int width, int height) {
  const int corners = shape - 1;
  std::vector<POINT> points;
  for (int i = 0; i < corners; ++i) {
    const double angle = 2.0 * 3.14159265358979323846 * i / corners;
    const double gridX = kGrid / 2 + kGrid / 2 * std::sin(angle);
    const double gridY = kGrid / 2 - kGrid / 2 * std::cos(angle);
    points.push_back({static_cast<LONG>(gridX * width / kGrid), static_cast<LONG>(gridY * height / kGrid)});
  }
  return OwnedRegion(CreatePolygonRgn(points.data(), corners, WINDING));
}

OwnedRegion MakeRing(int width, int height) {
  OwnedRegion outer(CreateEllipticRgn(0, 0, width, height));
  OwnedRegion inner(CreateEllipticRgn(width / 4, height / 4, width - width / 4, height - height / 4));
  CombineRgn(outer.Get(), outer.Get(), inner.Get(), RGN_DIFF);
  return outer;
}

}  // namespace

OwnedRegion MakeShapeRegion(int shape, int width, int height) {
  switch (shape) {
    case 0: return OwnedRegion();
    case 1: return OwnedRegion(CreateEllipticRgn(0, 0, width, height));
    case 2: {
      const int corner = std::min(width / 5, height / 5);
      return OwnedRegion(CreateRoundRectRgn(0, 0, width, height, corner, corner));
    }
    case 3: return MakeRing(width, height);
    default: return MakeOutlineRegion(shape, width, height);
  }
}
