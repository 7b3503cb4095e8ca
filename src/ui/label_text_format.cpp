#include "ui/label_text_format.h"

using namespace label_format_bits;

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;

std::uint32_t HorizontalFlags(std::int32_t hAlign) {
  if (hAlign == 1) return kCenter;
  if (hAlign == 2) return kRight;
  return 0;
}

std::uint32_t VerticalFlags(std::int32_t wordWrap, std::int32_t vAlign) {
  // The window system centres single lines only, so wrapped text is laid out from the top.
  if (wordWrap == 1) return kWordBreak | kVCenter;
  if (vAlign == 1) return kSingleLine | kVCenter;
  if (vAlign == 2) return kSingleLine | kBottom;
  return kSingleLine;
}

WindowStyle FrameOf(std::int32_t borderStyle) {
  switch (borderStyle) {
    case 1: return {0, kExClientEdge};
    case 2: return {0, kExDlgModalFrame};
    case 3: return {0, kExStaticEdge};
    case 4: return {0, kExClientEdge | kExDlgModalFrame};
    case 5: return {kBorder, 0};
    default: return {};
  }
}

}  // namespace

std::uint32_t LabelTextFlags(const LabelSettings& settings) {
  return kNoClip | HorizontalFlags(settings.hAlign) | VerticalFlags(settings.wordWrap, settings.vAlign);
}

WindowStyle WithLabelFrame(WindowStyle current, std::int32_t borderStyle) {
  const WindowStyle frame = FrameOf(borderStyle);
  return {(current.style & ~kBorder) | frame.style,
          (current.exStyle & ~(kExClientEdge | kExDlgModalFrame | kExStaticEdge)) | frame.exStyle};
}

std::vector<TextPass> LabelTextPasses(std::int32_t textEffect, std::uint32_t textColor) {
  switch (textEffect) {
    case 1: return {{1, 1, kWhite}, {0, 0, textColor}};
    case 2: return {{0, 0, kWhite}, {1, 1, textColor}};
    case 3: return {{2, 2, kBlack}, {0, 0, textColor}};
    default: return {{0, 0, textColor}};
  }
}
