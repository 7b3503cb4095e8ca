#include "ui/label_picture_win32.h"

#include <cstdlib>
#include <cstring>

#include "ui/label_background.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kBitsOffsetAt = 10;

struct MemoryDcTraits {
  static void Release(HDC dc) { DeleteDC(dc); }
};
using OwnedMemoryDc = Owned<HDC, MemoryDcTraits>;

bool KnownBitCount(WORD bitCount) {
  return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 || bitCount == 32;
}

// Entries of the colour table behind the header.
std::uint64_t ColourCount(const BITMAPINFOHEADER& header) {
  if (header.biClrUsed != 0) return header.biClrUsed;
  return header.biBitCount <= 8 ? std::uint64_t{1} << header.biBitCount : 0;
}

std::optional<BITMAPINFOHEADER> ReadHeader(const std::vector<std::uint8_t>& bytes) {
  BITMAPINFOHEADER header;
  if (bytes.size() < kFileHeaderSize + sizeof header || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  std::memcpy(&header, bytes.data() + kFileHeaderSize, sizeof header);
  if (header.biSize < sizeof header || header.biWidth <= 0 || header.biHeight == 0 ||
      header.biHeight == INT32_MIN || header.biPlanes != 1 || header.biCompression != BI_RGB ||
      !KnownBitCount(header.biBitCount))
    return std::nullopt;
  return header;
}

}  // namespace

std::optional<DecodedPicture> DecodePicture(const std::vector<std::uint8_t>& bytes) {
  const std::optional<BITMAPINFOHEADER> header = ReadHeader(bytes);
  if (!header) return std::nullopt;
  std::uint32_t bitsOffset;
  std::memcpy(&bitsOffset, bytes.data() + kBitsOffsetAt, sizeof bitsOffset);
  const std::uint64_t infoSize = header->biSize + ColourCount(*header) * sizeof(RGBQUAD);
  const std::uint64_t stride = (std::uint64_t{static_cast<std::uint32_t>(header->biWidth)} * header->biBitCount + 31) / 32 * 4;
  const auto rows = static_cast<std::uint64_t>(std::llabs(header->biHeight));
  if (kFileHeaderSize + infoSize > bitsOffset || bitsOffset + stride * rows > bytes.size()) return std::nullopt;

  // The header and colour table sit at an odd offset in the file: copy them to aligned storage.
  std::vector<std::uint32_t> info(static_cast<std::size_t>((infoSize + 3) / 4));
  std::memcpy(info.data(), bytes.data() + kFileHeaderSize, static_cast<std::size_t>(infoSize));
  void* bits = nullptr;
  OwnedBitmap bitmap(
      CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || bits == nullptr) return std::nullopt;
  std::memcpy(bits, bytes.data() + bitsOffset, static_cast<std::size_t>(stride * rows));
  return DecodedPicture{std::move(bitmap), header->biWidth, static_cast<std::int32_t>(rows)};
}

void DrawPicture(HDC dc, const DecodedPicture& picture, std::int32_t mode, const RECT& area, HRGN region) {
  const OwnedMemoryDc source(CreateCompatibleDC(dc));
  const SelectedObject selected(source.Get(), picture.bitmap.Get());
  if (mode == 1) {
    for (LONG y = area.top; y < area.bottom; y += picture.height) {
      for (LONG x = area.left; x < area.right; x += picture.width)
        BitBlt(dc, x, y, picture.width, picture.height, source.Get(), 0, 0, SRCCOPY);
    }
    SetRectRgn(region, 0, 0, 0, 0);
    return;
  }
  const PixelRect target =
      PictureTarget(mode, {area.left, area.top, area.right, area.bottom}, picture.width, picture.height);
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, target.left, target.top, target.Width(), target.Height(), source.Get(), 0, 0, picture.width,
             picture.height, SRCCOPY);
  const OwnedRegion drawn(CreateRectRgn(target.left, target.top, target.right, target.bottom));
  CombineRgn(region, region, drawn.Get(), RGN_DIFF);
}
