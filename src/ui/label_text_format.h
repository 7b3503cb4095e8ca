#pragma once

#include <cstdint>
#include <vector>

#include "ui/label_settings.h"
#include "ui/window_style.h"

// Window system values, by value, so the label's layout rules stay portable.
namespace label_format_bits {
inline constexpr std::uint32_t kCenter = 0x1;
inline constexpr std::uint32_t kRight = 0x2;
inline constexpr std::uint32_t kVCenter = 0x4;
inline constexpr std::uint32_t kBottom = 0x8;
inline constexpr std::uint32_t kWordBreak = 0x10;
inline constexpr std::uint32_t kSingleLine = 0x20;
inline constexpr std::uint32_t kNoClip = 0x100;

inline constexpr std::uint32_t kBorder = 0x00800000;
inline constexpr std::uint32_t kExDlgModalFrame = 0x00000001;
inline constexpr std::uint32_t kExClientEdge = 0x00000200;
inline constexpr std::uint32_t kExStaticEdge = 0x00020000;
}  // namespace label_format_bits

// The text drawing flags of the caption. Mnemonic prefixes stay on: "&" underlines the next
// character, as the label has always shown it.
std::uint32_t LabelTextFlags(const LabelSettings& settings);

// The control's styles with the frame of the given border style in place of any earlier one.
// Style 6 has no window frame: its gradient frame is painted inside the label.
WindowStyle WithLabelFrame(WindowStyle current, std::int32_t borderStyle);

// One drawing of the caption: moved by dx, dy within the text rectangle, in one colour.
struct TextPass {
  std::int32_t dx = 0;
  std::int32_t dy = 0;
  std::uint32_t colour = 0;

  bool operator==(const TextPass&) const = default;
};

// The drawings of the caption in order: the effect copy, if any, then the caption itself.
std::vector<TextPass> LabelTextPasses(std::int32_t textEffect, std::uint32_t textColor);
