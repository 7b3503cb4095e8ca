#include "ui/window_style.h"

using namespace style_bits;

std::uint32_t CaptionBits(const WindowSettings& settings) {
  std::uint32_t bits = 0;
  if (settings.windowBorder != 0) {
    if (!settings.title.empty() || settings.controlBox) bits |= kCaption;
    if (settings.controlBox) bits |= kSysMenu;
  }
  if (settings.maximizeBox) bits |= kMaximizeBox;
  if (settings.minimizeBox) bits |= kMinimizeBox;
  return bits;
}

WindowStyle ComputeWindowStyle(const WindowSettings& settings, std::uint32_t styleBits) {
  WindowStyle result{styleBits | kClipChildren | CaptionBits(settings), 0};
  if (settings.windowBorder != 0) result.style |= kDlgFrame;
  switch (settings.windowBorder) {
    case 1: result.style |= kThickFrame; break;
    case 3: result.style |= kThickFrame; result.exStyle |= kExToolWindow; break;
    case 4: result.exStyle |= kExToolWindow; break;
    case 5: result.style |= kThickFrame; result.exStyle |= kExClientEdge; break;
    case 6: result.exStyle |= kExClientEdge; break;
    default: break;
  }
  if (settings.startPosition == 2) result.style |= kMinimize;
  if (settings.startPosition == 3 && (result.style & kThickFrame) != 0) result.style |= kMaximize;
  return result;
}

WindowPosition CentredPosition(std::int32_t screenWidth, std::int32_t screenHeight, std::int32_t width,
                               std::int32_t height) {
  return {(screenWidth - width) / 2, (screenHeight - height) / 2};
}

bool TakesHiddenOwner(const WindowSettings& settings, bool hasOwner, bool modal, std::int32_t buildKind) {
  return !hasOwner && (!settings.showInTaskbar || modal) && buildKind != 0;
}
