#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The own settings of the kind 标签, holding its initial values until a block is read.
struct LabelSettings {
  std::string caption = "标签";
  std::int32_t textEffect = 0;
  std::int32_t borderStyle = 0;
  std::int32_t gradientBorderWidth = 8;
  std::array<std::uint32_t, 3> gradientBorderColors = {0x808080, 0xFFFFFF, 0x808080};
  std::vector<std::uint8_t> font;  // exactly 60 bytes: a LOGFONTA record; else the default GUI font
  std::uint32_t textColor = 0x000000;
  std::uint32_t backColor = 0xFF000000;
  std::vector<std::uint8_t> picture;
  std::int32_t pictureMode = 1;
  std::int32_t gradientBackMode = 0;
  std::array<std::uint32_t, 3> gradientBackColors = {0x808080, 0xFFFFFF, 0x808080};
  std::int32_t hAlign = 0;
  std::int32_t wordWrap = 0;
  std::int32_t vAlign = 1;
  std::string dataSourceName;
  std::string dataColumnName;

  bool operator==(const LabelSettings&) const = default;
};

inline constexpr std::uint32_t kLabelSettingsVersion = 2;

// Initial values first, then the block (an empty block keeps them all). Null for a version
// above 2 or a block that ends inside its fixed fields or a byte count; one that ends inside
// the bytes a count announces is refused too, rather than read short. Versions 0 and 1 have
// no data-source texts.
std::optional<LabelSettings> ReadLabelSettings(const std::uint8_t* block, std::size_t length);
// Always the version 2 layout.
std::vector<std::uint8_t> WriteLabelSettings(const LabelSettings& settings);
