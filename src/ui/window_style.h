#pragma once

#include <cstdint>

#include "ui/window_settings.h"

// Window system style bits, by value, so the style rules stay portable and testable.
namespace style_bits {
inline constexpr std::uint32_t kPopup = 0x80000000;
inline constexpr std::uint32_t kMinimize = 0x20000000;
inline constexpr std::uint32_t kClipChildren = 0x02000000;
inline constexpr std::uint32_t kMaximize = 0x01000000;
inline constexpr std::uint32_t kCaption = 0x00C00000;
inline constexpr std::uint32_t kDlgFrame = 0x00400000;
inline constexpr std::uint32_t kSysMenu = 0x00080000;
inline constexpr std::uint32_t kThickFrame = 0x00040000;
inline constexpr std::uint32_t kMinimizeBox = 0x00020000;
inline constexpr std::uint32_t kMaximizeBox = 0x00010000;
inline constexpr std::uint32_t kExToolWindow = 0x00000080;
inline constexpr std::uint32_t kExClientEdge = 0x00000200;
}  // namespace style_bits

struct WindowStyle {
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
};

// The styles a window of these settings is created with, starting from the given bits.
WindowStyle ComputeWindowStyle(const WindowSettings& settings, std::uint32_t styleBits);

// Of the caption, system menu and box bits, the ones the settings call for.
std::uint32_t CaptionBits(const WindowSettings& settings);

struct WindowPosition {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

// Centred on a screen of the given size; the division truncates toward zero, so a window
// larger than the screen gets a negative position.
WindowPosition CentredPosition(std::int32_t screenWidth, std::int32_t screenHeight, std::int32_t width,
                               std::int32_t height);

// A window gets the hidden owner (and so no taskbar button) only when it has no owner,
// should stay out of the taskbar (or is modal) and the build kind is not 0.
bool TakesHiddenOwner(const WindowSettings& settings, bool hasOwner, bool modal, std::int32_t buildKind);
